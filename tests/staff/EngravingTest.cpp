// The staff's notation checked from its pixels: every chord the drills can ask, in both
// clefs, drawn one glyph at a time so that touching glyphs show.
#include "staff/LedgerLines.h"
#include "staff/MusicFont.h"
#include "staff/NoteLayout.h"
#include "staff/StaffGeometry.h"
#include "staff/StaffPainter.h"
#include "support/ChordSweep.h"
#include "support/NamedActivity.h"
#include "theory/AnswerPreparation.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <vector>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

namespace sg = staffgeometry;

// The staff at the window's size: 12 pixels to a staff space.
const TwipScale kScale{0.1, 0.1};
const QPointF kOrigin(sg::kViewLeft, sg::kViewTop);
constexpr int kInked = 128; // coverage from which a pixel counts as ink
// Chords and their signs stand right of here; the scan for ink starts here.
constexpr int kNotesLeft = 5400;

QImage blankStaff() {
    QImage image(TwipScale(kScale).toPixels(QSize(sg::kViewWidth, sg::kViewHeight)), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// The inked pixels of one glyph, as indexes into the picture.
struct Ink {
    std::vector<int> pixels;
    int left = 1 << 20;
    int right = -1;
};

template <typename Draw> Ink inkOf(QImage& image, Draw draw, int fromTwips = sg::kViewLeft) {
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        StaffPainter staff(painter, kScale, kOrigin);
        draw(staff);
    }
    Ink ink;
    const int from = qRound((fromTwips - kOrigin.x()) * kScale.x);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = from; x < image.width(); ++x)
            if (qAlpha(row[x]) >= kInked) {
                ink.pixels.push_back(y * image.width() + x);
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
            }
    }
    return ink;
}

bool touches(const Ink& a, const Ink& b) {
    if (a.right < b.left || b.right < a.left)
        return false;
    std::vector<int> both;
    std::set_intersection(a.pixels.begin(), a.pixels.end(), b.pixels.begin(), b.pixels.end(),
                          std::back_inserter(both));
    return !both.empty();
}

bool inkedAt(const QImage& image, QPointF twips) {
    const QPoint at = kScale.toPixels(twips - kOrigin).toPoint();
    return qAlpha(image.pixel(at)) >= kInked;
}

std::string describe(const std::vector<StaffNote>& chord, Clef clef) {
    std::string text = clef == Clef::Treble ? "treble:" : "bass:";
    for (const StaffNote& note : chord)
        text += " " + std::to_string(note.position) + "/" + std::to_string(note.code);
    return text;
}

// Every distinct chord as the staff shows it in chord spelling: positions and signs.
std::vector<std::vector<StaffNote>> everyChordOnTheStaff() {
    std::set<std::vector<std::pair<int, int>>> chords;
    const auto activity = test::activityNamed("chord-spell").settledState();
    test::sweepChordQuestions(activity, [&](const Question& q, const CurrentKey& key) {
        const PreparedAnswer prepared = prepareanswer(q, key, activity);
        std::vector<std::pair<int, int>> chord;
        for (std::size_t i = 0; i < prepared.notes.size(); ++i)
            chord.push_back({prepared.notes[i].step + 1, prepared.notes[i].code()});
        chords.insert(chord);
    });
    std::vector<std::vector<StaffNote>> staffChords;
    for (const auto& chord : chords) {
        staffChords.emplace_back();
        for (const auto& [position, code] : chord)
            staffChords.back().push_back({position, code});
    }
    return staffChords;
}

class Engraving : public ::testing::Test {
protected:
    static void SetUpTestSuite() { initStaffResources(); }
};

// Each head and sign drawn once wherever it stands; chords share most of them.
class GlyphInks {
public:
    const Ink& head(const PlacedNote& note, Clef clef) {
        return find({0, note.note.position, static_cast<int>(note.slot), 0, static_cast<int>(clef)},
                    [&](StaffPainter& s) { s.drawHead(note, clef, Qt::black); });
    }
    const Ink& sign(const PlacedNote& note, Clef clef) {
        return find({1, note.note.position, note.accidentalRight, note.note.code, static_cast<int>(clef)},
                    [&](StaffPainter& s) { s.drawAccidental(note, clef, Qt::black); });
    }
    QImage& image() { return m_image; }

private:
    template <typename Draw> const Ink& find(const std::array<int, 5>& key, Draw draw) {
        auto found = m_inks.find(key);
        if (found == m_inks.end())
            found = m_inks.emplace(key, inkOf(m_image, draw, kNotesLeft)).first;
        return found->second;
    }
    QImage m_image = blankStaff();
    std::map<std::array<int, 5>, Ink> m_inks;
};

TEST_F(Engraving, EveryChordHasHollowHeadsAndItsSignsLeftOfItNoneTouching) {
    const std::vector<std::vector<StaffNote>> chords = everyChordOnTheStaff();
    ASSERT_GT(chords.size(), 500u);
    GlyphInks inks;
    int failures = 0;
    for (const std::vector<StaffNote>& chord : chords) {
        for (Clef clef : {Clef::Treble, Clef::Bass}) {
            const std::vector<PlacedNote> placed = layoutNotes(chord, clef);
            std::vector<const Ink*> glyphs;
            int chordLeft = inks.image().width();
            for (const PlacedNote& note : placed) {
                const Ink& head = inks.head(note, clef);
                chordLeft = std::min(chordLeft, head.left);
                glyphs.push_back(&head);
            }
            bool ok = true;
            for (const PlacedNote& note : placed) {
                if (note.note.code == NoSign)
                    continue;
                const Ink& sign = inks.sign(note, clef);
                ok = ok && sign.right < chordLeft;
                glyphs.push_back(&sign);
            }
            for (std::size_t i = 0; i < glyphs.size(); ++i)
                for (std::size_t j = i + 1; j < glyphs.size(); ++j)
                    ok = ok && !touches(*glyphs[i], *glyphs[j]);
            if (!ok && ++failures <= 20)
                ADD_FAILURE() << "signs inside the chord or glyphs touching: " << describe(chord, clef);
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST_F(Engraving, WholeNoteHeadsAreHollowOnEveryPosition) {
    QImage image = blankStaff();
    for (Clef clef : {Clef::Treble, Clef::Bass})
        for (int position = kLowestPosition; position <= kHighestPosition; ++position)
            for (sg::Slot slot : {sg::Slot::A, sg::Slot::B}) {
                const PlacedNote note{{position, NoSign}, slot, 0};
                const Ink head = inkOf(image, [&](StaffPainter& s) { s.drawHead(note, clef, Qt::black); });
                const int y = sg::positionY(position, clef);
                const int left = sg::headLeft(slot);
                // Ink on both sides of the head, empty paper in its middle.
                EXPECT_TRUE(inkedAt(image, QPointF(left + 15, y))) << position;
                EXPECT_TRUE(inkedAt(image, QPointF(left + sg::kHeadWidth - 15, y))) << position;
                EXPECT_FALSE(inkedAt(image, QPointF(left + sg::kHeadWidth / 2.0, y))) << position;
                EXPECT_NEAR(head.right - head.left + 1, sg::kHeadWidth * kScale.x, 2) << position;
            }
}

// Ink runs along one row of the picture.
int runsAcross(const QImage& image, int y) {
    int runs = 0;
    bool inside = false;
    for (int x = 0; x < image.width(); ++x) {
        const bool ink = qAlpha(image.pixel(x, y)) >= kInked;
        runs += ink && !inside ? 1 : 0;
        inside = ink;
    }
    return runs;
}

int lineRow(int line) {
    return qRound(kScale.toPixels(QPointF(0, sg::kLineY[static_cast<std::size_t>(line)]) - kOrigin).y());
}

TEST_F(Engraving, TheBassClefDotsStandInTheSpacesEitherSideOfTheFLine) {
    QImage image = blankStaff();
    const Ink clef = inkOf(image, [](StaffPainter& s) { s.drawClef(Clef::Bass, Qt::black); });
    ASSERT_FALSE(clef.pixels.empty());
    // The dots are the only ink in the clef's last columns.
    const int column = clef.right - 1;
    std::vector<std::pair<int, int>> dots;
    bool inside = false;
    for (int y = 0; y < image.height(); ++y) {
        const bool ink = qAlpha(image.pixel(column, y)) >= kInked;
        if (ink && !inside)
            dots.push_back({y, y});
        if (ink)
            dots.back().second = y;
        inside = ink;
    }
    ASSERT_EQ(dots.size(), 2u);
    const int fLine = lineRow(1);
    const int halfLine = qCeil(sg::kStaffLineThickness * sg::kLineSpacing * kScale.y / 2.0);
    EXPECT_GT(dots[0].first, lineRow(0) + halfLine);
    EXPECT_LT(dots[0].second, fLine - halfLine);
    EXPECT_GT(dots[1].first, fLine + halfLine);
    EXPECT_LT(dots[1].second, lineRow(2) - halfLine);
}

TEST_F(Engraving, TheTrebleClefCurlsRoundTheGLine) {
    QImage image = blankStaff();
    inkOf(image, [](StaffPainter& s) { s.drawClef(Clef::Treble, Qt::black); });
    // Across the G line: the curl's left side, its inner turn, the stem and the right side.
    EXPECT_GE(runsAcross(image, lineRow(3)), 4);
    EXPECT_LT(runsAcross(image, lineRow(4)), 4);
    EXPECT_LT(runsAcross(image, lineRow(2)), 4);
}

TEST_F(Engraving, KeySignatureSignsStandApart) {
    QImage image = blankStaff();
    for (Clef clef : {Clef::Treble, Clef::Bass})
        for (SignatureKind kind : {SignatureKind::Sharp, SignatureKind::Flat}) {
            std::vector<Ink> signs;
            for (int k = 0; k < 7; ++k)
                signs.push_back(inkOf(image, [&](StaffPainter& s) {
                    const int position = sg::signatureGlyphPosition(kind, k);
                    s.drawGlyph(kind == SignatureKind::Sharp ? MusicGlyph::Sharp : MusicGlyph::Flat,
                                QPointF(sg::signatureGlyphLeft(kind, k), sg::positionY(position, clef)),
                                StaffPainter::Edge::Left, Qt::black);
                }));
            for (int k = 1; k < 7; ++k) {
                EXPECT_GT(signs[static_cast<std::size_t>(k)].left, signs[static_cast<std::size_t>(k - 1)].right);
                EXPECT_NEAR(signs[static_cast<std::size_t>(k)].left - signs[static_cast<std::size_t>(k - 1)].left,
                            signs[1].left - signs[0].left, 1);
            }
        }
}

} // namespace
} // namespace tonalyst
