#include "ProgressTestKit.h"
#include "history/AnswerExport.h"
#include "history/HistoryStore.h"
#include "progress/ActivitySection.h"
#include "progress/ProgressWindow.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompter.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>
#include <QValueAxis>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

using test::answerOn;
using test::identification;
using test::spelling;

const QDate kToday(2026, 11, 20);
constexpr int kChordSpelling = 3;
constexpr int kChordId = 4;

struct ProgressWindowTest : ::testing::Test {
    test::FakeClock clock{QDateTime(kToday, QTime(18, 0), Qt::UTC)};
    test::ScriptedPrompter prompter;
    std::vector<AnswerRecord> answers;

    QString csvPath; // what the save dialog "chooses"; empty for Cancel
    int dialogs = 0;

    ProgressDesktop desktop(QString error = {}) {
        ProgressDesktop stand_in;
        stand_in.loadFigures = [answers = answers, error](const ProgressQuery& query) {
            return FiguresLoad{computeProgress(answers, query), !answers.empty(), error};
        };
        stand_in.exportAnswers = [answers = answers, error](const ProgressQuery& query, QIODevice& csv) {
            const std::vector<AnswerRecord> within = answersWithin(answers, query);
            if (error.isEmpty())
                writeAnswersCsv(csv, within);
            return AnswerExportLoad{error.isEmpty() ? qint64(within.size()) : 0, error};
        };
        stand_in.chooseCsvPath = [this](QWidget*) {
            ++dialogs;
            return csvPath;
        };
        stand_in.zone = QTimeZone::utc();
        return stand_in;
    }

    std::unique_ptr<ProgressWindow> open(QString error = {}) {
        auto window = std::make_unique<ProgressWindow>(QStringLiteral("kim"), desktop(error), clock, prompter);
        settle(*window);
        return window;
    }

    static void settle(ProgressWindow& window) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return !window.isBusy(); }, 5000));
        QCoreApplication::processEvents();
    }

    static QComboBox* combo(ProgressWindow& window, const char* name) {
        return window.findChild<QComboBox*>(QString::fromLatin1(name));
    }

    static ActivitySection* section(ProgressWindow& window, int activity) {
        for (ActivitySection* candidate : window.sections())
            if (candidate->property("activity").toInt() == activity)
                return candidate;
        return nullptr;
    }

    static QStringList column(QTableWidget* table, int column) {
        QStringList cells;
        for (int row = 0; row < table->rowCount(); ++row)
            cells << (table->item(row, column) ? table->item(row, column)->text() : QString());
        return cells;
    }
};

TEST_F(ProgressWindowTest, showsEachActivityWithAnswersAndItsFiguresAsText) {
    answers = {answerOn(kToday, "spell", true, 10), answerOn(kToday, "spell", false, 20),
               answerOn(kToday.addDays(-1), "spell", true, 6, "test"),
               identification(kToday, QStringLiteral("Augmented 6 : / German"),
                              QStringLiteral("Augmented 6 : / Italian"))};
    auto window = open();
    EXPECT_EQ(window->objectName(), QStringLiteral("frmprogress"));
    ASSERT_EQ(window->sections().size(), 2);
    ActivitySection* spell = section(*window, kChordSpelling);
    ASSERT_TRUE(spell);
    QTableWidget* trend = spell->trendTable();
    ASSERT_EQ(trend->rowCount(), 2);
    EXPECT_EQ(column(trend, 1), (QStringList{QString(), QStringLiteral("2")}));
    EXPECT_EQ(column(trend, 2), (QStringList{QString(), QStringLiteral("50%")}));
    EXPECT_EQ(column(trend, 3), (QStringList{QString(), QStringLiteral("15.0 s")}));
    EXPECT_EQ(column(trend, 5), (QStringList{QStringLiteral("100%"), QString()}));

    ActivitySection* identify = section(*window, kChordId);
    ASSERT_TRUE(identify);
    EXPECT_EQ(column(identify->confusionTable(), 0),
              QStringList{QStringLiteral("Augmented 6 German answered as Italian")});
    EXPECT_TRUE(column(identify->weakSpotTable(), 1).contains(QStringLiteral("German")));
    EXPECT_TRUE(window->findChild<QLabel*>(QStringLiteral("lblprogress"))->text().startsWith(QStringLiteral("4 answers")));
}

// One day of answers in a month: the teacher's first look at a new student.
TEST_F(ProgressWindowTest, aSingleDayIsReadableAtAGlanceInTheWindowsColours) {
    answers = {answerOn(kToday, "spell", true, 10), answerOn(kToday, "spell", true, 11),
               answerOn(kToday, "spell", false, 13), answerOn(kToday, "spell", false, 17, "test")};
    for (const char* given : {"German", "Italian", "Italian", "Italian"})
        answers.push_back(identification(kToday, QStringLiteral("Augmented 6 : / German"),
                                         QStringLiteral("Augmented 6 : / ") + QLatin1String(given)));
    ProgressWindow window(QStringLiteral("kim"), desktop(), clock, prompter);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    window.setPalette(dark);
    window.resize(1400, 1000);
    window.show();
    settle(window);
    ASSERT_EQ(window.sections().size(), 2);

    for (ActivitySection* shown : window.sections()) {
        QChart* chart = shown->findChild<QChartView*>()->chart();
        EXPECT_EQ(chart->backgroundBrush().color(), dark.color(QPalette::Base));
        for (QAbstractAxis* axis : chart->axes())
            EXPECT_EQ(axis->labelsBrush().color(), dark.color(QPalette::Text));
        // Every point well inside the plot, with its figure written beside it.
        for (QAbstractSeries* series : chart->series()) {
            auto* line = static_cast<QLineSeries*>(series);
            EXPECT_TRUE(line->pointLabelsVisible());
            for (QAbstractAxis* attached : line->attachedAxes()) {
                const auto* axis = qobject_cast<QValueAxis*>(attached);
                ASSERT_TRUE(axis);
                const qreal margin = 0.04 * (axis->max() - axis->min());
                for (const QPointF& point : line->points()) {
                    const qreal value = attached->orientation() == Qt::Horizontal ? point.x() : point.y();
                    EXPECT_GE(value - axis->min(), margin) << line->name().toStdString();
                    EXPECT_GE(axis->max() - value, margin) << line->name().toStdString();
                }
                // Seconds at whole numbers only.
                if (attached->alignment() == Qt::AlignRight) {
                    EXPECT_EQ(axis->tickInterval(), std::round(axis->tickInterval()));
                }
            }
        }
        // One line per row, and no empty strip below the last.
        for (QTableWidget* table : {shown->trendTable(), shown->weakSpotTable(), shown->confusionTable()}) {
            for (int row = 0; row < table->rowCount(); ++row)
                EXPECT_LE(table->rowHeight(row), 2 * table->fontMetrics().height());
            EXPECT_LE(table->viewport()->height() - table->rowCount() * table->rowHeight(0), 2)
                << table->objectName().toStdString();
        }
    }
    // Two right of three as the status panel says it; each count said once.
    EXPECT_EQ(column(section(window, kChordSpelling)->trendTable(), 2), QStringList{QStringLiteral("66%")});
    QTableWidget* confusions = section(window, kChordId)->confusionTable();
    EXPECT_EQ(column(confusions, 0), QStringList{QStringLiteral("Augmented 6 German answered as Italian")});
    EXPECT_EQ(column(confusions, 1), QStringList{QStringLiteral("3")});
    EXPECT_EQ(column(confusions, 2), QStringList{QStringLiteral("4")});
}

TEST_F(ProgressWindowTest, choosingAnotherPeriodOrActivityUpdatesTheTables) {
    answers = {answerOn(kToday.addDays(-20), "spell", false), answerOn(kToday, "spell", true),
               spelling(kToday.addDays(-20), QStringLiteral("E4 G#4 B4"), QStringLiteral("E4 Ab4 B4")),
               answerOn(kToday.addDays(-20), "intid", true)};
    auto window = open();
    EXPECT_EQ(combo(*window, "cboperiod")->currentText(), QStringLiteral("Last 30 days"));
    EXPECT_EQ(window->sections().size(), 2);
    EXPECT_EQ(section(*window, kChordSpelling)->trendTable()->rowCount(), 2);
    EXPECT_EQ(column(section(*window, kChordSpelling)->confusionTable(), 1),
              QStringList{QStringLiteral("A-flat for G-sharp")});

    combo(*window, "cboperiod")->setCurrentText(QStringLiteral("Last 7 days"));
    settle(*window);
    ASSERT_EQ(window->sections().size(), 1);
    EXPECT_EQ(section(*window, kChordSpelling)->trendTable()->rowCount(), 1);
    EXPECT_EQ(column(section(*window, kChordSpelling)->trendTable(), 2), QStringList{QStringLiteral("100%")});
    EXPECT_EQ(section(*window, kChordSpelling)->confusionTable()->item(0, 0)->text(),
              QStringLiteral("No mistakes to tell apart in this period."));

    combo(*window, "cboperiod")->setCurrentText(QStringLiteral("All time"));
    settle(*window);
    combo(*window, "cboactivity")->setCurrentText(QStringLiteral("Interval Identification"));
    ASSERT_EQ(window->sections().size(), 1);
    EXPECT_TRUE(section(*window, 2));
    // A chosen activity is shown even without answers, saying so.
    combo(*window, "cboactivity")->setCurrentText(QStringLiteral("Chord Identification"));
    ASSERT_EQ(window->sections().size(), 1);
    EXPECT_EQ(section(*window, kChordId)->trendTable()->item(0, 0)->text(),
              QStringLiteral("No questions in this period."));
}

TEST_F(ProgressWindowTest, figuresAndExportsComeFromTheHistoryFileAndOnlyTheStudentsOwnAnswers) {
    QTemporaryDir dir;
    {
        std::vector<AnswerRecord> stored{answerOn(kToday, "spell", true, 10), answerOn(kToday, "spell", false, 20),
                                         answerOn(kToday.addDays(-20), "spell", false),
                                         answerOn(kToday, "identify", false)};
        stored.back().userId = QStringLiteral("lee");
        for (AnswerRecord& answer : stored)
            answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        HistoryStore store(HistoryStore::pathIn(dir.path()));
        QString notice;
        QString error;
        ASSERT_TRUE(store.open(HistoryStore::Access::ReadWrite, notice));
        ASSERT_TRUE(store.append(stored, error)) << error.toStdString();
    }
    ProgressDesktop history = systemProgressDesktop(dir.path(), QStringLiteral("kim"));
    history.zone = QTimeZone::utc();
    csvPath = dir.filePath(QStringLiteral("kim.csv"));
    history.chooseCsvPath = desktop().chooseCsvPath;
    ProgressWindow window(QStringLiteral("kim"), history, clock, prompter);
    settle(window);
    ASSERT_EQ(window.sections().size(), 1);
    EXPECT_EQ(column(section(window, kChordSpelling)->trendTable(), 3),
              (QStringList{QStringLiteral("10.0 s"), QStringLiteral("15.0 s")}));
    EXPECT_TRUE(window.findChild<QLabel*>(QStringLiteral("lblprogress"))->text().startsWith(QStringLiteral("3 answers")));

    combo(window, "cboperiod")->setCurrentText(QStringLiteral("Last 7 days"));
    settle(window);
    EXPECT_EQ(section(window, kChordSpelling)->trendTable()->rowCount(), 1);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdexportcsv")), Qt::LeftButton);
    settle(window);
    QFile file(csvPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    // A header and the two answers of the last seven days.
    EXPECT_EQ(file.readAll().count('\n'), 3);
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ProgressWindowTest, aHistoryThatCannotBeReadIsSaidOnceAndShowsNothing) {
    auto window = open(QStringLiteral("The history could not be read."));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.lastText(), QStringLiteral("The history could not be read."));
    EXPECT_TRUE(window->sections().isEmpty());
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblprogress"))->text(), QStringLiteral("No answers yet."));
    // Each period is read anew, but the student hears of it once.
    combo(*window, "cboperiod")->setCurrentText(QStringLiteral("Last 7 days"));
    settle(*window);
    EXPECT_EQ(prompter.shown().size(), 1u);
}

TEST_F(ProgressWindowTest, theKeyboardReachesEveryChoiceAndTableAndEachHasAName) {
    answers = {answerOn(kToday, "spell", false), answerOn(kToday, "identify", false)};
    auto window = open();
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QWidget* start = combo(*window, "cboperiod");
    start->setFocus();
    QList<QWidget*> reached;
    for (QWidget* at = start; !reached.contains(at); at = at->nextInFocusChain()) {
        if (at->focusPolicy() & Qt::TabFocus && at->isVisible())
            reached << at;
    }
    int tables = 0;
    for (QWidget* widget : reached) {
        tables += qobject_cast<QTableWidget*>(widget) ? 1 : 0;
        EXPECT_FALSE(widget->accessibleName().isEmpty() && qobject_cast<QTableWidget*>(widget))
            << widget->objectName().toStdString();
    }
    EXPECT_EQ(tables, 6);
    EXPECT_EQ(reached[1], combo(*window, "cboactivity"));
    EXPECT_TRUE(reached.contains(window->findChild<QPushButton*>(QStringLiteral("cmdclose"))));
}

TEST_F(ProgressWindowTest, exportWritesTheAnswersOfTheChosenPeriodToTheChosenFile) {
    answers = {answerOn(kToday.addDays(-20), "spell", false), answerOn(kToday, "spell", true),
               identification(kToday, QStringLiteral("Triad : / ii"), QStringLiteral("Triad : / \"IV\", again"))};
    QTemporaryDir dir;
    auto window = open();
    auto* exportButton = window->findChild<QPushButton*>(QStringLiteral("cmdexportcsv"));
    ASSERT_TRUE(exportButton);
    EXPECT_EQ(exportButton->text(), QStringLiteral("Export CSV ..."));

    // Cancelling the dialog writes nothing.
    QTest::mouseClick(exportButton, Qt::LeftButton);
    settle(*window);
    EXPECT_EQ(dialogs, 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());

    combo(*window, "cboperiod")->setCurrentText(QStringLiteral("Last 7 days"));
    settle(*window);
    csvPath = dir.filePath(QStringLiteral("kim.csv"));
    QTest::mouseClick(exportButton, Qt::LeftButton);
    settle(*window);
    QFile file(csvPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    // A header, the two answers of the last seven days, and the end of the last line.
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[2].contains("\"Triad : / \"\"IV\"\", again\""));
    EXPECT_EQ(window->findChild<QLabel*>(QStringLiteral("lblprogress"))->text(),
              QStringLiteral("2 answers written to ") + csvPath + QLatin1Char('.'));
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(ProgressWindowTest, anExportThatCannotBeWrittenSaysWhyAndLeavesNoFile) {
    answers = {answerOn(kToday, "spell", true)};
    QTemporaryDir dir;
    csvPath = dir.filePath(QStringLiteral("no such folder/kim.csv"));
    auto window = open();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("cmdexportcsv")), Qt::LeftButton);
    settle(*window);
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(prompter.lastText().startsWith(QStringLiteral("The answers could not be written to ") + csvPath));
    EXPECT_FALSE(QFile::exists(csvPath));
    EXPECT_TRUE(window->findChild<QPushButton*>(QStringLiteral("cmdexportcsv"))->isEnabled());
}

} // namespace
} // namespace tonalyst
