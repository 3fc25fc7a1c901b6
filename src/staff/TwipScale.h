#pragma once

#include <QPaintDevice>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QSize>

namespace tonalyst {

// Pixels per twip (1/1440 inch) on a paint device, from its logical resolution, so that
// the staff keeps its proportions on every screen. The layout was drawn for the small
// screens of its day; today's windows are far larger, so it is shown magnified.
struct TwipScale {
    static constexpr qreal kZoom = 1.5;

    qreal x = 96.0 / 1440.0;
    qreal y = 96.0 / 1440.0;

    static TwipScale of(const QPaintDevice& device) {
        return {kZoom * device.logicalDpiX() / 1440.0, kZoom * device.logicalDpiY() / 1440.0};
    }
    QPointF toPixels(QPointF twips) const { return {twips.x() * x, twips.y() * y}; }
    QRect toPixels(const QRect& twips) const {
        return QRectF(twips.x() * x, twips.y() * y, twips.width() * x, twips.height() * y).toAlignedRect();
    }
    QSize toPixels(QSize twips) const { return {qRound(twips.width() * x), qRound(twips.height() * y)}; }
    QPoint toTwips(QPointF pixels) const { return {qRound(pixels.x() / x), qRound(pixels.y() / y)}; }
    bool operator==(const TwipScale&) const = default;
};

} // namespace tonalyst
