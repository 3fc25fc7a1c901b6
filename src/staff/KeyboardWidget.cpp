#include "staff/KeyboardWidget.h"

#include "platform/ControlNames.h"
#include "staff/GlyphLabel.h"
#include "staff/KeyMarker.h"
#include "staff/KeyboardKey.h"
#include "staff/NoteText.h"
#include "staff/StaffGeometry.h"
#include "staff/TwipScale.h"

#include <QEvent>
#include <QKeyEvent>

#include <algorithm>
#include <array>
#include <iterator>

namespace tonalyst {

namespace {

// The keyboard's own layout, in twips from its top left.
constexpr int kWhiteWidth = 420;
constexpr int kWhiteHeight = 2520;
constexpr int kWhiteKeys = 14;
constexpr int kBlackWidth = 270;
constexpr int kBlackHeight = 1260;
constexpr int kSpellingInset = 30;
constexpr int kSpellingHeight = 270;
constexpr int kSpellingPitch = 300;
constexpr int kSpellingTop = kBlackHeight + 75;

int whiteLeft(int position) {
    return (position - 1) * kWhiteWidth;
}

// The three small keys on a white key, top to bottom: the spelling from the letter below,
// the one from the letter above, the natural.
QRect spellingRect(int position, int row) {
    return QRect(whiteLeft(position) + kSpellingInset, kSpellingTop + row * kSpellingPitch,
                 kWhiteWidth - 2 * kSpellingInset, kSpellingHeight);
}

bool hasBlackKeyAbove(int position) {
    const char letter = letterOfPosition(position);
    return letter != 'E' && letter != 'B';
}

int orderIn(const std::array<int, 4>& indices, int index) {
    return static_cast<int>(std::distance(indices.begin(), std::find(indices.begin(), indices.end(), index)));
}

using Look = KeyboardKey::Look;

constexpr std::array<int, 4> kWhiteSharps{0, 3, 7, 10};
constexpr std::array<int, 4> kWhiteFlats{4, 8, 11, 15};

} // namespace

KeyboardWidget::KeyboardWidget(QWidget* parent) : QWidget(parent) {
    nameControl(this, "keyboard");
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    for (int p = 1; p <= kWhiteKeys; ++p)
        addKey(KeyKind::Note, p, Look::WhiteKey, QRect(whiteLeft(p), 0, kWhiteWidth, kWhiteHeight));
    for (int p = 1; p <= kWhiteKeys; ++p)
        addSpellingsOnWhiteKey(p);
    for (int p = 1; p < kWhiteKeys; ++p) {
        if (!hasBlackKeyAbove(p))
            continue;
        const int left = whiteLeft(p + 1) - kBlackWidth / 2;
        addKey(KeyKind::Sharp, p, Look::BlackKey, QRect(left, 0, kBlackWidth, kBlackHeight / 2));
        KeyboardKey* flat = addKey(KeyKind::Flat, p + 1, Look::BlackKey,
                                   QRect(left, kBlackHeight / 2, kBlackWidth, kBlackHeight / 2));
        nameSign(flat, "imgFlatkey", p + 1);
    }
    keepOutOfRangeDisabled();
    setClef(Clef::Treble);
    // The arrow keys step through the keys from the lowest spelling up.
    m_byPitch = m_keys;
    std::stable_sort(m_byPitch.begin(), m_byPitch.end(), [](const KeyboardKey* a, const KeyboardKey* b) {
        return a->index() * kAccidentalCodes + static_cast<int>(a->kind()) <
               b->index() * kAccidentalCodes + static_cast<int>(b->kind());
    });
    for (KeyboardKey* key : m_keys) {
        key->setFocusPolicy(Qt::NoFocus);
        key->installEventFilter(this);
    }
    makeCurrent(findControl<KeyboardKey>(this, "note", 1));
    placeChildren();
}

// The keyboard is one stop for Tab, at the key last used: only that key takes the Tab
// focus, and the others stay buttons a screen reader can name and press.
void KeyboardWidget::makeCurrent(KeyboardKey* key) {
    if (m_current)
        m_current->setFocusPolicy(Qt::NoFocus);
    m_current = key;
    key->setFocusPolicy(Qt::TabFocus);
}

void KeyboardWidget::chainAfter(QWidget* previous) {
    for (KeyboardKey* key : m_byPitch) {
        setTabOrder(previous, key);
        previous = key;
    }
}

KeyboardKey* KeyboardWidget::currentKey() const {
    return m_current;
}

// The next key that can take a click, higher (step 1) or lower (step -1) in pitch; the
// key itself at either end.
KeyboardKey* KeyboardWidget::neighbour(KeyboardKey* key, int step) const {
    const auto at = std::find(m_byPitch.begin(), m_byPitch.end(), key);
    auto i = static_cast<std::ptrdiff_t>(std::distance(m_byPitch.begin(), at));
    for (i += step; i >= 0 && i < static_cast<std::ptrdiff_t>(m_byPitch.size()); i += step)
        if (m_byPitch[static_cast<std::size_t>(i)]->isEnabled())
            return m_byPitch[static_cast<std::size_t>(i)];
    return key;
}

bool KeyboardWidget::eventFilter(QObject* watched, QEvent* event) {
    auto* key = qobject_cast<KeyboardKey*>(watched);
    if (!key || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const auto* press = static_cast<QKeyEvent*>(event);
    if (press->modifiers() & ~Qt::KeypadModifier)
        return false;
    KeyboardKey* target = nullptr;
    switch (press->key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        target = neighbour(key, 1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Down:
        target = neighbour(key, -1);
        break;
    default:
        return false;
    }
    makeCurrent(target);
    target->setFocus(Qt::TabFocusReason);
    return true;
}

void KeyboardWidget::setClef(Clef clef) {
    m_clef = clef;
    nameKeys();
}

void KeyboardWidget::showNaming() {
    for (KeyboardKey* key : m_keys)
        key->showMark();
    nameKeys();
}

void KeyboardWidget::nameKeys() {
    const Clef clef = m_clef;
    for (KeyboardKey* key : m_keys)
        key->setAccessibleName(
            QString::fromStdString(keyName(key->index(), static_cast<int>(key->kind()), clef)));
}

// White key p also sounds the sharp-side spelling of the letter below (E-sharp, B-sharp or
// a double sharp) and the flat-side spelling of the letter above (F-flat, C-flat or a double
// flat), and carries its own natural.
void KeyboardWidget::addSpellingsOnWhiteKey(int p) {
    const int below = p - 1;
    const bool sharp = isWhiteKeySharp(below);
    const QRect sharpSide = spellingRect(p, 0);
    addMarker("Shape3", Marker::SharpSide, below, sharpSide);
    nameSign(addKey(sharp ? KeyKind::Sharp : KeyKind::DoubleSharp, below, Look::Spelling, sharpSide),
             sharp ? "imgshrpkeyw" : "imgdblshrpkey", sharp ? orderIn(kWhiteSharps, below) : below);

    const int above = p + 1;
    const bool flat = isWhiteKeyFlat(above);
    const QRect flatSide = spellingRect(p, 1);
    addMarker("Shape4", Marker::FlatSide, above, flatSide);
    nameSign(addKey(flat ? KeyKind::Flat : KeyKind::DoubleFlat, above, Look::Spelling, flatSide),
             flat ? "imgflatkeyw" : "imgdblflatkey", flat ? orderIn(kWhiteFlats, above) : above);

    const QRect natural = spellingRect(p, 2);
    addMarker("Shape11", Marker::NaturalSign, p, natural);
    nameSign(addKey(KeyKind::Natural, p, Look::Spelling, natural), "imgnatkey", p);
}

KeyboardKey* KeyboardWidget::addKey(KeyKind kind, int index, Look look, const QRect& twips) {
    static constexpr std::array<const char*, 6> kNames{"note", "nat", "Sharp", "Flat", "dblShrp", "dblFlat"};
    auto* key = new KeyboardKey(kind, index, look, this);
    nameControl(key, kNames.at(static_cast<std::size_t>(kind)), index);
    connect(key, &QAbstractButton::clicked, this,
            [this, key] { emit keyClicked(key->kind(), key->index()); });
    m_keys.push_back(key);
    m_placed.push_back({key, twips});
    return key;
}

void KeyboardWidget::addMarker(const char* name, Marker kind, int index, const QRect& twips) {
    auto* marker = new KeyMarker(this);
    nameControl(marker, name, index);
    m_markers.push_back({marker, kind});
    m_placed.push_back({marker, twips});
}

void KeyboardWidget::nameSign(KeyboardKey* key, const char* name, int index) {
    nameControl(key->sign(), name, index);
}

void KeyboardWidget::keepOutOfRangeDisabled() {
    findControl<KeyboardKey>(this, "Sharp", 0)->setEnabled(false);
    findControl<KeyboardKey>(this, "Flat", 15)->setEnabled(false);
    findControl<GlyphLabel>(this, "imgshrpkeyw", 0)->setEnabled(false);
    findControl<GlyphLabel>(this, "imgflatkeyw", 3)->setEnabled(false);
}

void KeyboardWidget::setKeysEnabled(bool enabled) {
    for (KeyboardKey* key : m_keys) {
        key->setEnabled(enabled);
        key->sign()->setEnabled(enabled);
    }
    keepOutOfRangeDisabled();
}

void KeyboardWidget::showMarks(const KeyboardMarks& marks) {
    for (KeyboardKey* key : m_keys) {
        const int p = key->index();
        switch (key->kind()) {
        case KeyKind::Note:
            key->setMarked(marks.isMarked(Marker::NoteKey, p));
            break;
        case KeyKind::Natural:
            key->setMarked(marks.isMarked(Marker::NaturalSign, p));
            break;
        case KeyKind::Sharp:
            key->setMarked(marks.isMarked(isWhiteKeySharp(p) ? Marker::SharpSide : Marker::SharpKey, p));
            break;
        case KeyKind::Flat:
            key->setMarked(marks.isMarked(isWhiteKeyFlat(p) ? Marker::FlatSide : Marker::FlatKey, p));
            break;
        case KeyKind::DoubleSharp:
            key->setMarked(marks.isMarked(Marker::SharpSide, p));
            break;
        case KeyKind::DoubleFlat:
            key->setMarked(marks.isMarked(Marker::FlatSide, p));
            break;
        }
    }
    for (const auto& [marker, kind] : m_markers)
        marker->setMarked(marks.isMarked(kind, controlIndex(marker)));
}

void KeyboardWidget::showHeld(const std::vector<int>& semitones) {
    static constexpr std::array<int, 7> kNatural{0, 2, 4, 5, 7, 9, 11};
    const auto semitoneOf = [](int position) {
        return (position - 1) / 7 * 12 + kNatural[static_cast<std::size_t>((position - 1) % 7)];
    };
    for (KeyboardKey* key : m_keys) {
        int semitone = -1;
        // A black key is two halves, its sharp above the white key left of it and its flat
        // below the one right of it; both light.
        if (key->look() == Look::WhiteKey)
            semitone = semitoneOf(key->index());
        else if (key->look() == Look::BlackKey)
            semitone =
                key->kind() == KeyKind::Sharp ? semitoneOf(key->index()) + 1 : semitoneOf(key->index()) - 1;
        key->setHeld(semitone >= 0 &&
                     std::find(semitones.begin(), semitones.end(), semitone) != semitones.end());
    }
}

void KeyboardWidget::placeChildren() {
    const TwipScale scale = TwipScale::of(*this);
    for (const Placed& placed : m_placed)
        placed.widget->setGeometry(scale.toPixels(placed.twips));
    const qreal space = staffgeometry::kLineSpacing * scale.y;
    for (KeyboardKey* key : m_keys)
        key->setStaffSpace(space * 0.75);
}

QSize KeyboardWidget::sizeHint() const {
    return TwipScale::of(*this).toPixels(QSize(kWhiteKeys * kWhiteWidth + 1, kWhiteHeight + 1));
}

QSize KeyboardWidget::minimumSizeHint() const {
    return sizeHint();
}

void KeyboardWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
}

bool KeyboardWidget::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        updateGeometry();
        placeChildren();
    }
    return QWidget::event(event);
}

} // namespace tonalyst
