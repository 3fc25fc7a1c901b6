#pragma once

#include "staff/MusicFont.h"
#include "staff/NoteLayout.h"
#include "staff/StaffTypes.h"
#include "staff/TwipScale.h"

#include <QColor>
#include <QPainter>
#include <QPointF>

namespace tonalyst {

// Draws the staff and its symbols with the music font. Takes twips relative to an origin,
// so the same drawing serves the staff widget, the palette's pictures and the drag picture.
class StaffPainter {
public:
    StaffPainter(QPainter& painter, TwipScale scale, QPointF originTwips);

    enum class Edge { Left, Right };

    void drawStaffLines(const QColor& color);
    // Lines running on to a right end of their own, as a printed staff fills its column.
    void drawStaffLines(const QColor& color, int rightTwips);
    void drawClef(Clef clef, const QColor& color);
    void drawSignature(SignatureKind kind, int count, Clef clef, const QColor& color);
    // A note: its ledger lines, its head and its accidental.
    void drawNote(const PlacedNote& note, Clef clef, const QColor& color);
    void drawHead(const PlacedNote& note, Clef clef, const QColor& color);
    void drawAccidental(const PlacedNote& note, Clef clef, const QColor& color);
    // A glyph whose ink starts (Left) or ends (Right) at x and whose reference height, the
    // middle of a head or of a flat's bowl, lies at y.
    void drawGlyph(MusicGlyph glyph, QPointF twips, Edge edge, const QColor& color);

    // Width of a glyph's ink in twips.
    static int glyphWidth(MusicGlyph glyph);

private:
    qreal pixelX(qreal twips) const;
    qreal pixelY(qreal twips) const;
    void drawLedgerLine(int left, int right, int y, const QColor& color);
    void drawHorizontalLine(qreal left, qreal right, qreal y, qreal thicknessSpaces, const QColor& color);

    QPainter& m_painter;
    TwipScale m_scale;
    QPointF m_origin;
};

} // namespace tonalyst
