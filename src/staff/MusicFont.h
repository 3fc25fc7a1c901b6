#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Registers the staff's built-in resources (the music font); a static library's resources
// are not registered on their own. Call once after the QApplication exists.
void initStaffResources();

namespace tonalyst {

// The symbols the staff draws: the sharp is drawn as engravers cut it, the others come
// from the bundled Noto Music font.
enum class MusicGlyph { TrebleClef, BassClef, NoteHead, Natural, Sharp, Flat, DoubleSharp, DoubleFlat };

// The glyph of an accidental code above 0.
MusicGlyph accidentalGlyph(int code);

// The bundled music font. It is loaded from the resources on first use, so no installed
// font is needed.
class MusicFont {
public:
    // True when the font loaded and has every glyph the staff draws.
    static bool isAvailable();
    // The font at the size that gives this staff space in pixels.
    static QFont font(qreal staffSpacePixels);
    static QString text(MusicGlyph glyph);
    // The ink box of the glyph as draw() draws it, in staff spaces, relative to its origin.
    static QRectF inkBox(MusicGlyph glyph);
    // Draws the glyph with its origin at a point given in pixels, for this staff space.
    static void draw(QPainter& painter, MusicGlyph glyph, QPointF origin, qreal staffSpacePixels,
                     const QColor& color);
};

} // namespace tonalyst
