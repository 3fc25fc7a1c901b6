#pragma once

#include <QFont>
#include <QRectF>
#include <QSizeF>
#include <QString>

// Registers the staff's built-in resources (the music font); a static library's resources
// are not registered on their own. Call once after the QApplication exists.
void initStaffResources();

namespace tonalyst {

// The symbols the staff draws, all from the bundled Noto Music font.
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
    // The glyph's ink box in staff spaces, relative to its origin on the baseline.
    static QRectF inkBox(MusicGlyph glyph);
    // How a glyph is stretched against the font's own proportions when drawn on a staff.
    static QSizeF glyphScale(MusicGlyph glyph);
};

} // namespace tonalyst
