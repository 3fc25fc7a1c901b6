#pragma once

#include <QPointF>
#include <QVariant>
#include <QWidget>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace tonalyst {

// Pixels per twip (1/1440 inch) on a widget, from its logical resolution, so that the
// staff keeps its proportions on every screen. The layout was drawn for the small screens
// of its day, so it is shown magnified: kZoom at the window's smallest, more as the
// window grows. The zoom is set on the staff panel and holds for everything inside it.
struct TwipScale {
    static constexpr qreal kZoom = 1.5;
    static constexpr const char* kZoomProperty = "tonalystStaffZoom";

    qreal x = 96.0 / 1440.0;
    qreal y = 96.0 / 1440.0;

    static qreal zoomOf(const QWidget& widget) {
        for (const QWidget* w = &widget; w != nullptr; w = w->parentWidget()) {
            const QVariant zoom = w->property(kZoomProperty);
            if (zoom.isValid())
                return zoom.toReal();
        }
        return kZoom;
    }
    static TwipScale of(const QWidget& widget) {
        const qreal zoom = zoomOf(widget);
        return {zoom * widget.logicalDpiX() / 1440.0, zoom * widget.logicalDpiY() / 1440.0};
    }
    QPointF toPixels(QPointF twips) const { return {twips.x() * x, twips.y() * y}; }
    // Each edge rounded on its own, so that boxes sharing an edge in twips share it in
    // pixels too, with no seam between them at any zoom.
    QRect toPixels(const QRect& twips) const {
        const QPoint topLeft(qRound(twips.x() * x), qRound(twips.y() * y));
        const QPoint end(qRound((twips.x() + twips.width()) * x), qRound((twips.y() + twips.height()) * y));
        return {topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y())};
    }
    QSize toPixels(QSize twips) const { return {qRound(twips.width() * x), qRound(twips.height() * y)}; }
    QPoint toTwips(QPointF pixels) const { return {qRound(pixels.x() / x), qRound(pixels.y() / y)}; }
    bool operator==(const TwipScale&) const = default;
};

} // namespace tonalyst
