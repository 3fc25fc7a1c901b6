#include "staff/KeyboardKey.h"

#include "staff/GlyphLabel.h"
#include "staff/KeyColors.h"
#include "staff/StaffTypes.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace tonalyst {

namespace {
// Pixels: below this a letter on a key is no longer read at a glance.
constexpr int kSmallestLetter = 7;

std::optional<MusicGlyph> signOf(AccidentalCode code) {
    if (code == NoSign)
        return std::nullopt;
    return accidentalGlyph(code);
}
} // namespace

KeyboardKey::KeyboardKey(KeyKind kind, int index, Look look, QWidget* parent)
    : QAbstractButton(parent), m_kind(kind), m_index(index), m_look(look), m_sign(new GlyphLabel(this)) {
    showMark();
    if (look == Look::BlackKey)
        m_sign->setColors(keycolors::kWhite, keycolors::kWhite);
    else
        m_sign->setColors(keycolors::kText, keycolors::kWhite);
    setCursor(Qt::PointingHandCursor);
}

void KeyboardKey::showMark() {
    // A key's kind is its accidental code; the octave does not change the name.
    m_mark = noteMark(pitchOf({m_index, static_cast<int>(m_kind)}, Clef::Treble));
    m_sign->setGlyph(signOf(m_mark.sign));
    placeSign();
    update();
}

void KeyboardKey::setMarked(bool marked) {
    if (marked == m_marked)
        return;
    m_marked = marked;
    m_sign->setMarked(marked);
    update();
}

void KeyboardKey::setHeld(bool held) {
    if (held == m_held)
        return;
    m_held = held;
    update();
}

QColor KeyboardKey::backgroundColor() const {
    switch (m_look) {
    case Look::WhiteKey:
        return m_marked ? keycolors::kMarked : m_held ? keycolors::kHeld : keycolors::kWhite;
    case Look::BlackKey:
        return m_marked ? keycolors::kMarked : m_held ? keycolors::kHeld : keycolors::kBlack;
    case Look::Spelling:
        break;
    }
    return Qt::transparent;
}

void KeyboardKey::setStaffSpace(qreal pixels) {
    m_staffSpace = pixels;
    placeSign();
}

// Spelling keys show name and sign side by side, black keys one above the other, and a
// white key its name at the bottom. A syllable takes more of a spelling key than a letter.
QRect KeyboardKey::letterRect() const {
    switch (m_look) {
    case Look::WhiteKey:
        return QRect(0, height() * 7 / 8, width(), height() / 8);
    case Look::BlackKey:
        return QRect(0, 0, width(), height() * 2 / 5);
    case Look::Spelling:
        break;
    }
    return QRect(0, 0, m_mark.name.size() > 1 ? width() * 5 / 8 : width() / 2, height());
}

// Beside a syllable the sign has less room than beside a letter, and is drawn as much smaller.
void KeyboardKey::placeSign() {
    if (m_look == Look::BlackKey) {
        m_sign->setGeometry(0, height() * 2 / 5, width(), height() * 3 / 5);
        m_sign->setStaffSpace(m_staffSpace);
        return;
    }
    const int room = width() - letterRect().right();
    m_sign->setGeometry(letterRect().right(), 0, room, height());
    const int letterRoom = width() - width() / 2 + 1;
    m_sign->setStaffSpace(m_staffSpace * std::min(1.0, qreal(room) / std::max(1, letterRoom)));
}

void KeyboardKey::resizeEvent(QResizeEvent* event) {
    QAbstractButton::resizeEvent(event);
    placeSign();
}

void KeyboardKey::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor background = backgroundColor();
    if (m_look == Look::WhiteKey) {
        painter.setPen(keycolors::kEdge);
        painter.setBrush(background);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, -4, -0.5, -0.5), 3, 3);
    } else if (m_look == Look::BlackKey) {
        painter.fillRect(rect(), background);
    }
    // Marked and held at once: the red key framed in blue.
    if (m_held && m_marked && m_look != Look::Spelling) {
        painter.setPen(QPen(keycolors::kHeld, 4));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
    QColor text = keycolors::kText;
    if (m_look == Look::BlackKey || (m_held && m_look == Look::WhiteKey) ||
        (m_marked && m_look == Look::Spelling))
        text = keycolors::kWhite;
    if (!isEnabled())
        text.setAlphaF(0.35f);
    const QString name = QString::fromStdString(m_mark.name);
    QFont font = painter.font();
    const int size = qMax(kSmallestLetter, qMin(letterRect().height() * 2 / 3, width() * 3 / 5));
    font.setPixelSize(size);
    font.setBold(m_look == Look::WhiteKey);
    // A syllable is narrowed to its room rather than clipped, down to a legible size.
    const int room = letterRect().width() - 1;
    if (const int advance = QFontMetrics(font).horizontalAdvance(name); advance > room)
        font.setPixelSize(qMax(kSmallestLetter, size * room / advance));
    painter.setFont(font);
    painter.setPen(text);
    const Qt::Alignment align =
        m_look == Look::Spelling ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter;
    painter.drawText(letterRect(), align, name);
    if (hasFocus()) {
        // The highlight colour with a line of the key's own contrast inside it, so that
        // the frame shows on a black key, a white key and a red one alike.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.drawRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
        const bool dark = m_look == Look::BlackKey || m_marked;
        painter.setPen(QPen(dark ? keycolors::kWhite : keycolors::kText, 1, Qt::DashLine));
        painter.drawRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5));
    }
}

} // namespace tonalyst
