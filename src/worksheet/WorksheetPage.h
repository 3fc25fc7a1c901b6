#pragma once

#include "theory/Worksheet.h"

#include <QPainter>
#include <QRectF>

namespace tonalyst {

// How a worksheet is laid out on paper, in points (1/72 inch).
namespace worksheetpage {

inline constexpr qreal kMargin = 42.5;       // 15 mm all round
inline constexpr qreal kColumnGap = 24.0;
inline constexpr qreal kStaffSpace = 6.5;    // 2.3 mm, the size of printed school music
inline constexpr qreal kTitleHeight = 40.0;
inline constexpr qreal kFooterHeight = 22.0;
inline constexpr qreal kPromptHeight = 44.0; // up to three lines of the prompt
inline constexpr qreal kQuestionGap = 12.0;
inline constexpr int kColumns = 2;

// The part of the staff's own drawing a printed staff shows, in twips: the five lines
// with room for every note, ledger line and sign above and below them.
QRectF staffTwips();
qreal staffHeight();
qreal questionHeight();

} // namespace worksheetpage

// Draws a question's staff with the window's staff painter, its top left at a point given
// in device pixels, for a device with this many pixels to a point.
void paintWorksheetStaff(QPainter& painter, QPointF topLeft, qreal pixelsPerPoint, const WorksheetStaff& staff,
                         const WorksheetItem& item);

} // namespace tonalyst
