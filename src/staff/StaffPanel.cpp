#include "staff/StaffPanel.h"

#include "platform/Beeper.h"
#include "staff/KeyboardWidget.h"
#include "staff/NoteLayout.h"
#include "staff/NotePalette.h"
#include "staff/NoteText.h"
#include "staff/NotesField.h"
#include "staff/StaffGeometry.h"
#include "staff/StaffWidget.h"
#include "theory/NoteNames.h"

#include <QEvent>
#include <QLineEdit>
#include <QStringList>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace tonalyst {

namespace sg = staffgeometry;

namespace {
constexpr int kKeyboardGap = 120; // twips between the staff and the keyboard
} // namespace

StaffPanel::StaffPanel(Beeper& beeper, QWidget* parent)
    : QWidget(parent), m_beeper(beeper), m_staff(new StaffWidget(this)), m_palette(new NotePalette(this)),
      m_keyboard(new KeyboardWidget(this)), m_notes(new NotesField(this)) {
    // As wide as it is given; as high as that width needs.
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    // Tab goes from the staff to the Notes field, then to the keyboard, and on.
    setTabOrder(m_staff, m_notes->edit());
    m_keyboard->chainAfter(m_notes->edit());

    connect(m_keyboard, &KeyboardWidget::keyClicked, this, &StaffPanel::onKeyClicked);
    connect(m_staff, &StaffWidget::dragMoved, this, &StaffPanel::onDragMoved);
    connect(m_staff, &StaffWidget::dragLeft, this, [this] { m_staff->setPreview(std::nullopt); });
    connect(m_staff, &StaffWidget::dropped, this, &StaffPanel::onDropped);
    connect(m_notes, &NotesField::notesTyped, this, &StaffPanel::enterTypedNotes);
    connect(m_notes, &NotesField::submitRequested, this, &StaffPanel::submitRequested);
    setEntryEnabled(false);
    refresh();
}

Clef StaffPanel::changeClef(ClefChoice choice, RandomSource& random, int questionNumber) {
    const Clef clef = m_clefHistory.choose(choice, random, questionNumber);
    setClef(clef);
    return clef;
}

void StaffPanel::showReviewClef(int questionNumber) {
    if (const auto clef = m_clefHistory.recorded(questionNumber))
        setClef(*clef);
}

void StaffPanel::setClef(Clef clef) {
    m_staff->setClef(clef);
    m_keyboard->setClef(clef);
    refresh();
}

void StaffPanel::showNaming() {
    m_keyboard->showNaming();
    m_notes->showNaming();
    refresh();
}

Clef StaffPanel::clef() const {
    return m_staff->clef();
}

void StaffPanel::setKeySignature(SignatureKind kind, int count) {
    m_staff->setSignature(kind, count);
    updateStaffText();
}

void StaffPanel::showKeySignature(bool show) {
    m_staff->setSignatureVisible(show);
    updateStaffText();
}

bool StaffPanel::isKeySignatureShown() const {
    return m_staff->isSignatureVisible();
}

void StaffPanel::setKeyAccidentals(std::optional<std::array<int, 7>> perLetter) {
    m_entry.setKeyAccidentals(perLetter);
    refresh();
}

void StaffPanel::setEntryRules(EntryRules rules) {
    m_entry.setRules(rules);
    updateNotesEnabled();
}

void StaffPanel::setNoteLimit(int notes) {
    m_entry.setNoteLimit(notes);
}

bool StaffPanel::enterNote(int position, int code) {
    if (!m_entry.add(position, code)) {
        m_beeper.beep();
        return false;
    }
    m_staff->setHint(QString());
    refresh();
    const auto& entered = m_entry.enteredNotes();
    const auto added = std::find_if(entered.begin(), entered.end(),
                                    [position](const StaffNote& note) { return note.position == position; });
    emit noteSounded(added->code, position);
    return true;
}

bool StaffPanel::accepts(int position, int code) const {
    return m_entry.rules().takesNotes && !m_entry.refusal(position, code);
}

bool StaffPanel::removeNote(int position) {
    if (!m_entry.remove(position)) {
        m_beeper.beep();
        return false;
    }
    refresh();
    return true;
}

void StaffPanel::clearStaff() {
    m_entry.clear();
    refresh();
}

void StaffPanel::clearQuestion() {
    clearStaff();
    showKeySignature(false);
    setKeyAccidentals(std::nullopt);
}

void StaffPanel::enterTypedNotes(const QString& text) {
    QStringList unentered;
    QStringList reasons;
    const auto refuse = [&](const std::string& typed, const std::string& why) {
        m_beeper.beep();
        unentered << QString::fromStdString(typed);
        reasons << QString::fromStdString(typed + " " + why);
    };
    for (const TypedNote& typed : readNoteText(text.toStdString(), clef())) {
        if (!typed.note) {
            refuse(typed.text, typed.problem);
            continue;
        }
        const StaffNote note = *typed.note;
        if (const auto refusal = m_entry.refusal(note.position, note.code)) {
            refuse(typed.text, refusalReason(*refusal, note, m_entry.noteLimit()));
            continue;
        }
        enterNote(note.position, note.code);
    }
    const QString message =
        reasons.isEmpty() ? QString() : tr("Not entered: %1.").arg(reasons.join(QStringLiteral("; ")));
    m_notes->showOutcome(unentered.join(QLatin1Char(' ')), message);
}

const std::vector<StaffNote>& StaffPanel::enteredNotes() const {
    return m_entry.enteredNotes();
}

int StaffPanel::noteCount() const {
    return m_entry.noteCount();
}

std::vector<StaffNote> StaffPanel::drawnNotes() const {
    return m_entry.drawnNotes();
}

const KeyboardMarks& StaffPanel::keyboardMarks() const {
    return m_entry.marks();
}

void StaffPanel::setEntryEnabled(bool enabled) {
    m_entryEnabled = enabled;
    m_palette->setEnabled(enabled);
    m_keyboard->setKeysEnabled(enabled);
    m_staff->setEnabled(enabled);
    updateNotesEnabled();
}

// The keyboard beeps at clicks while the question asks for names; the field, which would
// only beep at every name, is closed instead.
void StaffPanel::updateNotesEnabled() {
    m_notes->setEnabled(m_entryEnabled && m_entry.rules().takesNotes);
    if (!m_notes->isEnabled())
        m_notes->showOutcome(QString(), QString());
}

void StaffPanel::setPaletteVisible(bool visible) {
    m_palette->setVisible(visible);
}

qreal StaffPanel::zoom() const {
    return TwipScale::zoomOf(*this);
}

// The staff with the palette under it, and the keyboard beside them, at the present zoom.
QSize StaffPanel::contentSize() const {
    const QSize staff = m_staff->sizeHint();
    const QSize palette = m_palette->sizeHint();
    const QSize keyboard = m_keyboard->sizeHint();
    const int gap = qRound(kKeyboardGap * TwipScale::of(*this).x);
    return {staff.width() + gap + keyboard.width(), std::max(staff.height() + palette.height(), keyboard.height())};
}

QSize StaffPanel::sizeAtZoom(qreal zoom) const {
    const QSizeF content = QSizeF(contentSize()) * (zoom / this->zoom());
    const QSize notes = m_notes->sizeHint();
    return {std::max(qCeil(content.width()), notes.width()), qCeil(content.height()) + notes.height()};
}

// The panel's size at the window's smallest on a screen with room for it: the zoom the
// layout was drawn for.
QSize StaffPanel::sizeHint() const {
    return sizeAtZoom(TwipScale::kZoom);
}

QSize StaffPanel::minimumSizeHint() const {
    return sizeAtZoom(m_smallestZoom);
}

void StaffPanel::setSmallestZoom(qreal zoom) {
    zoom = std::clamp(zoom, kLegibleZoom, TwipScale::kZoom);
    if (std::abs(zoom - m_smallestZoom) < 1e-3)
        return;
    m_smallestZoom = zoom;
    updateGeometry();
}

qreal StaffPanel::smallestZoom() const {
    return m_smallestZoom;
}

bool StaffPanel::hasHeightForWidth() const {
    return true;
}

// The drawn content grows with the width; the Notes row under it keeps its height.
int StaffPanel::heightForWidth(int width) const {
    const QSize natural = sizeHint();
    const int notes = m_notes->sizeHint().height();
    const int drawn = natural.height() - notes;
    return std::max(minimumSizeHint().height(), qCeil(drawn * qreal(width) / natural.width()) + notes);
}

void StaffPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

bool StaffPanel::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal)
        arrange();
    // A longer message beside the Notes field may need another line.
    if (event->type() == QEvent::LayoutRequest) {
        updateGeometry();
        arrange();
    }
    return QWidget::event(event);
}

// Everything grows and shrinks together, keeping its proportions, as large as the panel
// allows, from the panel's top left, where the prompts and buttons line up with it.
void StaffPanel::arrange() {
    const QSize natural = sizeHint();
    const int notes = m_notes->sizeHint().height();
    const qreal fit = std::min(qreal(width()) / natural.width(),
                               qreal(height() - notes) / std::max(1, natural.height() - notes));
    const qreal zoom = std::max(m_smallestZoom, TwipScale::kZoom * fit);
    if (std::abs(zoom - this->zoom()) > 1e-3) {
        setProperty(TwipScale::kZoomProperty, zoom);
        m_palette->applyScale();
    }
    const QSize content = contentSize();
    const int left = 0;
    const QSize staff = m_staff->sizeHint();
    const QSize palette = m_palette->sizeHint();
    m_staff->setGeometry(left, 0, staff.width(), staff.height());
    m_palette->setGeometry(left + (staff.width() - palette.width()) / 2, staff.height(), palette.width(),
                           palette.height());
    m_keyboard->setGeometry(left + content.width() - m_keyboard->sizeHint().width(), 0,
                            m_keyboard->sizeHint().width(), m_keyboard->sizeHint().height());
    m_notes->setGeometry(left, content.height(), std::max(content.width(), m_notes->sizeHint().width()), notes);
}

void StaffPanel::refresh() {
    m_staff->setNotes(layoutNotes(m_entry.drawnNotes(), m_staff->clef()));
    m_staff->setNames(m_entry.enteredNotes());
    m_keyboard->showMarks(m_entry.marks());
    updateStaffText();
}

void StaffPanel::updateStaffText() {
    StaffContent content;
    content.clef = m_staff->clef();
    if (m_staff->isSignatureVisible()) {
        content.signatureKind = m_staff->signatureKind();
        content.signatureCount = m_staff->signatureCount();
    }
    content.notes = m_entry.enteredNotes();
    m_staff->setSpokenText(QString::fromStdString(staffText(content)));
}

// The keyboard takes no input while the question asks for names rather than notes.
void StaffPanel::onKeyClicked(KeyKind kind, int index) {
    if (!m_entry.rules().takesNotes) {
        m_beeper.beep();
        return;
    }
    const KeyRequest request = m_entry.marks().requestFor(kind, index);
    if (request.remove)
        removeNote(index);
    else
        enterNote(index, request.code);
}

void StaffPanel::onDragMoved(int code, QPoint twips) {
    if (sg::isBeyondDropLimit(twips.x(), code)) {
        m_staff->setHint(QStringLiteral("<<<"));
        m_staff->setPreview(std::nullopt);
        return;
    }
    const int position = sg::dropPosition(twips.y(), code);
    m_staff->setHint(QString::fromStdString(noteMark(pitchOf({position, code}, clef())).name));
    m_staff->setPreview(StaffNote{position, code});
}

void StaffPanel::onDropped(int code, QPoint twips) {
    m_staff->setPreview(std::nullopt);
    if (sg::isBeyondDropLimit(twips.x(), code)) {
        m_beeper.beep();
        return;
    }
    enterNote(sg::dropPosition(twips.y(), code), code);
}

} // namespace tonalyst
