#include "staff/GlyphLabel.h"

#include <QPainter>

namespace tonalyst {

GlyphLabel::GlyphLabel(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GlyphLabel::setGlyph(std::optional<MusicGlyph> glyph) {
    m_glyph = glyph;
    update();
}

void GlyphLabel::setStaffSpace(qreal pixels) {
    m_staffSpace = pixels;
    update();
}

void GlyphLabel::setColors(const QColor& normal, const QColor& marked) {
    m_normalColor = normal;
    m_markedColor = marked;
    update();
}

void GlyphLabel::setMarked(bool marked) {
    m_marked = marked;
    update();
}

void GlyphLabel::paintEvent(QPaintEvent*) {
    if (!m_glyph)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF ink = MusicFont::inkBox(*m_glyph);
    QColor color = m_marked ? m_markedColor : m_normalColor.value_or(palette().color(QPalette::WindowText));
    if (!isEnabled())
        color.setAlphaF(0.35f);
    MusicFont::draw(painter, *m_glyph, QRectF(rect()).center() - ink.center() * m_staffSpace, m_staffSpace,
                    color);
}

} // namespace tonalyst
