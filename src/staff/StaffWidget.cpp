#include "staff/StaffWidget.h"

#include "platform/ControlNames.h"
#include "staff/GlyphLabel.h"
#include "staff/StaffAccessible.h"
#include "staff/StaffDropZone.h"
#include "staff/StaffGeometry.h"
#include "staff/StaffPainter.h"
#include "theory/NoteNames.h"

#include <QAccessible>
#include <QEvent>
#include <QLabel>
#include <QPainter>

namespace tonalyst {

namespace sg = staffgeometry;

namespace {
const QColor kInk(0x1a, 0x1a, 0x1a);
const QColor kPaper(0xff, 0xff, 0xff);
const QColor kPaperEdge(0xc4, 0xc7, 0xcc);
const QColor kPreviewInk(0x2f, 0x6f, 0xd0, 0x90);
const QPoint kViewOrigin(sg::kViewLeft, sg::kViewTop);
} // namespace

StaffWidget::StaffWidget(QWidget* parent)
    : QWidget(parent), m_dropZone(new StaffDropZone(this)), m_hint(new QLabel(this)) {
    nameControl(this, "staff");
    // Printed music: black ink on light paper, whatever colours the desktop uses, for the
    // hint and the names drawn on it too.
    QPalette paper = palette();
    paper.setColor(QPalette::Window, kPaper);
    paper.setColor(QPalette::WindowText, kInk);
    paper.setColor(QPalette::Text, kInk);
    setPalette(paper);
    nameControl(m_dropZone, "Label10");
    nameControl(m_hint, "Label15");
    m_hint->setAlignment(Qt::AlignCenter);
    QFont hintFont = m_hint->font();
    hintFont.setBold(true);
    m_hint->setFont(hintFont);
    for (int k = 0; k < kMaxNotes; ++k) {
        auto* name = new QLabel(this);
        nameControl(name, "notenames", k);
        name->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        name->setFont(hintFont);
        m_names[static_cast<std::size_t>(k)] = name;
        auto* sign = new GlyphLabel(this);
        nameControl(sign, "imgaccname", k);
        m_nameSigns[static_cast<std::size_t>(k)] = sign;
    }
    m_dropZone->raise();
    connect(m_dropZone, &StaffDropZone::dragMoved, this, &StaffWidget::dragMoved);
    connect(m_dropZone, &StaffDropZone::dragLeft, this, &StaffWidget::dragLeft);
    connect(m_dropZone, &StaffDropZone::dropped, this, &StaffWidget::dropped);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // The staff takes the focus so a screen reader reads it; Tab moves on to the Notes field.
    setFocusPolicy(Qt::StrongFocus);
    StaffAccessible::install();
    setAccessibleName(tr("Staff"));
    placeChildren();
}

void StaffWidget::setSpokenText(const QString& text) {
    if (text == m_spokenText)
        return;
    const QString before = m_spokenText;
    m_spokenText = text;
    QAccessibleTextUpdateEvent textChanged(this, 0, before, text);
    QAccessible::updateAccessibility(&textChanged);
    QAccessibleEvent described(this, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&described);
}

void StaffWidget::setClef(Clef clef) {
    m_clef = clef;
    placeChildren();
    update();
}

void StaffWidget::setSignature(SignatureKind kind, int count) {
    m_signatureKind = kind;
    m_signatureCount = qBound(0, count, 7);
    update();
}

void StaffWidget::setSignatureVisible(bool visible) {
    m_signatureVisible = visible;
    update();
}

void StaffWidget::setNotes(std::vector<PlacedNote> notes) {
    m_notes = std::move(notes);
    update();
}

void StaffWidget::setPreview(std::optional<StaffNote> note) {
    if (note == m_preview)
        return;
    m_preview = note;
    update();
}

void StaffWidget::setHint(const QString& text) {
    m_hint->setText(text);
}

void StaffWidget::setNames(const std::vector<StaffNote>& entered) {
    for (std::size_t k = 0; k < m_names.size(); ++k) {
        const bool filled = k < entered.size();
        const StaffNote note = filled ? entered[k] : StaffNote{};
        const NoteMark mark = filled ? noteMark(pitchOf(note, m_clef)) : NoteMark{};
        m_names[k]->setText(QString::fromStdString(mark.name));
        m_nameSigns[k]->setGlyph(mark.sign != NoSign ? std::optional(accidentalGlyph(mark.sign))
                                                     : std::nullopt);
    }
    // Syllables take wider places than letters.
    placeChildren();
}

QPointF StaffWidget::toPixels(QPointF twips) const {
    return TwipScale::of(*this).toPixels(twips - QPointF(kViewOrigin));
}

QRect StaffWidget::childRect(const QRect& twips) const {
    return TwipScale::of(*this).toPixels(twips.translated(-kViewOrigin));
}

QSize StaffWidget::sizeHint() const {
    return TwipScale::of(*this).toPixels(QSize(sg::kViewWidth, sg::kViewHeight));
}

QSize StaffWidget::minimumSizeHint() const {
    return sizeHint();
}

void StaffWidget::placeChildren() {
    m_dropZone->setGeometry(childRect(
        QRect(sg::kDropZoneLeft, sg::dropZoneTop(m_clef), sg::kDropZoneWidth, sg::kDropZoneHeight)));
    m_hint->setGeometry(childRect(QRect(sg::kHintLeft, sg::kHintTop, sg::kHintWidth, sg::kHintHeight)));
    const qreal space = sg::kLineSpacing * TwipScale::of(*this).y;
    // The row ends where a row of letters ends, and reaches further left for syllables.
    const int nameWidth = noteNaming() == NoteNaming::FixedDo ? sg::kSyllableWidth : sg::kNameWidth;
    const int rowRight = sg::kNameLeft + 2 * sg::kNameWidth * kMaxNotes;
    for (int k = 0; k < kMaxNotes; ++k) {
        const int left = rowRight - (kMaxNotes - k) * (nameWidth + sg::kNameWidth);
        m_names[static_cast<std::size_t>(k)]->setGeometry(
            childRect(QRect(left, sg::kNameTop, nameWidth, sg::kNameHeight)));
        GlyphLabel* sign = m_nameSigns[static_cast<std::size_t>(k)];
        sign->setGeometry(childRect(QRect(left + nameWidth, sg::kNameTop, sg::kNameWidth, sg::kNameHeight)));
        sign->setStaffSpace(space * 0.8);
    }
}

void StaffWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeChildren();
}

// The scale follows the screen's resolution, so a move to another screen lays out again.
bool StaffWidget::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        updateGeometry();
        placeChildren();
        update();
    }
    return QWidget::event(event);
}

void StaffWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 2) : QPen(kPaperEdge));
    painter.setBrush(kPaper);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);

    StaffPainter staff(painter, TwipScale::of(*this), kViewOrigin);
    staff.drawStaffLines(kInk);
    staff.drawClef(m_clef, kInk);
    if (m_signatureVisible)
        staff.drawSignature(m_signatureKind, m_signatureCount, m_clef, kInk);
    for (const PlacedNote& note : m_notes)
        staff.drawNote(note, m_clef, kInk);
    if (m_preview)
        staff.drawNote(PlacedNote{*m_preview, sg::Slot::A, sg::accidentalRight(sg::headLeft(sg::Slot::A))},
                       m_clef, kPreviewInk);
}

} // namespace tonalyst
