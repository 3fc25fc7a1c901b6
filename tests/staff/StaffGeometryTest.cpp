#include "staff/StaffGeometry.h"
#include "staff/LedgerLines.h"

#include <gtest/gtest.h>

#include <vector>

namespace tonalyst {
namespace {

namespace sg = staffgeometry;

TEST(StaffGeometry, StaffPositionsSitOnTheLinesOfEachClef) {
    // Treble: E4 on the bottom line, F5 on the top line; bass: G2 and A3.
    EXPECT_EQ(sg::positionY(3, Clef::Treble), sg::kLineY[4]);
    EXPECT_EQ(sg::positionY(11, Clef::Treble), sg::kLineY[0]);
    EXPECT_EQ(sg::positionY(5, Clef::Bass), sg::kLineY[4]);
    EXPECT_EQ(sg::positionY(13, Clef::Bass), sg::kLineY[0]);
    EXPECT_EQ(sg::dropZoneTop(Clef::Treble), 570);
    EXPECT_EQ(sg::dropZoneTop(Clef::Bass), 690);
}

TEST(StaffGeometry, ADropTurnsTheHeadHeightIntoItsRowOfSixtyTwips) {
    // A sharp (no vertical drag offset): rows 1-60 give the top B, 61-120 the A.
    EXPECT_EQ(sg::dropPosition(1, 2), 14);
    EXPECT_EQ(sg::dropPosition(60, 2), 14);
    EXPECT_EQ(sg::dropPosition(61, 2), 13);
    EXPECT_EQ(sg::dropPosition(781, 2), 1);
    // A plain note is dragged 120 twips below its head, a flat 45 above.
    EXPECT_EQ(sg::dropPosition(121, 0), 14);
    EXPECT_EQ(sg::dropPosition(181, 0), 13);
    EXPECT_EQ(sg::dropPosition(16, 3), 13);
    EXPECT_EQ(sg::dropPosition(15, 3), 14);
}

TEST(StaffGeometry, DropsBeyondTheStaffAreClampedNotRefused) {
    for (int code = 0; code < kAccidentalCodes; ++code) {
        EXPECT_EQ(sg::dropPosition(-500, code), 14) << code;
        EXPECT_EQ(sg::dropPosition(0, code), 14) << code;
        EXPECT_EQ(sg::dropPosition(975, code), 1) << code;
        EXPECT_EQ(sg::dropPosition(5000, code), 1) << code;
    }
}

TEST(StaffGeometry, DroppingWhereTheDragPictureShowsTheHeadEntersThatPosition) {
    // The drag picture shows the head's lower edge at the drag offsets from the pointer.
    for (Clef clef : {Clef::Treble, Clef::Bass})
        for (int code = 0; code < kAccidentalCodes; ++code)
            for (int p = 1; p <= 14; ++p) {
                const int headBottom = sg::positionY(p, clef) + sg::kStep - sg::dropZoneTop(clef);
                EXPECT_EQ(
                    sg::dropPosition(headBottom + sg::kDragYOffset[static_cast<std::size_t>(code)], code), p)
                    << "code " << code << " position " << p;
            }
}

TEST(StaffGeometry, AHeadDraggedOverTheNotesIsSentBackLeft) {
    EXPECT_FALSE(sg::isBeyondDropLimit(1430 + 280, 0));
    EXPECT_TRUE(sg::isBeyondDropLimit(1431 + 280, 0));
    EXPECT_FALSE(sg::isBeyondDropLimit(1430 + 75, 5));
    EXPECT_TRUE(sg::isBeyondDropLimit(1431 + 75, 5));
    // Every note already drawn lies beyond the limit, whichever button is dragged.
    for (int code = 0; code < kAccidentalCodes; ++code)
        EXPECT_TRUE(sg::isBeyondDropLimit(sg::slotLeft(sg::Slot::A) - sg::kDropZoneLeft, code)) << code;
}

TEST(StaffGeometry, KeySignaturesStandWhereEngraversPutThem) {
    // Sharps F C G D A E B and flats B E A D G C F, as treble staff positions.
    const std::vector<int> sharps{11, 8, 12, 9, 6, 10, 7};
    const std::vector<int> flats{7, 10, 6, 9, 5, 8, 4};
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(sg::signatureGlyphPosition(SignatureKind::Sharp, k), sharps[static_cast<std::size_t>(k)]);
        EXPECT_EQ(sg::signatureGlyphPosition(SignatureKind::Flat, k), flats[static_cast<std::size_t>(k)]);
    }
    // Evenly spaced, each sign clear of the next.
    for (SignatureKind kind : {SignatureKind::Sharp, SignatureKind::Flat}) {
        const int width = sg::accidentalExtent(kind == SignatureKind::Sharp ? Sharp : Flat).width;
        EXPECT_EQ(sg::signatureGlyphLeft(kind, 0), 4800);
        for (int k = 1; k < 7; ++k)
            EXPECT_EQ(sg::signatureGlyphLeft(kind, k) - sg::signatureGlyphLeft(kind, k - 1),
                      width + sg::spaces(sg::kSignatureClearance));
    }
    // Seven sharps end before four columns of sharps left of a chord begin.
    const int sharp = sg::accidentalExtent(Sharp).width;
    EXPECT_LT(sg::signatureGlyphLeft(SignatureKind::Sharp, 6) + sharp,
              sg::accidentalRight(sg::headLeft(sg::Slot::A)) - 4 * sharp - 3 * sg::spaces(sg::kColumnClearance));
}

TEST(StaffGeometry, NotesASecondApartStandSideBySideTheirHeadsTouching) {
    EXPECT_EQ(sg::slotLeft(sg::Slot::A), 6200);
    EXPECT_EQ(sg::headLeft(sg::Slot::B) - sg::headLeft(sg::Slot::A), sg::kHeadWidth);
    // The ledger line of a second's outer head still ends on the staff.
    EXPECT_LT(sg::headLeft(sg::Slot::B) + sg::kHeadWidth + sg::spaces(sg::kLedgerLineExtension), sg::kStaffRight);
}

TEST(LedgerLines, TrebleClefHasLedgerLinesOnlyForMiddleCAndTheTopAAndB) {
    EXPECT_EQ(ledgerLines(Clef::Treble, 1), std::vector<int>{1});
    EXPECT_EQ(ledgerLines(Clef::Treble, 13), std::vector<int>{13});
    EXPECT_EQ(ledgerLines(Clef::Treble, 14), std::vector<int>{13});
    for (int p = 2; p <= 12; ++p)
        EXPECT_TRUE(ledgerLines(Clef::Treble, p).empty()) << p;
}

TEST(LedgerLines, BassClefLowCStandsOnTwoLedgerLines) {
    EXPECT_EQ(ledgerLines(Clef::Bass, 1), (std::vector<int>{3, 1}));
    EXPECT_EQ(ledgerLines(Clef::Bass, 2), std::vector<int>{3});
    EXPECT_EQ(ledgerLines(Clef::Bass, 3), std::vector<int>{3});
    for (int p = 4; p <= 14; ++p)
        EXPECT_TRUE(ledgerLines(Clef::Bass, p).empty()) << p;
}

} // namespace
} // namespace tonalyst
