#pragma once

#include "staff/MusicFont.h"

#include <QColor>
#include <QWidget>

#include <optional>

namespace tonalyst {

// A picture of one music sign, drawn centred in the widget: the accidental pictures of the
// palette, the signs under the staff and on the keyboard's keys. Clicks pass through it.
class GlyphLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool marked READ isMarked WRITE setMarked)

public:
    explicit GlyphLabel(QWidget* parent = nullptr);

    void setGlyph(std::optional<MusicGlyph> glyph);
    std::optional<MusicGlyph> glyph() const { return m_glyph; }
    // Size of the sign: the staff space it is drawn for, in pixels.
    void setStaffSpace(qreal pixels);
    // Unless set, the sign is drawn in the text colour of the widget's palette.
    void setColors(const QColor& normal, const QColor& marked);
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<MusicGlyph> m_glyph;
    qreal m_staffSpace = 8.0;
    std::optional<QColor> m_normalColor;
    QColor m_markedColor = Qt::red;
    bool m_marked = false;
};

} // namespace tonalyst
