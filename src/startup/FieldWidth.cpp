#include "startup/FieldWidth.h"

#include <QFontMetricsF>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QtMath>

namespace tonalyst {

int fieldWidthFor(const QLineEdit* field, const QString& text) {
    QStyleOptionFrame frame;
    frame.initFrom(field);
    frame.lineWidth =
        field->hasFrame() ? field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, field) : 0;
    const QMargins margins = field->textMargins();
    // Measured as the field lays the text out, to the fraction of a pixel.
    const int textWidth = qCeil(QFontMetricsF(field->font()).horizontalAdvance(text));
    // Qt keeps two pixels free at either end of the text.
    const QSize content(textWidth + 4 + margins.left() + margins.right(), field->fontMetrics().height());
    return field->style()->sizeFromContents(QStyle::CT_LineEdit, &frame, content, field).width();
}

} // namespace tonalyst
