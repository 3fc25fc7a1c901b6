#include "staff/KeyMarker.h"

#include "staff/KeyColors.h"

#include <QPainter>

namespace tonalyst {

KeyMarker::KeyMarker(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void KeyMarker::setMarked(bool marked) {
    if (marked == m_marked)
        return;
    m_marked = marked;
    update();
}

QColor KeyMarker::color() const {
    return m_marked ? keycolors::kMarked : keycolors::kWhite;
}

void KeyMarker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(keycolors::kEdge);
    painter.setBrush(color());
    const qreal radius = height() / 3.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
}

} // namespace tonalyst
