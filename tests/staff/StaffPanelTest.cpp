#include "staff/StaffPanel.h"
#include "platform/ControlNames.h"
#include "staff/GlyphLabel.h"
#include "staff/KeyMarker.h"
#include "staff/KeyboardKey.h"
#include "staff/MusicFont.h"
#include "staff/NoteDrag.h"
#include "staff/NoteLayout.h"
#include "staff/StaffGeometry.h"
#include "staff/TwipScale.h"
#include "support/RecordingBeeper.h"
#include "support/ScriptedRandom.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QLabel>
#include <QSignalSpy>

#include <array>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

namespace sg = staffgeometry;

class StaffPanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { initStaffResources(); }

    void SetUp() override {
        panel.setEntryEnabled(true);
        panel.show();
    }

    KeyboardKey* key(const char* name, int index) {
        KeyboardKey* found = findControl<KeyboardKey>(&panel, name, index);
        EXPECT_NE(found, nullptr) << name << " " << index;
        return found;
    }

    QWidget* dropZone() { return findControl<QWidget>(&panel, "Label10"); }
    QString hint() { return findControl<QLabel>(&panel, "Label15")->text(); }

    QPointF pixelsInZone(QPoint twips) { return TwipScale::of(*dropZone()).toPixels(QPointF(twips)); }

    // Drags a note button's payload over the drop zone to a point given in twips from the
    // zone's top left.
    void dragTo(int code, QPoint twips) {
        const auto mime = makeNoteMimeData(code);
        const QPoint at = pixelsInZone(twips).toPoint();
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropZone(), &enter);
        QDragMoveEvent move(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropZone(), &move);
    }

    void dropAt(int code, QPoint twips) {
        dragTo(code, twips);
        const auto mime = makeNoteMimeData(code);
        QDropEvent drop(pixelsInZone(twips), Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(dropZone(), &drop);
    }

    test::RecordingBeeper beeper;
    StaffPanel panel{beeper};
};

TEST_F(StaffPanelTest, ADroppedNoteIsEnteredWhereItsHeadWasShown) {
    QSignalSpy sounded(&panel, &StaffPanel::noteSounded);
    // A sharp with its head in the fourth row from the top: F, on the treble top line.
    dropAt(Sharp, QPoint(900, 210));
    EXPECT_EQ(panel.noteCount(), 1);
    EXPECT_EQ(panel.enteredNotes()[0], (StaffNote{11, Sharp}));
    ASSERT_EQ(sounded.count(), 1);
    EXPECT_EQ(sounded.at(0).at(0).toInt(), Sharp);
    EXPECT_EQ(sounded.at(0).at(1).toInt(), 11);
    EXPECT_EQ(hint(), QString());
    EXPECT_EQ(beeper.count(), 0);
    // A plain note dropped far below the staff is clamped to the bottom C.
    dropAt(NoSign, QPoint(300, 960));
    EXPECT_EQ(panel.enteredNotes()[0], (StaffNote{1, NoSign}));
    EXPECT_EQ(panel.enteredNotes()[1], (StaffNote{11, Sharp}));
    // The keyboard follows the staff.
    EXPECT_TRUE(key("Sharp", 11)->isMarked());
    EXPECT_TRUE(key("note", 1)->isMarked());
}

TEST_F(StaffPanelTest, DraggingOverTheStaffNamesTheRowUnderTheHead) {
    dragTo(Flat, QPoint(600, 60)); // the head of a flat lies 45 twips below the pointer
    EXPECT_EQ(hint(), QStringLiteral("A"));
    dragTo(Flat, QPoint(sg::kDropLimit + 170 + 15, 100));
    EXPECT_EQ(hint(), QStringLiteral("<<<"));
    EXPECT_EQ(panel.noteCount(), 0);
}

TEST_F(StaffPanelTest, ADropOverTheNotesOnlyBeeps) {
    dropAt(NoSign, QPoint(2100, 400));
    EXPECT_EQ(beeper.count(), 1);
    EXPECT_EQ(panel.noteCount(), 0);
}

TEST_F(StaffPanelTest, RefusedEntriesBeepOnceAndChangeNothing) {
    QSignalSpy sounded(&panel, &StaffPanel::noteSounded);
    panel.setNoteLimit(2);
    ASSERT_TRUE(panel.enterNote(5, NoSign));
    EXPECT_FALSE(panel.enterNote(3, DoubleSharp)); // E double sharp
    EXPECT_FALSE(panel.enterNote(5, Sharp));       // taken
    EXPECT_FALSE(panel.enterNote(6, DoubleFlat));  // A-double-flat sounds G
    ASSERT_TRUE(panel.enterNote(9, Flat));
    EXPECT_FALSE(panel.enterNote(12, NoSign)); // the question has two notes
    EXPECT_EQ(beeper.count(), 4);
    EXPECT_EQ(sounded.count(), 2);
    EXPECT_EQ(panel.noteCount(), 2);
    EXPECT_EQ(panel.enteredNotes().size(), 2u);
}

TEST_F(StaffPanelTest, KeyboardClicksAddAndRemoveNotes) {
    key("nat", 1)->click();
    EXPECT_EQ(panel.enteredNotes()[0], (StaffNote{1, Natural}));
    EXPECT_TRUE(findControl<KeyMarker>(&panel, "Shape11", 1)->isMarked());
    EXPECT_EQ(key("note", 1)->backgroundColor(), QColor(255, 0, 0));
    key("note", 1)->click();
    EXPECT_EQ(panel.noteCount(), 0);
    EXPECT_FALSE(findControl<KeyMarker>(&panel, "Shape11", 1)->isMarked());
    EXPECT_EQ(key("note", 1)->backgroundColor(), QColor(255, 255, 255));

    key("Flat", 3)->click(); // E-flat, a black key with its flat sign
    EXPECT_EQ(key("Flat", 3)->backgroundColor(), QColor(255, 0, 0));
    EXPECT_TRUE(findControl<GlyphLabel>(&panel, "imgFlatkey", 3)->isMarked());
    key("Flat", 3)->click();
    EXPECT_EQ(key("Flat", 3)->backgroundColor(), QColor(0, 0, 0));
    EXPECT_FALSE(findControl<GlyphLabel>(&panel, "imgFlatkey", 3)->isMarked());

    key("dblShrp", 1)->click(); // C double sharp
    EXPECT_TRUE(findControl<KeyMarker>(&panel, "Shape3", 1)->isMarked());
    key("note", 2)->click(); // D sounds the same
    EXPECT_EQ(beeper.count(), 1);
    EXPECT_EQ(panel.noteCount(), 1);
}

TEST_F(StaffPanelTest, InIdentificationTheKeyboardOnlyBeeps) {
    for (const bool keepsNaturalSign : {true, false}) {
        beeper.reset();
        panel.setEntryRules({.takesNotes = false, .keepsNaturalSign = keepsNaturalSign});
        key("note", 3)->click();
        key("Sharp", 4)->click();
        EXPECT_EQ(beeper.count(), 2);
        EXPECT_EQ(panel.noteCount(), 0);
    }
    // The question's own notes still go on the staff.
    EXPECT_TRUE(panel.enterNote(3, NoSign));
    panel.setEntryRules({.keepsNaturalSign = false});
    key("note", 7)->click();
    EXPECT_EQ(panel.noteCount(), 2);
}

TEST_F(StaffPanelTest, ClearingTheStaffUnmarksEveryKey) {
    panel.enterNote(2, Sharp);
    panel.enterNote(4, Flat);
    panel.enterNote(8, Flat);
    panel.clearStaff();
    EXPECT_EQ(panel.noteCount(), 0);
    EXPECT_FALSE(key("Sharp", 2)->isMarked());
    EXPECT_FALSE(findControl<KeyMarker>(&panel, "Shape4", 4)->isMarked());
    EXPECT_FALSE(findControl<KeyMarker>(&panel, "Shape4", 8)->isMarked());
    EXPECT_TRUE(panel.staff() != nullptr);
}

TEST_F(StaffPanelTest, EverySpellingHasItsOwnKeyAndMarker) {
    static constexpr std::array<const char*, 6> kNames{"note", "nat", "Sharp", "Flat", "dblShrp", "dblFlat"};
    int keys = 0;
    for (int kind = 0; kind < 6; ++kind)
        for (int p = 0; p < kKeyIndices; ++p) {
            const bool exists =
                findControl<KeyboardKey>(&panel, kNames[static_cast<std::size_t>(kind)], p) != nullptr;
            EXPECT_EQ(exists, hasKey(static_cast<KeyKind>(kind), p))
                << kNames[static_cast<std::size_t>(kind)] << p;
            keys += exists ? 1 : 0;
        }
    EXPECT_EQ(keys, 76);
    for (int p = 0; p < kKeyIndices; ++p) {
        EXPECT_EQ(findControl<KeyMarker>(&panel, "Shape3", p) != nullptr, p <= 13) << p;
        EXPECT_EQ(findControl<KeyMarker>(&panel, "Shape4", p) != nullptr, p >= 2) << p;
        EXPECT_EQ(findControl<KeyMarker>(&panel, "Shape11", p) != nullptr, p >= 1 && p <= 14) << p;
    }
}

TEST_F(StaffPanelTest, KeysOutsideTheStaffStayDisabled) {
    EXPECT_FALSE(key("Sharp", 0)->isEnabled());
    EXPECT_FALSE(key("Flat", 15)->isEnabled());
    EXPECT_FALSE(findControl<QWidget>(&panel, "imgshrpkeyw", 0)->isEnabled());
    EXPECT_FALSE(findControl<QWidget>(&panel, "imgflatkeyw", 3)->isEnabled());
    EXPECT_TRUE(key("Sharp", 1)->isEnabled());
    panel.setEntryEnabled(false);
    EXPECT_FALSE(key("note", 5)->isEnabled());
    EXPECT_FALSE(findControl<QWidget>(&panel, "Command1", 2)->isEnabled());
    panel.setEntryEnabled(true);
    EXPECT_FALSE(key("Sharp", 0)->isEnabled());
    EXPECT_TRUE(key("note", 5)->isEnabled());
}

TEST_F(StaffPanelTest, TheClefMovesTheDropZone) {
    const int trebleTop = dropZone()->y();
    panel.setClef(Clef::Bass);
    const QPointF offset = TwipScale::of(*dropZone()).toPixels(QPointF(0, 120));
    EXPECT_NEAR(dropZone()->y() - trebleTop, offset.y(), 1.0);
}

TEST_F(StaffPanelTest, TheReviewShowsEachQuestionInItsOwnClef) {
    test::ScriptedRandom random;
    random.push(0.7);
    random.push(0.2);
    EXPECT_EQ(panel.changeClef(ClefChoice::Random, random, 1), Clef::Bass);
    EXPECT_EQ(panel.changeClef(ClefChoice::Random, random, 2), Clef::Treble);
    EXPECT_EQ(panel.changeClef(ClefChoice::Bass, random, 21), Clef::Bass);
    panel.showReviewClef(1);
    EXPECT_EQ(panel.clef(), Clef::Bass);
    panel.showReviewClef(2);
    EXPECT_EQ(panel.clef(), Clef::Treble);
    // Nothing was recorded for question 3: the clef stays.
    panel.showReviewClef(3);
    EXPECT_EQ(panel.clef(), Clef::Treble);
}

TEST_F(StaffPanelTest, TheNamesUnderTheStaffFollowTheEntries) {
    panel.enterNote(10, DoubleFlat);
    panel.enterNote(3, NoSign);
    EXPECT_EQ(findControl<QLabel>(&panel, "notenames", 0)->text(), QStringLiteral("E"));
    EXPECT_EQ(findControl<QLabel>(&panel, "notenames", 1)->text(), QStringLiteral("E"));
    EXPECT_FALSE(findControl<GlyphLabel>(&panel, "imgaccname", 0)->glyph().has_value());
    EXPECT_EQ(findControl<GlyphLabel>(&panel, "imgaccname", 1)->glyph(), MusicGlyph::DoubleFlat);
    EXPECT_EQ(findControl<QLabel>(&panel, "notenames", 2)->text(), QString());
}

TEST(NoteDrag, OnlyANoteButtonsPayloadIsTakenForANote) {
    for (int code = 0; code < kAccidentalCodes; ++code)
        EXPECT_EQ(noteCodeFromMime(makeNoteMimeData(code).get()), code);
    QMimeData text;
    text.setText(QStringLiteral("3"));
    EXPECT_FALSE(noteCodeFromMime(&text).has_value());
    EXPECT_FALSE(noteCodeFromMime(nullptr).has_value());
}

TEST(MusicFontTest, TheBundledFontHasEverySignTheStaffDraws) {
    initStaffResources();
    ASSERT_TRUE(MusicFont::isAvailable());
    // The layout's fixed sizes match the font's ink, so collisions are judged right.
    const auto widthOf = [](MusicGlyph glyph) {
        return MusicFont::inkBox(glyph).width() * sg::kLineSpacing;
    };
    EXPECT_NEAR(widthOf(MusicGlyph::NoteHead), sg::kHeadWidth, 3);
    EXPECT_NEAR(MusicFont::inkBox(MusicGlyph::NoteHead).height(), sg::kNoteHeadHeight, 0.01);
    for (int code = 1; code < kAccidentalCodes; ++code)
        EXPECT_NEAR(widthOf(accidentalGlyph(code)), sg::accidentalExtent(code).width, 3) << code;
}

} // namespace
} // namespace tonalyst
