#include "platform/ControlNames.h"
#include "staff/KeyboardWidget.h"
#include "staff/LedgerLines.h"
#include "staff/MusicFont.h"
#include "staff/NoteDrag.h"
#include "staff/StaffGeometry.h"
#include "staff/StaffPanel.h"
#include "staff/StaffWidget.h"
#include "staff/TwipScale.h"
#include "support/RecordingBeeper.h"

#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QtMath>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

namespace sg = staffgeometry;

// Where to leave the pictures for a person to look at, if anywhere.
void saveShot(const QPixmap& picture, const QString& name) {
    const QString dir = qEnvironmentVariable("TONALYST_STAFF_SHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    picture.save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

class StaffRendering : public ::testing::Test {
protected:
    static void SetUpTestSuite() { initStaffResources(); }

    void SetUp() override {
        panel.setEntryEnabled(true);
        panel.resize(panel.sizeHint());
        panel.show();
    }

    QImage staffImage() { return panel.staff()->grab().toImage(); }

    // A point of the grabbed picture, which may have more pixels than the screen has.
    QPoint pixel(const QImage& image, int xTwips, int yTwips) {
        return (panel.staff()->toPixels(QPointF(xTwips, yTwips)) * image.devicePixelRatio()).toPoint();
    }

    // Dark ink within a pixel of a point given in window twips.
    bool inkAt(const QImage& image, int xTwips, int yTwips) {
        const QPoint at = pixel(image, xTwips, yTwips);
        const int reach = qCeil(image.devicePixelRatio());
        for (int dy = -reach; dy <= reach; ++dy)
            if (qGray(image.pixel(at.x(), at.y() + dy)) < 128)
                return true;
        return false;
    }

    // Inked pixels in a band 60 twips wide between two heights, staff lines left out.
    int inkInColumn(const QImage& image, int xTwips, int topTwips, int bottomTwips) {
        int ink = 0;
        const int lineHalf = qCeil(image.devicePixelRatio());
        for (int x = pixel(image, xTwips, 0).x(); x <= pixel(image, xTwips + 60, 0).x(); ++x)
            for (int y = pixel(image, 0, topTwips).y(); y <= pixel(image, 0, bottomTwips).y(); ++y) {
                const bool onLine = std::any_of(sg::kLineY.begin(), sg::kLineY.end(), [&](int line) {
                    return std::abs(pixel(image, 0, line).y() - y) <= lineHalf;
                });
                if (!onLine && qGray(image.pixel(x, y)) < 160)
                    ++ink;
            }
        return ink;
    }

    // Left of the head, where only a ledger line can leave ink.
    static constexpr int kBesideHead = 6460 - 25;

    test::RecordingBeeper beeper;
    StaffPanel panel{beeper};
};

TEST_F(StaffRendering, TheFiveStaffLinesRunAcrossTheStaff) {
    const QImage image = staffImage();
    for (int line : sg::kLineY)
        for (int x : {5200, 6000, 7100}) {
            EXPECT_TRUE(inkAt(image, x, line)) << x << " " << line;
            EXPECT_FALSE(inkAt(image, x, line + sg::kStep)) << x << " " << line;
        }
    EXPECT_FALSE(inkAt(image, sg::kStaffRight + 60, sg::kLineY[0]));
}

TEST_F(StaffRendering, LedgerLinesAppearExactlyWhereTheClefNeedsThem) {
    struct Case {
        Clef clef;
        int position;
        std::vector<int> inked;
        std::vector<int> clear;
    };
    const std::vector<Case> cases{
        {Clef::Treble, 1, {1320}, {1440}},     {Clef::Treble, 2, {}, {1320, 1380}},
        {Clef::Treble, 14, {600}, {540, 660}}, {Clef::Treble, 12, {}, {600, 660}},
        {Clef::Bass, 1, {1320, 1440}, {1380}}, {Clef::Bass, 2, {1320}, {1380}},
        {Clef::Bass, 3, {1320}, {1380, 1440}}, {Clef::Bass, 14, {}, {660, 600}},
    };
    for (const Case& c : cases) {
        panel.clearStaff();
        panel.setClef(c.clef);
        ASSERT_TRUE(panel.enterNote(c.position, NoSign));
        const QImage image = staffImage();
        for (int y : c.inked)
            EXPECT_TRUE(inkAt(image, kBesideHead, y)) << "position " << c.position << " y " << y;
        for (int y : c.clear)
            EXPECT_FALSE(inkAt(image, kBesideHead, y)) << "position " << c.position << " y " << y;
    }
}

TEST_F(StaffRendering, TheKeySignatureShowsAsManySignsAsTheKeyHas) {
    for (SignatureKind kind : {SignatureKind::Sharp, SignatureKind::Flat}) {
        panel.setKeySignature(kind, 3);
        panel.showKeySignature(true);
        QImage image = staffImage();
        for (int k = 0; k < 7; ++k) {
            const int ink = inkInColumn(image, sg::signatureGlyphLeft(kind, k) + 20, 450, 1350);
            if (k < 3)
                EXPECT_GT(ink, 0) << k << (kind == SignatureKind::Sharp ? " sharp" : " flat");
            else
                EXPECT_EQ(ink, 0) << k;
        }
        panel.showKeySignature(false);
        image = staffImage();
        EXPECT_EQ(inkInColumn(image, sg::signatureGlyphLeft(kind, 0) + 20, 450, 1350), 0);
    }
}

TEST_F(StaffRendering, DrawsBothClefsAndEverySignature) {
    for (Clef clef : {Clef::Treble, Clef::Bass}) {
        const QString clefName = clef == Clef::Treble ? QStringLiteral("treble") : QStringLiteral("bass");
        panel.setClef(clef);
        panel.showKeySignature(false);
        saveShot(panel.staff()->grab(), clefName);
        for (SignatureKind kind : {SignatureKind::Sharp, SignatureKind::Flat}) {
            for (int count = 1; count <= 7; ++count) {
                panel.setKeySignature(kind, count);
                panel.showKeySignature(true);
                saveShot(panel.staff()->grab(), QStringLiteral("%1-%2-%3")
                                                    .arg(clefName)
                                                    .arg(kind == SignatureKind::Sharp ? "sharps" : "flats")
                                                    .arg(count));
            }
        }
    }
}

TEST_F(StaffRendering, DrawsAChordWithSecondsAndAccidentals) {
    panel.enterNote(3, Flat);
    panel.enterNote(4, Sharp);
    panel.enterNote(5, Natural);
    panel.enterNote(7, Flat);
    saveShot(panel.grab(), QStringLiteral("chord-seconds"));
    saveShot(panel.staff()->grab(), QStringLiteral("chord-seconds-staff"));
    panel.clearStaff();
    panel.enterNote(1, Sharp);
    panel.enterNote(3, Sharp);
    panel.enterNote(5, Sharp);
    panel.enterNote(7, Sharp);
    saveShot(panel.staff()->grab(), QStringLiteral("chord-thirds"));
    panel.clearStaff();
    panel.enterNote(12, Flat);
    panel.enterNote(13, NoSign);
    panel.enterNote(14, Natural);
    saveShot(panel.staff()->grab(), QStringLiteral("chord-top-ledger"));
    panel.clearStaff();
    panel.setClef(Clef::Bass);
    panel.enterNote(1, NoSign);
    panel.enterNote(2, Flat);
    panel.enterNote(3, DoubleSharp);
    saveShot(panel.staff()->grab(), QStringLiteral("bass-low-ledgers"));
}

TEST_F(StaffRendering, ShowsWhereADraggedNoteWouldLandUntilItLeaves) {
    QWidget* zone = findControl<QWidget>(&panel, "Label10");
    // The notes' corner of the staff, clear of the hint and the names.
    const auto notesArea = [this](const QImage& image) {
        const QPoint topLeft = pixel(image, 6200, 300);
        return image.copy(QRect(topLeft, pixel(image, 6900, 1500)));
    };
    const QImage before = notesArea(staffImage());
    const auto mime = makeNoteMimeData(Flat);
    const QPoint at = TwipScale::of(*zone).toPixels(QPointF(600, 60)).toPoint();
    QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(zone, &enter);
    saveShot(panel.staff()->grab(), QStringLiteral("drag-preview"));
    EXPECT_NE(notesArea(staffImage()), before);
    QDragLeaveEvent leave;
    QApplication::sendEvent(zone, &leave);
    EXPECT_EQ(notesArea(staffImage()), before);
    EXPECT_EQ(panel.noteCount(), 0);
}

TEST_F(StaffRendering, DrawsTheKeyboardWithItsMarks) {
    panel.enterNote(1, Natural);
    panel.enterNote(3, Flat);
    panel.enterNote(10, Sharp);
    panel.enterNote(13, DoubleFlat);
    saveShot(panel.keyboard()->grab(), QStringLiteral("keyboard-marks"));
    saveShot(panel.grab(), QStringLiteral("panel-marks"));
    panel.setEntryEnabled(false);
    panel.clearStaff();
    saveShot(panel.grab(), QStringLiteral("panel-idle"));
}

} // namespace
} // namespace tonalyst

namespace tonalyst {
namespace {

// The darkest and lightest grey in a picture.
std::pair<int, int> greyRange(const QImage& image) {
    int darkest = 255;
    int lightest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(image.pixel(x, y));
            darkest = std::min(darkest, grey);
            lightest = std::max(lightest, grey);
        }
    return {darkest, lightest};
}

TEST(StaffColours, WithADarkDesktopTheStaffStaysBlackOnLightWhileTheControlsFollowIt) {
    initStaffResources();
    test::RecordingBeeper beeper;
    StaffPanel panel(beeper);
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    panel.setPalette(dark);
    panel.setEntryEnabled(true);
    panel.resize(panel.sizeHint());
    panel.show();
    panel.enterNote(5, Sharp);
    saveShot(panel.grab(), QStringLiteral("panel-dark"));

    // The names under the staff are dark ink on the paper.
    auto* name = findControl<QLabel>(&panel, "notenames", 0);
    ASSERT_NE(name, nullptr);
    EXPECT_LT(qGray(name->palette().color(QPalette::WindowText).rgb()), 64);
    EXPECT_GT(greyRange(panel.staff()->grab().toImage()).second, 240);
    EXPECT_LT(greyRange(panel.staff()->grab().toImage()).first, 64);
    // The accidental signs under the palette are light on the dark window.
    QWidget* sign = findControl<QWidget>(&panel, "imgacc", Sharp);
    ASSERT_NE(sign, nullptr);
    QImage signImage(sign->size(), QImage::Format_ARGB32);
    signImage.fill(Qt::transparent);
    sign->render(&signImage, QPoint(), QRegion(), QWidget::DrawChildren);
    int lightInk = 0;
    for (int y = 0; y < signImage.height(); ++y)
        for (int x = 0; x < signImage.width(); ++x)
            if (qAlpha(signImage.pixel(x, y)) > 200 && qGray(signImage.pixel(x, y)) > 200)
                ++lightInk;
    EXPECT_GT(lightInk, 10);
}

} // namespace
} // namespace tonalyst
