#include "staff/MusicFont.h"

#include <QFontDatabase>
#include <QRawFont>

#include <array>

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
        return U'\U0001D158';
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

QRectF MusicFont::inkBox(MusicGlyph glyph) {
    const QRawFont& raw = loadedFont().raw;
    const QList<quint32> indexes = raw.glyphIndexesForString(text(glyph));
    if (indexes.isEmpty())
        return {};
    const QRectF box = raw.boundingRect(indexes.first());
    const qreal unitsPerSpace = kReferencePixels / kEmPerStaffSpace;
    return {box.x() / unitsPerSpace, box.y() / unitsPerSpace, box.width() / unitsPerSpace,
            box.height() / unitsPerSpace};
}

// The font draws its signs for running text, wider than engraved ones; narrowed, they
// stack in key signatures and chords the way printed music has them.
QSizeF MusicFont::glyphScale(MusicGlyph glyph) {
    switch (glyph) {
    case MusicGlyph::Sharp:
        return {0.5, 0.84};
    case MusicGlyph::Natural:
        return {0.85, 0.95};
    case MusicGlyph::Flat:
    case MusicGlyph::DoubleFlat:
        return {0.9, 1.0};
    default:
        return {1.0, 1.0};
    }
}

} // namespace tonalyst
