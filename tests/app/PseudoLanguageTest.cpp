#include "MainWindowFixture.h"

#include "app/EarTrainingWindow.h"
#include "app/HelpWindow.h"
#include "app/MidiDialog.h"
#include "history/HistoryStore.h"
#include "midi/MidiInput.h"
#include "progress/ProgressWindow.h"
#include "report/ReportDesktop.h"
#include "report/ReportDialog.h"
#include "startup/UserIdDialog.h"
#include "theory/Translate.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTranslator>
#include <QtMath>

namespace tonalyst::test {
namespace {

std::string translateBelowQt(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

// Every text in the tests' own language, about 40 % longer than English and accented
// (made by pseudo/pseudo_translate), from before the first window is made.
class PseudoLanguage {
public:
    PseudoLanguage() {
        m_loaded = m_translator.load(QStringLiteral(":/i18n/tonalyst_pseudo.qm"));
        QCoreApplication::installTranslator(&m_translator);
        setTranslator(translateBelowQt);
    }
    ~PseudoLanguage() {
        setTranslator(nullptr);
        QCoreApplication::removeTranslator(&m_translator);
    }

protected:
    bool m_loaded = false;

private:
    QTranslator m_translator;
};

void settle() {
    QApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QApplication::processEvents();
}

void closePopUps() {
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

QString textOf(const QWidget* widget) {
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->text();
    if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        return box->title();
    if (const auto* list = qobject_cast<const QComboBox*>(widget))
        return list->isEditable() ? QString() : list->currentText();
    if (const auto* field = qobject_cast<const QLineEdit*>(widget))
        return field->text().isEmpty() ? field->placeholderText() : field->text();
    return {};
}

// The width the widget leaves its text (it is drawn in a part of the widget), and the
// width the text takes; for a label, the whole label's, as its size hint measures rich
// text and frames too.
struct Room {
    int needs;
    int has;
};

Room widthOf(const QWidget* widget, const QString& text) {
    // A caption's & marks its shortcut; in a field or a list it is a letter like others,
    // laid out to the fraction of a pixel.
    const int textWidth = widget->fontMetrics().size(Qt::TextShowMnemonic, text).width();
    const int fieldTextWidth = qCeil(QFontMetricsF(widget->font()).horizontalAdvance(text));
    const QStyle* style = widget->style();
    // A wrapped label needs room for its longest word only.
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return {label->wordWrap() ? label->minimumSizeHint().width() : label->sizeHint().width(),
                label->width()};
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = text;
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        const QStyle::SubElement part = qobject_cast<const QCheckBox*>(button) ? QStyle::SE_CheckBoxContents
                                        : qobject_cast<const QRadioButton*>(button)
                                            ? QStyle::SE_RadioButtonContents
                                            : QStyle::SE_PushButtonContents;
        return {textWidth + icon, style->subElementRect(part, &option, button).width()};
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = text;
        option.textAlignment = box->alignment();
        option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
        if (box->isCheckable())
            option.subControls |= QStyle::SC_GroupBoxCheckBox;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        // The title keeps as far from the right edge as from the left.
        return {title.right() + 1 + title.left(), box->width()};
    }
    if (const auto* field = qobject_cast<const QLineEdit*>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = style->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        const QRect room =
            style->subElementRect(QStyle::SE_LineEditContents, &option, field) - field->textMargins();
        // Qt keeps two pixels free at either end of the text.
        return {fieldTextWidth, room.width() - 4};
    }
    const auto* list = qobject_cast<const QComboBox*>(widget);
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.currentText = text;
    const int icon = list->itemIcon(list->currentIndex()).isNull() ? 0 : list->iconSize().width() + 4;
    return {fieldTextWidth + icon,
            style->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width()};
}

QString nameOf(const QWidget* widget) {
    const QString name = widget->objectName().isEmpty()
                             ? QString::fromLatin1(widget->metaObject()->className())
                             : widget->objectName();
    const int index = controlIndex(widget);
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

// Where a window cuts a text short: wider than the room its control gives it, taller than
// the control (lines, wrapped or not), or lying partly outside the control's parent or
// under another control with text. Each fault reads
// "window/control: text (needs N px, has M px)", to say what to fix.
QStringList clippedTexts(const QWidget* window) {
    QStringList faults;
    const auto fault = [&](const QWidget* widget, const QString& text, int needs, int has, const char* what) {
        faults << QStringLiteral("%1/%2: %3 (needs %4 px%5, has %6 px)")
                      .arg(nameOf(window), nameOf(widget), text)
                      .arg(needs)
                      .arg(QLatin1String(what))
                      .arg(has);
    };
    QList<const QWidget*> shown;
    for (const QWidget* widget : window->findChildren<QWidget*>()) {
        const QString text = textOf(widget);
        // The names under the staff's notes follow the note-name setting, not the language,
        // so they are no longer here than in English; the staff places them with the notes.
        if (!widget->isVisible() || text.isEmpty() || widget->objectName() == QLatin1String("notenames"))
            continue;
        shown << widget;
        const Room width = widthOf(widget, text);
        if (width.needs > width.has)
            fault(widget, text, width.needs, width.has, "");
        const auto* label = qobject_cast<const QLabel*>(widget);
        const int height = !label              ? 0
                           : label->wordWrap() ? label->heightForWidth(label->width())
                                               : label->sizeHint().height();
        if (height > widget->height())
            fault(widget, text, height, widget->height(), " high");
        const QRect place = widget->geometry();
        const QSize parent = widget->parentWidget()->size();
        if (!QRect(QPoint(), parent).contains(place))
            faults << QStringLiteral("%1/%2: %3 lies outside its parent (%4 x %5 px at %6,%7 in %8 x %9 px)")
                          .arg(nameOf(window), nameOf(widget), text)
                          .arg(place.width())
                          .arg(place.height())
                          .arg(place.x())
                          .arg(place.y())
                          .arg(parent.width())
                          .arg(parent.height());
    }
    for (qsizetype i = 0; i < shown.size(); ++i)
        for (const QWidget* other : shown.mid(i + 1))
            if (const QWidget* one = shown[i];
                one->parentWidget() == other->parentWidget() && one->geometry().intersects(other->geometry()))
                faults << QStringLiteral("%1/%2: %3 lies over %4: %5")
                              .arg(nameOf(window), nameOf(one), textOf(one), nameOf(other), textOf(other));
    // What a menu bar or a tool bar has no room for goes into a menu of its own, out of sight.
    const auto hidden = [&](const QWidget* bar, QAction* item, bool inSight) {
        if (bar->isVisible() && item->isVisible() && !item->text().isEmpty() && !inSight)
            faults << QStringLiteral("%1/%2: %3 (needs %4 px, has %5 px)")
                          .arg(nameOf(window), nameOf(bar), item->text())
                          .arg(bar->sizeHint().width())
                          .arg(bar->width());
    };
    for (const QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* item : bar->actions())
            hidden(bar, item, bar->rect().contains(bar->actionGeometry(item)));
    for (const QToolBar* bar : window->findChildren<QToolBar*>())
        for (QAction* item : bar->actions())
            hidden(bar, item, bar->widgetForAction(item) && bar->widgetForAction(item)->isVisible());
    return faults;
}

// A keyboard plugged in and listened to, as the MIDI dialog shows one.
class PluggedKeyboard final : public MidiInput {
public:
    bool hasSystem() override { return true; }
    QStringList ports() override { return {QStringLiteral("Digital Piano:Digital Piano MIDI 1 24:0")}; }
    bool open(const QString& port) override {
        m_open = port;
        return true;
    }
    void close() override { m_open.clear(); }
    QString openPort() const override { return m_open; }
    QString error() const override { return {}; }

private:
    QString m_open;
};

class PseudoLanguageWindows : protected PseudoLanguage, public MainWindowTest {
protected:
    // The window at its smallest, as a student may make it, then what it clips.
    QString faultsAtSmallest(QWidget* shown) {
        shown->show();
        settle();
        shown->resize(shown->minimumSizeHint().expandedTo(shown->minimumSize()));
        settle();
        return clippedTexts(shown).join(QLatin1Char('\n'));
    }

    // Each modal dialog the item opens, looked at while it is up.
    QString faultsOfDialogFrom(const char* item) {
        QString faults = QStringLiteral("no dialog");
        QTimer::singleShot(0, [this, &faults] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                faults = faultsAtSmallest(dialog);
                dialog->close();
            }
        });
        action(item)->setEnabled(true);
        action(item)->trigger();
        return faults;
    }

    void expectNoneClipped(QWidget* shown, const char* when = "") {
        EXPECT_EQ(faultsAtSmallest(shown).toStdString(), "") << nameOf(shown).toStdString() << " " << when;
    }
};

TEST_F(PseudoLanguageWindows, EveryWindowAtItsSmallestShowsItsLongerTranslatedTextsWhole) {
    ASSERT_TRUE(m_loaded);
    ASSERT_NE(control<QMenu>("mnuutility")->title(), QStringLiteral("&Utility    ")) << "not in the language";

    expectNoneClipped(window.get(), "idle");
    for (const char* activity : {"mnuspell", "mnuIntSpell", "mnuIdentify", "mnuIntId", "mnukeysigid"}) {
        action(activity)->trigger();
        control<QPushButton>("cmdStart")->click();
        closePopUps();
        expectNoneClipped(window.get(), activity);
        prompter.answerYes();
        action("mnuquittest")->trigger();
    }

    for (const char* item :
         {"mnukeyset", "mnuChordset", "mnuinversion", "mnuintervaloption", "mnuetchordselect", "mnuclef",
          "mnuViewKeysig", "mnutestlong", "mnuidle", "mnuabout", "mnuscaledegreesopt", "mnuchordfunctionsopt",
          "mnuprogressionsopt", "mnucadencesopt", "mnuclassserver", "mnulanguage"})
        EXPECT_EQ(faultsOfDialogFrom(item).toStdString(), "") << item;
    window->attachMidi(std::make_unique<PluggedKeyboard>());
    EXPECT_EQ(faultsOfDialogFrom("mnumidi").toStdString(), "") << "mnumidi";

    // The ear-training window asking, the second time with its name pad.
    for (const char* activity : {"mnuintet", "mnuscaledegrees"}) {
        action(activity)->trigger();
        control<QPushButton>("cmdStart")->click();
        closePopUps();
        ASSERT_TRUE(window->earTrainingWindow()->isVisible()) << activity;
        expectNoneClipped(window->earTrainingWindow(), activity);
        prompter.answerYes();
        action("mnuquittest")->trigger();
    }

    UserIdDialog userId(prompter);
    expectNoneClipped(&userId);
    HelpWindow help;
    expectNoneClipped(&help);
    ReportDialog report(platform.clock, platform.prompter, platform.files, QStringLiteral("AB"), nullptr,
                        ReportDesktop{});
    expectNoneClipped(&report);
    for (QDialog* reportWindow : report.findChildren<QDialog*>())
        expectNoneClipped(reportWindow);

    // Progress with a section of figures, from an answer in the history.
    {
        HistoryStore store(HistoryStore::pathIn(files.dataDir()));
        QString notice;
        QString error;
        ASSERT_TRUE(store.open(HistoryStore::Access::ReadWrite, notice)) << notice.toStdString();
        AnswerRecord answer;
        answer.answerId = QStringLiteral("a1");
        answer.answeredUtc = clock.now().toUTC();
        answer.userId = QStringLiteral("kim");
        answer.method = QStringLiteral("practice");
        answer.activity = QStringLiteral("intid");
        answer.right = QStringLiteral("Third : / major");
        answer.given = QStringLiteral("Third : / minor");
        ASSERT_TRUE(store.append({answer}, error)) << error.toStdString();
    }
    window->setUserId(QStringLiteral("kim"));
    action("mnuprogress")->trigger();
    auto* progress = window->findChild<ProgressWindow*>(QStringLiteral("frmprogress"));
    ASSERT_NE(progress, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !progress->isBusy(); }, 5000));
    expectNoneClipped(progress);
}

} // namespace
} // namespace tonalyst::test
