#include "staff/StaffPainter.h"

#include "staff/LedgerLines.h"
#include "staff/StaffGeometry.h"

#include <cmath>

namespace tonalyst {

namespace sg = staffgeometry;

namespace {

constexpr int kClefInset = 100; // twips from the staff's left end

// The font's treble clef curls round the G line when its baseline lies on the bottom
// line. Its F clef sits lower than engravers set it: the dots' middle is 2.635 spaces
// above the baseline, where the F line is 3 spaces above the bottom line.
constexpr qreal kBassClefLift = 3.0 - 2.635; // in staff spaces

// Which part of a glyph's ink sits on its staff position, from the top of the ink: the
// middle for heads and symmetric signs, the bowl for flats.
qreal verticalAnchor(MusicGlyph glyph) {
    return glyph == MusicGlyph::Flat || glyph == MusicGlyph::DoubleFlat ? 0.72 : 0.5;
}

} // namespace

StaffPainter::StaffPainter(QPainter& painter, TwipScale scale, QPointF originTwips)
    : m_painter(painter), m_scale(scale), m_origin(originTwips) {
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::TextAntialiasing);
}

qreal StaffPainter::pixelX(qreal twips) const {
    return (twips - m_origin.x()) * m_scale.x;
}
qreal StaffPainter::pixelY(qreal twips) const {
    return (twips - m_origin.y()) * m_scale.y;
}

int StaffPainter::glyphWidth(MusicGlyph glyph) {
    return qRound(MusicFont::inkBox(glyph).width() * sg::kLineSpacing);
}

// Lines are snapped to whole pixels so that they stay sharp at any resolution.
void StaffPainter::drawHorizontalLine(qreal left, qreal right, qreal y, qreal thicknessSpaces,
                                      const QColor& color) {
    const qreal thickness = qMax<qreal>(1.0, std::round(thicknessSpaces * sg::kLineSpacing * m_scale.y));
    const qreal top = std::round(pixelY(y) - thickness / 2.0);
    m_painter.fillRect(QRectF(std::round(pixelX(left)), top,
                              std::round(pixelX(right)) - std::round(pixelX(left)), thickness),
                       color);
}

void StaffPainter::drawStaffLines(const QColor& color) {
    drawStaffLines(color, sg::kStaffRight);
}

void StaffPainter::drawStaffLines(const QColor& color, int rightTwips) {
    for (int y : sg::kLineY)
        drawHorizontalLine(sg::kStaffLeft, rightTwips, y, sg::kStaffLineThickness, color);
}

void StaffPainter::drawLedgerLine(int left, int right, int y, const QColor& color) {
    drawHorizontalLine(left, right, y, sg::kLedgerLineThickness, color);
}

void StaffPainter::drawClef(Clef clef, const QColor& color) {
    const qreal space = sg::kLineSpacing * m_scale.y;
    const MusicGlyph glyph = clef == Clef::Treble ? MusicGlyph::TrebleClef : MusicGlyph::BassClef;
    const QRectF ink = MusicFont::inkBox(glyph);
    const qreal lift = clef == Clef::Bass ? kBassClefLift * sg::kLineSpacing : 0.0;
    MusicFont::draw(m_painter, glyph,
                    QPointF(pixelX(sg::kStaffLeft + kClefInset) - ink.left() * space,
                            pixelY(sg::kLineY[4] - lift)),
                    space, color);
}

void StaffPainter::drawSignature(SignatureKind kind, int count, Clef clef, const QColor& color) {
    const MusicGlyph glyph = kind == SignatureKind::Flat ? MusicGlyph::Flat : MusicGlyph::Sharp;
    for (int k = 0; k < qBound(0, count, 7); ++k) {
        const int position = sg::signatureGlyphPosition(kind, k);
        drawGlyph(glyph, QPointF(sg::signatureGlyphLeft(kind, k), sg::positionY(position, clef)), Edge::Left,
                  color);
    }
}

void StaffPainter::drawNote(const PlacedNote& note, Clef clef, const QColor& color) {
    const int left = sg::headLeft(note.slot);
    const int extension = sg::spaces(sg::kLedgerLineExtension);
    for (int line : ledgerLines(clef, note.note.position))
        drawLedgerLine(left - extension, left + sg::kHeadWidth + extension, sg::positionY(line, clef), color);
    drawHead(note, clef, color);
    drawAccidental(note, clef, color);
}

void StaffPainter::drawHead(const PlacedNote& note, Clef clef, const QColor& color) {
    drawGlyph(MusicGlyph::NoteHead, QPointF(sg::headLeft(note.slot), sg::positionY(note.note.position, clef)),
              Edge::Left, color);
}

void StaffPainter::drawAccidental(const PlacedNote& note, Clef clef, const QColor& color) {
    if (note.note.code > NoSign && note.note.code < kAccidentalCodes)
        drawGlyph(accidentalGlyph(note.note.code),
                  QPointF(note.accidentalRight, sg::positionY(note.note.position, clef)), Edge::Right, color);
}

void StaffPainter::drawGlyph(MusicGlyph glyph, QPointF twips, Edge edge, const QColor& color) {
    const qreal space = sg::kLineSpacing * m_scale.y;
    const QRectF ink = MusicFont::inkBox(glyph);
    const qreal inkX = edge == Edge::Left ? ink.left() : ink.right();
    const qreal anchorY = ink.top() + ink.height() * verticalAnchor(glyph);
    MusicFont::draw(m_painter, glyph,
                    QPointF(pixelX(twips.x()) - inkX * space, pixelY(twips.y()) - anchorY * space), space,
                    color);
}

} // namespace tonalyst
