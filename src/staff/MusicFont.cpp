#include "staff/MusicFont.h"

#include "staff/StaffGeometry.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QRawFont>

#include <array>
#include <cmath>

void initStaffResources() {
    Q_INIT_RESOURCE(fonts);
}

namespace tonalyst {

namespace {

// Noto Music draws a staff space as 244 of its 1000 units per em.
constexpr qreal kEmPerStaffSpace = 1000.0 / 244.0;
constexpr int kReferencePixels = 1000;

char32_t codePoint(MusicGlyph glyph) {
    switch (glyph) {
    case MusicGlyph::TrebleClef:
        return U'\U0001D11E';
    case MusicGlyph::BassClef:
        return U'\U0001D122';
    case MusicGlyph::NoteHead:
        return U'\U0001D15D';
    case MusicGlyph::Natural:
        return U'\u266E';
    case MusicGlyph::Sharp:
        return U'\u266F';
    case MusicGlyph::Flat:
        return U'\u266D';
    case MusicGlyph::DoubleSharp:
        return U'\U0001D12A';
    case MusicGlyph::DoubleFlat:
        return U'\U0001D12B';
    }
    return U' ';
}

constexpr std::array kAllGlyphs{MusicGlyph::TrebleClef,  MusicGlyph::BassClef,  MusicGlyph::NoteHead,
                                MusicGlyph::Natural,     MusicGlyph::Sharp,     MusicGlyph::Flat,
                                MusicGlyph::DoubleSharp, MusicGlyph::DoubleFlat};

struct LoadedFont {
    QString family;
    QRawFont raw;
};

const LoadedFont& loadedFont() {
    static const LoadedFont loaded = [] {
        LoadedFont font;
        const int id =
            QFontDatabase::addApplicationFont(QStringLiteral(":/staff/fonts/NotoMusic-Regular.ttf"));
        if (id < 0)
            return font;
        font.family = QFontDatabase::applicationFontFamilies(id).value(0);
        QFont reference(font.family);
        reference.setPixelSize(kReferencePixels);
        font.raw = QRawFont::fromFont(reference);
        return font;
    }();
    return loaded;
}

} // namespace

MusicGlyph accidentalGlyph(int code) {
    static constexpr std::array kGlyphs{MusicGlyph::Natural, MusicGlyph::Sharp, MusicGlyph::Flat,
                                        MusicGlyph::DoubleSharp, MusicGlyph::DoubleFlat};
    return kGlyphs.at(static_cast<std::size_t>(code - 1));
}

bool MusicFont::isAvailable() {
    const LoadedFont& font = loadedFont();
    if (!font.raw.isValid())
        return false;
    for (MusicGlyph glyph : kAllGlyphs)
        if (!font.raw.supportsCharacter(codePoint(glyph)))
            return false;
    return true;
}

QFont MusicFont::font(qreal staffSpacePixels) {
    QFont font(loadedFont().family);
    font.setPixelSize(qMax(1, qRound(staffSpacePixels * kEmPerStaffSpace)));
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QString MusicFont::text(MusicGlyph glyph) {
    const char32_t point = codePoint(glyph);
    return QString::fromUcs4(&point, 1);
}

namespace {

// The font's own ink box of a glyph, in staff spaces, relative to its origin on the baseline.
QRectF fontInkBox(MusicGlyph glyph) {
    const QRawFont& raw = loadedFont().raw;
    const QList<quint32> indexes = raw.glyphIndexesForString(MusicFont::text(glyph));
    if (indexes.isEmpty())
        return {};
    const QRectF box = raw.boundingRect(indexes.first());
    const qreal unitsPerSpace = kReferencePixels / kEmPerStaffSpace;
    return {box.x() / unitsPerSpace, box.y() / unitsPerSpace, box.width() / unitsPerSpace,
            box.height() / unitsPerSpace};
}

// The font draws its signs for running text, wider than engraved ones; narrowed, they
// stack in key signatures and chords the way printed music has them. The head is brought
// to exactly one staff space high.
QSizeF glyphScale(MusicGlyph glyph) {
    switch (glyph) {
    case MusicGlyph::NoteHead: {
        const qreal scale = staffgeometry::kNoteHeadHeight / fontInkBox(glyph).height();
        return {scale, scale};
    }
    case MusicGlyph::Natural:
        return {0.85, 0.95};
    case MusicGlyph::Flat:
    case MusicGlyph::DoubleFlat:
        return {0.9, 1.0};
    default:
        return {1.0, 1.0};
    }
}

// The engraved sharp, in staff spaces from its left edge and its middle: two upright
// stems, the right one set higher, crossed by two thick beams rising to the right.
constexpr qreal kSharpWidth = 1.0;
constexpr qreal kSharpStemThickness = 0.16;
constexpr qreal kSharpStemInset = 0.18; // from each side to the stem's outer edge
constexpr qreal kSharpLongHalf = 1.45;  // the stems reach this far from the middle on their long side
constexpr qreal kSharpShortHalf = 1.2;
constexpr qreal kSharpBeamThickness = 0.42;
constexpr qreal kSharpBeamDistance = 0.45; // from the middle to each beam's centre line
constexpr qreal kSharpBeamRise = 0.3;      // over the sign's width

// Stems on whole pixels so that they stay as crisp as the flat's at every size.
void drawSharp(QPainter& painter, QPointF origin, qreal space, const QColor& color) {
    const qreal stem = qMax<qreal>(1.0, std::round(kSharpStemThickness * space));
    const qreal leftStem = std::round(origin.x() + kSharpStemInset * space);
    const qreal rightStem = std::round(origin.x() + (kSharpWidth - kSharpStemInset) * space) - stem;
    const qreal middle = origin.y();
    painter.fillRect(QRectF(leftStem, std::round(middle - kSharpShortHalf * space), stem,
                            std::round((kSharpShortHalf + kSharpLongHalf) * space)),
                     color);
    painter.fillRect(QRectF(rightStem, std::round(middle - kSharpLongHalf * space), stem,
                            std::round((kSharpShortHalf + kSharpLongHalf) * space)),
                     color);
    const qreal left = origin.x();
    const qreal right = origin.x() + kSharpWidth * space;
    const qreal rise = kSharpBeamRise * space / 2.0;
    const qreal half = kSharpBeamThickness * space / 2.0;
    QPainterPath beams;
    for (const qreal centre : {middle - kSharpBeamDistance * space, middle + kSharpBeamDistance * space}) {
        QPolygonF beam;
        beam << QPointF(left, centre + rise - half) << QPointF(right, centre - rise - half)
             << QPointF(right, centre - rise + half) << QPointF(left, centre + rise + half);
        beams.addPolygon(beam);
        beams.closeSubpath();
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(beams, color);
    painter.restore();
}

} // namespace

QRectF MusicFont::inkBox(MusicGlyph glyph) {
    if (glyph == MusicGlyph::Sharp)
        return {0.0, -kSharpLongHalf, kSharpWidth, 2 * kSharpLongHalf};
    const QRectF box = fontInkBox(glyph);
    const QSizeF scale = glyphScale(glyph);
    return {box.x() * scale.width(), box.y() * scale.height(), box.width() * scale.width(),
            box.height() * scale.height()};
}

void MusicFont::draw(QPainter& painter, MusicGlyph glyph, QPointF origin, qreal staffSpacePixels,
                     const QColor& color) {
    if (glyph == MusicGlyph::Sharp) {
        drawSharp(painter, origin, staffSpacePixels, color);
        return;
    }
    const QSizeF scale = glyphScale(glyph);
    painter.save();
    painter.translate(origin);
    painter.scale(scale.width(), scale.height());
    painter.setFont(font(staffSpacePixels));
    painter.setPen(color);
    painter.drawText(QPointF(0, 0), text(glyph));
    painter.restore();
}

} // namespace tonalyst
