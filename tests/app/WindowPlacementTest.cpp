#include "MainWindowFixture.h"

#include "app/EarTrainingWindow.h"
#include "app/HelpWindow.h"
#include "cycle/QuestionCycle.h"
#include "staff/StaffPanel.h"
#include "staff/StaffWidget.h"
#include "startup/ScreenFit.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

namespace tonalyst::test {
namespace {

void settle() {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
}

void closePopUps() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

// Answers the modal option dialog the next trigger opens: ticks one option, presses OK.
void answerModal(const char* option, int index, const char* ok) {
    QTimer::singleShot(0, [option, index, ok] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        findControl<QRadioButton>(modal, option, index)->setChecked(true);
        findControl<QPushButton>(modal, ok)->click();
    });
}

TEST(ScreenFit, AWindowIsMovedOntoTheScreenAndShrunkOnlyWhereItCannotFit) {
    const QRect screen(0, 0, 1440, 900);
    const QMargins frame(1, 30, 1, 1);
    // Fits as it is.
    EXPECT_EQ(fitIntoScreen(QRect(100, 100, 760, 640), frame, screen), QRect(100, 100, 760, 640));
    // Hangs off the bottom right: moved in, frame and all, and kept whole.
    EXPECT_EQ(fitIntoScreen(QRect(1000, 500, 760, 640), frame, screen), QRect(679, 259, 760, 640));
    // Title bar above the top: moved down until the title bar shows.
    EXPECT_EQ(fitIntoScreen(QRect(50, 0, 760, 640), frame, screen), QRect(50, 30, 760, 640));
    // Taller than the screen: as tall as it can be, title bar on screen.
    EXPECT_EQ(fitIntoScreen(QRect(0, 0, 760, 1000), frame, screen), QRect(1, 30, 760, 869));
    // A second screen right of the first, below a panel.
    const QRect second(1440, 28, 1280, 996);
    EXPECT_EQ(fitIntoScreen(QRect(2500, 10, 400, 300), {}, second), QRect(2320, 28, 400, 300));
}

// Every window opens fully on the screen it belongs to; one that cannot be made as small
// as the screen shows at least its top left corner, with the title bar and the menus.
void expectOnScreen(const QWidget* window) {
    ASSERT_TRUE(window->isVisible()) << window->objectName().toStdString();
    const QRect available = window->screen()->availableGeometry();
    const QRect frame = window->frameGeometry();
    const QSize smallest = window->minimumSize().expandedTo(window->minimumSizeHint());
    const bool fits = smallest.width() <= available.width() && smallest.height() <= available.height();
    EXPECT_TRUE(fits ? available.contains(frame) : available.contains(frame.topLeft()))
        << window->objectName().toStdString() << " at " << frame.x() << "," << frame.y() << " " << frame.width()
        << "x" << frame.height() << " on " << available.width() << "x" << available.height();
}

TEST_F(MainWindowTest, EveryWindowOpensFullyOnItsScreen) {
    window->show();
    settle();
    expectOnScreen(window.get());

    // Help: the first time, and again after it was dragged half off the screen and closed.
    action("mnuhelpon", 1)->trigger();
    settle();
    auto* help = window->findChild<HelpWindow*>();
    ASSERT_NE(help, nullptr);
    expectOnScreen(help);
    const QRect screen = help->screen()->availableGeometry();
    help->move(screen.right() - help->width() / 2, screen.bottom() - help->height() / 2);
    help->close();
    action("mnuhelpon", 2)->trigger();
    settle();
    expectOnScreen(help);
    help->close();

    // The ear-training window, in the same two ways.
    QWidget* earTraining = window->earTrainingWindow();
    action("mnuintet")->trigger();
    for (int run = 0; run < 2; ++run) {
        control<QPushButton>("cmdStart")->click();
        settle();
        closePopUps();
        expectOnScreen(earTraining);
        earTraining->move(screen.right() - earTraining->width() / 3, screen.top() - earTraining->height() / 2);
        prompter.answerYes();
        findControl<QPushButton>(earTraining, "cmdreset")->click();
        settle();
    }
}

TEST_F(MainWindowTest, TheFirstEarTrainingAnswerMenuOpensBesideShowChoices) {
    window->show();
    settle();
    for (const char* activity : {"mnuintet", "mnuchordet"}) {
        if (QLatin1String(activity) == QLatin1String("mnuchordet"))
            answerModal("Optchordet", 0, "cmdok");
        action(activity)->trigger();
        control<QPushButton>("cmdStart")->click();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << activity;
        // The program placed the window before it opened the menu beside its button; left
        // to the window manager, the window would only find its place after the menu.
        EXPECT_TRUE(window->earTrainingWindow()->testAttribute(Qt::WA_Moved)) << activity;
        settle();
        const QPushButton* anchor = window->earTrainingWindow()->showChoicesButton();
        const QPoint beside = anchor->mapToGlobal(QPoint(anchor->width(), anchor->height() / 2));
        EXPECT_EQ(menu->pos(), beside) << activity;
        closePopUps();
        prompter.answerYes();
        action("mnuquittest")->trigger();
    }
}

class MainWindowLayoutTest : public MainWindowTest {
protected:
    MainWindowLayoutTest() {
        window->show();
        settle();
    }

    // Where every visible control of the window stands, to see that nothing moves.
    QList<QRect> places() const {
        settle();
        QList<QRect> found{window->geometry()};
        for (const QWidget* widget : window->centralWidget()->findChildren<QWidget*>())
            if (widget->isVisible() && !qobject_cast<const QLabel*>(widget))
                found << QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size());
        return found;
    }

    // Where each control stands that is there both before and after.
    static QList<QRect> common(const QMap<const QWidget*, QRect>& these, const QMap<const QWidget*, QRect>& those) {
        QList<QRect> found;
        for (auto place = these.begin(); place != these.end(); ++place)
            if (those.contains(place.key()))
                found << place.value();
        return found;
    }

    // The staff's own parts follow its clef; the staff itself must stay.
    QMap<const QWidget*, QRect> placesByControl() const {
        settle();
        QMap<const QWidget*, QRect> found;
        const QWidget* staff = window->staffPanel()->staff();
        for (const QWidget* widget : window->centralWidget()->findChildren<QWidget*>())
            if (widget->isVisible() && !qobject_cast<const QLabel*>(widget) && !staff->isAncestorOf(widget))
                found.insert(widget, QRect(widget->mapTo(window.get(), QPoint(0, 0)), widget->size()));
        return found;
    }
};

TEST_F(MainWindowLayoutTest, StartingARunMovesNothing) {
    for (const char* activity : {"mnuspell", "mnuIntSpell", "mnuIdentify", "mnuIntId", "mnukeysigid"}) {
        action(activity)->trigger();
        const QSize idle = window->size();
        const auto idlePlaces = placesByControl();
        control<QPushButton>("cmdStart")->click();
        closePopUps();
        settle();
        EXPECT_EQ(window->size(), idle) << activity;
        const auto runningPlaces = placesByControl();
        EXPECT_EQ(common(runningPlaces, idlePlaces), common(idlePlaces, runningPlaces)) << activity;
        prompter.answerYes();
        action("mnuquittest")->trigger();
        settle();
        EXPECT_EQ(window->size(), idle) << activity;
    }
}

TEST_F(MainWindowLayoutTest, ANotesMessageMovesNothing) {
    control<QPushButton>("cmdStart")->click();
    const QList<QRect> before = places();
    auto* notes = control<QLineEdit>("txtNotes");
    notes->setText(QStringLiteral("H Q"));
    emit notes->returnPressed();
    ASSERT_FALSE(control<QLabel>("lblNotesMessage")->text().isEmpty());
    EXPECT_EQ(places(), before);
}

TEST_F(MainWindowLayoutTest, TheInversionListStaysPutWhileTheAnswerFillsIn) {
    answerModal("optinversion", 2, "Command1");
    action("mnuinversion")->trigger();
    action("mnuIdentify")->trigger();
    control<QPushButton>("cmdStart")->click();
    closePopUps();
    auto* list = control<QComboBox>("ComboInversion");
    // Three- and four-note chords alike: question after question, with and without an answer.
    for (int question = 0; question < 6; ++question) {
        ASSERT_TRUE(list->isVisible());
        const QList<QRect> empty = places();
        findControl<QAction>(window.get(), "mnuchordtype", 3)->menu()->actions().value(0)->trigger();
        EXPECT_EQ(places(), empty) << "vii-dim7 of";
        findControl<QAction>(window.get(), "mnuchordtype", 0)->menu()->actions().value(0)->trigger();
        EXPECT_EQ(places(), empty) << "Triad :";
        list->setCurrentIndex(0);
        emit list->activated(0);
        EXPECT_EQ(places(), empty) << "inversion";
        findControl<QAction>(window.get(), "mnuchordtype", 5)->trigger();
        prompter.answerNo(); // no second try
        control<QPushButton>("cmdOK")->click();
        closePopUps();
    }
}

} // namespace
} // namespace tonalyst::test
