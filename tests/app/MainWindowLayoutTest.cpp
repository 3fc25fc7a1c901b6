// The main window at its smallest and at full-HD size: the staff and the keyboard grow
// with it, keeping their proportions, and everything stays beside what it belongs to.
#include "MainWindowFixture.h"

#include "staff/KeyboardWidget.h"
#include "staff/StaffPanel.h"
#include "staff/StaffWidget.h"
#include "staff/TwipScale.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QScreen>

namespace tonalyst::test {
namespace {

// Where to leave the pictures for a person to look at, if anywhere.
void saveShot(QWidget* widget, const QString& name) {
    const QString dir = qEnvironmentVariable("TONALYST_WINDOW_SHOTS");
    if (dir.isEmpty())
        return;
    QDir().mkpath(dir);
    widget->grab().save(dir + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QRect inWindow(QWidget* widget, QWidget* window) {
    return QRect(widget->mapTo(window, QPoint(0, 0)), widget->size());
}

class MainWindowLayout : public MainWindowTest {
protected:
    void showAt(QSize size) {
        window->show();
        window->resize(size);
        QApplication::processEvents();
    }
    QRect staffRect() { return inWindow(window->staffPanel()->staff(), window.get()); }
    QRect keyboardRect() { return inWindow(window->staffPanel()->keyboard(), window.get()); }
};

TEST_F(MainWindowLayout, TheStaffAndKeyboardGrowWithTheWindowKeepingTheirProportions) {
    showAt(QSize(1, 1));
    const QSize smallest = window->size();
    EXPECT_GE(smallest.width(), window->staffPanel()->sizeHint().width());
    const QRect staff = staffRect();
    const QRect keyboard = keyboardRect();
    QMap<QString, int> fonts;
    for (const char* label : {"lblQues1", "lblanswermsg"})
        fonts.insert(label, control(label)->fontInfo().pixelSize());
    saveShot(window.get(), QStringLiteral("window-minimum"));

    showAt(QSize(1920, 1080));
    saveShot(window.get(), QStringLiteral("window-1920x1080"));
    const QRect bigStaff = staffRect();
    const QRect bigKeyboard = keyboardRect();
    EXPECT_GT(bigStaff.width(), staff.width() * 3 / 2);
    const qreal grown = qreal(bigStaff.width()) / staff.width();
    EXPECT_NEAR(qreal(bigStaff.height()) / staff.height(), grown, 0.03);
    EXPECT_NEAR(qreal(bigKeyboard.width()) / keyboard.width(), grown, 0.03);
    EXPECT_NEAR(qreal(bigKeyboard.height()) / keyboard.height(), grown, 0.03);
    // The keyboard still stands right beside the staff.
    EXPECT_LT(bigKeyboard.left() - bigStaff.right(), 40);
    // The question and the feedback grow with them, if not quite as much.
    for (const char* label : {"lblQues1", "lblanswermsg"})
        EXPECT_GT(control(label)->fontInfo().pixelSize(), fonts.value(label) * 1.3) << label;
}

// Run also on a full-HD screen magnified twice, which shows 960 x 540 of the window's
// pixels: the window shrinks until all of it is on the screen.
TEST_F(MainWindowLayout, TheSmallestWindowFitsItsScreen) {
    showAt(QSize(1, 1));
    saveShot(window.get(), QStringLiteral("window-smallest-on-") + window->screen()->name());
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    EXPECT_TRUE(available.contains(frame))
        << frame.width() << "x" << frame.height() << " on " << available.width() << "x" << available.height();
    for (const char* name : {"cmdStart", "cmdOK", "fraStatus", "txtNotes", "lblanswermsg"})
        EXPECT_TRUE(window->rect().contains(inWindow(control(name), window.get()))) << name;
    // Nothing lies over anything: the buttons under the keyboard, the status beside it.
    EXPECT_GE(inWindow(control("cmdStart"), window.get()).top(), keyboardRect().bottom());
    EXPECT_GT(inWindow(control("fraStatus"), window.get()).left(), keyboardRect().right());
    // Shrunk only where the screen asks for it, and never beyond legibility.
    const qreal zoom = window->staffPanel()->zoom();
    if (available.width() >= 1280 && available.height() >= 720)
        EXPECT_DOUBLE_EQ(zoom, TwipScale::kZoom);
    else
        EXPECT_LT(zoom, TwipScale::kZoom);
    EXPECT_GE(zoom, StaffPanel::kLegibleZoom);
}

TEST_F(MainWindowLayout, ButtonsAndStatusStayBesideTheStaffAtEverySize) {
    int answersHeight = -1;
    QSize smallest;
    for (const QSize size : {QSize(1, 1), QSize(1920, 1080), QSize(1200, 1000), QSize(1500, 700)}) {
        showAt(size);
        if (smallest.isEmpty())
            smallest = window->size();
        const QRect panel = inWindow(window->staffPanel(), window.get());
        const QRect keyboard = keyboardRect();
        const QRect start = inWindow(control("cmdStart"), window.get());
        const QRect status = inWindow(control("fraStatus"), window.get());
        // Under the staff panel there are only the answer lines before the buttons,
        // growing no more than the window: the room the window gains goes elsewhere.
        EXPECT_GE(start.top(), panel.bottom()) << size.width() << "x" << size.height();
        if (answersHeight < 0)
            answersHeight = start.top() - keyboard.bottom();
        const qreal grown = std::max(1.0, std::min(qreal(window->width()) / smallest.width(),
                                                   qreal(window->height()) / smallest.height()));
        EXPECT_GE(start.top() - keyboard.bottom(), answersHeight - 2) << size.width() << "x" << size.height();
        EXPECT_LE(start.top() - keyboard.bottom(), answersHeight * grown + 2)
            << size.width() << "x" << size.height();
        // The status panel beside the keyboard, level with the question at the top.
        const QRect question = inWindow(control("lblQuesnum"), window.get());
        EXPECT_GE(status.left(), keyboard.right());
        EXPECT_LT(status.left() - keyboard.right(), 80) << size.width() << "x" << size.height();
        EXPECT_LT(std::abs(status.top() - question.top()), 40);
        EXPECT_EQ(start.left(), staffRect().left());
    }
    // A window far wider than high leaves the room over at the right, away from the staff.
    showAt(QSize(1920, 640));
    EXPECT_EQ(staffRect().left(), inWindow(control("cmdStart"), window.get()).left());
}

TEST_F(MainWindowLayout, TheStaffDoesNotMoveWhenARunStarts) {
    showAt(QSize(1400, 900));
    const QRect staff = staffRect();
    const QRect keyboard = keyboardRect();
    control<QPushButton>("cmdStart")->click();
    QApplication::processEvents();
    EXPECT_EQ(staffRect(), staff);
    EXPECT_EQ(keyboardRect(), keyboard);
}

} // namespace
} // namespace tonalyst::test
