#include "worksheet/WorksheetPage.h"

#include "staff/NoteLayout.h"
#include "staff/StaffGeometry.h"
#include "staff/StaffPainter.h"

namespace tonalyst {

namespace sg = staffgeometry;

namespace worksheetpage {

QRectF staffTwips() {
    constexpr int kTop = 330;     // a flat on the top B of the treble staff
    constexpr int kBottom = 1630; // a sharp on the low C of the bass staff
    return QRectF(sg::kStaffLeft, kTop, sg::kStaffRight - sg::kStaffLeft, kBottom - kTop);
}

qreal staffHeight() {
    return staffTwips().height() / sg::kLineSpacing * kStaffSpace;
}

qreal questionHeight(qreal promptHeight, bool answerLine) {
    return promptHeight + kPromptGap + staffHeight() + (answerLine ? kAnswerLineHeight : 0.0) + kQuestionGap;
}

} // namespace worksheetpage

void paintWorksheetStaff(QPainter& painter, QPointF topLeft, qreal pixelsPerPoint, qreal widthPoints,
                         const WorksheetStaff& staff, const WorksheetItem& item) {
    const qreal perTwip = worksheetpage::kStaffSpace * pixelsPerPoint / sg::kLineSpacing;
    const QPointF origin = worksheetpage::staffTwips().topLeft() - topLeft / perTwip;
    StaffPainter staffPainter(painter, TwipScale{perTwip, perTwip}, origin);
    const Clef clef = staff.bassClef ? Clef::Bass : Clef::Treble;
    const QColor ink(Qt::black);
    staffPainter.drawStaffLines(ink, sg::kStaffLeft + qRound(widthPoints * pixelsPerPoint / perTwip));
    staffPainter.drawClef(clef, ink);
    if (staff.signature)
        staffPainter.drawSignature(item.question.sigKind, item.question.sigCount, clef, ink);
    std::vector<StaffNote> notes;
    for (const WrittenNote& note : staff.notes)
        notes.push_back({note.position, note.code});
    for (const PlacedNote& note : layoutNotes(notes, clef))
        staffPainter.drawNote(note, clef, ink);
}

} // namespace tonalyst
