#pragma once

#include "worksheet/Worksheet.h"

#include <QPainter>
#include <QRectF>

namespace tonalyst {

// How a worksheet is laid out on paper, in points (1/72 inch).
namespace worksheetpage {

inline constexpr qreal kMargin = 42.5;       // 15 mm all round
inline constexpr qreal kColumnGap = 24.0;
inline constexpr qreal kStaffSpace = 6.5;    // 2.3 mm, the size of printed school music
inline constexpr qreal kTitleHeight = 40.0;  // the answer key's heading
inline constexpr qreal kHeaderLine = 18.0;   // the name line and the instruction under the heading
inline constexpr qreal kHeaderGap = 6.0;     // between the instruction and the first questions
inline constexpr qreal kFooterHeight = 22.0;
inline constexpr qreal kPromptGap = 2.0; // between a question's prompt and its staff
inline constexpr qreal kAnswerLineHeight = 18.0;
inline constexpr qreal kQuestionGap = 8.0;
inline constexpr int kColumns = 2;

// The part of the staff's own drawing a printed staff shows, in twips: the five lines
// with room for every note, ledger line and sign above and below them.
QRectF staffTwips();
qreal staffHeight();
// A question with prompts of this height, with or without a line to write the answer on
// under the staff.
qreal questionHeight(qreal promptHeight, bool answerLine);

} // namespace worksheetpage

// Draws a question's staff with the window's staff painter, its lines as wide as the
// column, its top left at a point given in device pixels, for a device with this many
// pixels to a point.
void paintWorksheetStaff(QPainter& painter, QPointF topLeft, qreal pixelsPerPoint, qreal widthPoints,
                         const WorksheetStaff& staff, const WorksheetItem& item);

} // namespace tonalyst
