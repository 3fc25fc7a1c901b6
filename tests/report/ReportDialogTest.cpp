#include "ReportTestKit.h"

#include "platform/ControlNames.h"
#include "records/PerformanceDataFile.h"
#include "records/RecordMessages.h"
#include "report/ReportDialog.h"
#include "report/ReportDisplayWindow.h"
#include "report/ReportPrinting.h"
#include "report/ReportProgressWindow.h"
#include "support/FakeClock.h"
#include "support/ScriptedPrompter.h"
#include "support/TempLocations.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace tonalyst::test {
namespace {

class ReportDialogTest : public ::testing::Test {
protected:
    ReportDialogTest() {
        QDir().mkpath(files.dataDir());
        desktop.chooseSourceFile = [this](QWidget*) { return chosenFile; };
        desktop.openPrinter = [this](QWidget*) -> std::unique_ptr<QPrinter> {
            if (pdfPath.isEmpty())
                return nullptr;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdfPath);
            printer->setPageOrientation(orientation);
            return printer;
        };
    }

    // The program's own data file with these records, sealed as the program leaves it.
    void sealedDataFile(const QByteArray& records) {
        PerformanceDataFile own(files, clock);
        QFile::remove(own.sealFilePath());
        ASSERT_TRUE(writeFile(own.dataFilePath(), records));
        own.ensureseal();
    }

    ReportDialog& dialog() {
        if (!m_dialog) {
            m_dialog = std::make_unique<ReportDialog>(clock, prompter, files, QStringLiteral("AB"), nullptr,
                                                      desktop);
            m_dialog->show();
        }
        return *m_dialog;
    }

    // A control of the dialog itself; the display window, its child, has buttons of the same names.
    template <typename T = QWidget> T* control(const char* name, int index = -1) {
        for (T* found : dialog().findChildren<T*>(QString::fromLatin1(name))) {
            if (found->window() == &dialog() && (index < 0 || controlIndex(found) == index))
                return found;
        }
        ADD_FAILURE() << "no control " << name;
        return nullptr;
    }

    QString shownReport() { return dialog().displayWindow()->reportText(); }

    FakeClock clock; // 12 May 1998
    ScriptedPrompter prompter;
    TempLocations files;
    ReportDesktop desktop;
    QString chosenFile;
    QString pdfPath;
    QPageLayout::Orientation orientation = QPageLayout::Landscape;

private:
    std::unique_ptr<ReportDialog> m_dialog;
};

TEST_F(ReportDialogTest, OpensOnTheLastSevenDaysOfTheCurrentUsersCompositeReport) {
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("Create Report"));
    EXPECT_EQ(control<QLineEdit>("txtsourcefile")->text(), QStringLiteral("varen.dat"));
    EXPECT_EQ(control<QLineEdit>("txtrelative")->text(), QStringLiteral("7"));
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 7);
    EXPECT_EQ(control<QLineEdit>("txtfromto", 0)->text(), QStringLiteral("6 May 98"));
    EXPECT_EQ(control<QLineEdit>("txtfromto", 1)->text(), QStringLiteral("12 May 98"));
    EXPECT_FALSE(control<QLineEdit>("txtfromto", 0)->isEnabled());
    EXPECT_TRUE(control<QRadioButton>("optperiod", 1)->isChecked());
    EXPECT_TRUE(control<QRadioButton>("opttype", 3)->isChecked());
    EXPECT_EQ(control<QLabel>("lbluser")->text(), QStringLiteral("Report for current user: AB"));
    EXPECT_FALSE(control<QPushButton>("Command4")->isVisible());
}

TEST_F(ReportDialogTest, DaysStayBetweenOneAndThirtyOneAndMoveTheStartDate) {
    auto* days = control<QLineEdit>("txtrelative");
    days->setText(QStringLiteral("40"));
    EXPECT_EQ(days->text(), QStringLiteral("31"));
    EXPECT_EQ(control<QScrollBar>("HScroll1")->value(), 31);
    days->setText(QStringLiteral("0"));
    EXPECT_EQ(days->text(), QStringLiteral("1"));
    EXPECT_EQ(control<QLineEdit>("txtfromto", 0)->text(), QStringLiteral("12 May 98"));
    control<QScrollBar>("HScroll1")->setValue(10);
    EXPECT_EQ(days->text(), QStringLiteral("10"));
    EXPECT_EQ(control<QLineEdit>("txtfromto", 0)->text(), QStringLiteral("03 May 98"));
}

TEST_F(ReportDialogTest, ARelativeWeekEndingTodayCoversSixToTwelveMay) {
    sealedDataFile(spellingRecords("AB", QDate(1998, 5, 5), 2) + spellingRecords("AB", QDate(1998, 5, 6), 3) +
                   spellingRecords("AB", QDate(1998, 5, 12), 4) +
                   spellingRecords("CD", QDate(1998, 5, 8), 5));
    dialog().buildreport();
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.lastText().toStdString();
    EXPECT_TRUE(dialog().displayWindow()->isVisible());
    EXPECT_FALSE(dialog().progressWindow()->isVisible());
    EXPECT_EQ(findControl<QProgressBar>(dialog().progressWindow(), "ProgressBar1")->value(), 100);
    const QStringList lines = shownReport().split(QLatin1Char('\n'));
    EXPECT_TRUE(
        lines[1].startsWith(QStringLiteral("    Performance Report for period :6-May-98 to 12-May-98")));
    const QStringList total = lines[10].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    EXPECT_EQ(total[2], QStringLiteral("7")); // the triads of 6 and 12 May, not 5 May, not CD's
    EXPECT_EQ(total.last(), QStringLiteral("7"));
}

TEST_F(ReportDialogTest, ItsOwnShortDatesReadBackInTheRightCenturyFrom2030On) {
    clock.set(QDateTime(QDate(2030, 1, 5), QTime(9, 0)));
    sealedDataFile(spellingRecords("AB", QDate(2029, 12, 30), 2) +
                   spellingRecords("AB", QDate(2030, 1, 5), 3) + spellingRecords("AB", QDate(1930, 1, 1), 4));
    control<QRadioButton>("optperiod", 0)->click();
    EXPECT_EQ(control<QLineEdit>("txtfromto", 0)->text(), QStringLiteral("30 Dec 29"));
    EXPECT_EQ(control<QLineEdit>("txtfromto", 1)->text(), QStringLiteral("5 Jan 30"));
    dialog().buildreport();
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.lastText().toStdString();
    const QStringList lines = shownReport().split(QLatin1Char('\n'));
    EXPECT_TRUE(
        lines[1].startsWith(QStringLiteral("    Performance Report for period :30-Dec-29 to 5-Jan-30")));
    EXPECT_EQ(lines[10].split(QLatin1Char(' '), Qt::SkipEmptyParts)[2], QStringLiteral("5"));
}

TEST_F(ReportDialogTest, RefusesBadAbsoluteDatesAndPointsAtTheBox) {
    control<QRadioButton>("optperiod", 0)->click();
    auto* from = control<QLineEdit>("txtfromto", 0);
    auto* to = control<QLineEdit>("txtfromto", 1);
    EXPECT_TRUE(to->isEnabled());
    EXPECT_FALSE(control<QLineEdit>("txtrelative")->isEnabled());
    to->setText(QStringLiteral("31 Feb 98"));
    dialog().buildreport();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Invalid End Date"));
    EXPECT_EQ(to->selectedText(), QStringLiteral("31 Feb 98"));
    to->setText(QStringLiteral("12 May 98"));
    from->setText(QStringLiteral("soon"));
    dialog().buildreport();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Invalid Start Date"));
    from->setText(QStringLiteral("13 May 98"));
    dialog().buildreport();
    EXPECT_EQ(prompter.lastText(), QStringLiteral("Start Date must preceed End Date"));
    EXPECT_FALSE(dialog().displayWindow()->isVisible());
}

TEST_F(ReportDialogTest, ChoosingAFileFillsTheBoxAndCancellingLeavesIt) {
    chosenFile = QStringLiteral("/archive/1997.dat");
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(control<QLineEdit>("txtsourcefile")->text(), chosenFile);
    chosenFile.clear();
    control<QPushButton>("Command1")->click();
    EXPECT_EQ(control<QLineEdit>("txtsourcefile")->text(), QStringLiteral("/archive/1997.dat"));
}

TEST_F(ReportDialogTest, AFileThatIsMissingOrNotTonalystsGivesTheFileMessageAndNoReport) {
    const QString problem = QStringLiteral(
        "There is a problem with the chosen file.  Be sure to choose a file which was created by "
        "Tonalyst\r\n\r\n"
        "(Tonalyst automatically creates a file named Varen.dat in the Tonalyst application directory).");
    const QString other = QDir(files.root()).filePath(QStringLiteral("other.dat"));
    const QByteArray bad[] = {"\"AB\",#1998-05-12#,\"test\"\r\n",
                              "\"AB\",#1998-13-12#,\"t\",\"s\",\"0\",\"x\",1,1,1\r\n", QByteArray(5000, 'x'),
                              QByteArray("\0\1\2\3\xff", 5)};
    control<QLineEdit>("txtsourcefile")->setText(other);
    dialog().buildreport();
    EXPECT_EQ(prompter.lastText(), problem);
    for (const QByteArray& bytes : bad) {
        prompter.clear();
        ASSERT_TRUE(writeFile(other, spellingRecords("AB", QDate(1998, 5, 8), 3) + bytes));
        dialog().buildreport();
        EXPECT_EQ(prompter.texts(), QStringList{problem});
        EXPECT_FALSE(dialog().displayWindow()->isVisible());
        EXPECT_FALSE(dialog().progressWindow()->isVisible());
        EXPECT_TRUE(dialog().isVisible());
    }
}

TEST_F(ReportDialogTest, AnEditedDataFileIsRefusedWhereverItIsReachedFrom) {
    sealedDataFile(spellingRecords("AB", QDate(1998, 5, 8), 3));
    const QString own = QDir(files.dataDir()).filePath(QStringLiteral("varen.dat"));
    QFile edited(own);
    ASSERT_TRUE(edited.open(QIODevice::Append));
    edited.write(spellingRecords("AB", QDate(1998, 5, 8), 1));
    edited.close();
    QDir(files.root()).mkpath(QStringLiteral("archive"));
    const QString archived = QDir(files.root()).filePath(QStringLiteral("archive/varen.dat"));
    ASSERT_TRUE(writeFile(archived, spellingRecords("AB", QDate(1998, 5, 8), 3)));
    control<QLineEdit>("txtsourcefile")->setText(archived);
    dialog().buildreport();
    EXPECT_EQ(prompter.texts(), QStringList{unauthorizedModificationMessage()});
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), QDialog::Rejected);
}

TEST_F(ReportDialogTest, AdvisesArchivingOnlyBeyondAThousandRecords) {
    sealedDataFile(spellingRecords("CD", QDate(1998, 5, 8), 1000));
    dialog().buildreport();
    EXPECT_TRUE(prompter.texts().isEmpty());
    sealedDataFile(spellingRecords("CD", QDate(1998, 5, 8), 1001));
    dialog().buildreport();
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.lastText().startsWith(QStringLiteral("varen.dat now contains  1001 records.  ")));
    EXPECT_TRUE(dialog().displayWindow()->isVisible());
}

TEST_F(ReportDialogTest, BothShowsATestReportAndThenAPracticeReport) {
    sealedDataFile(spellingRecords("AB", QDate(1998, 5, 8), 3) +
                   spellingRecords("AB", QDate(1998, 5, 9), 5, QStringLiteral("practice")));
    control<QRadioButton>("opttype", 2)->click();
    dialog().buildreport();
    const QString text = shownReport();
    const qsizetype test = text.indexOf(QStringLiteral("    Report Type : test"));
    const qsizetype practice = text.indexOf(QStringLiteral("    Report Type : practice"));
    ASSERT_GE(test, 0);
    EXPECT_GT(practice, test);
    EXPECT_EQ(text.count(QStringLiteral("Performance Report for period")), 2);
}

TEST_F(ReportDialogTest, PrintsTheReportInLandscapeAndClosesBothWindows) {
    const QString other = QDir(files.root()).filePath(QStringLiteral("old.dat"));
    ASSERT_TRUE(writeFile(other, spellingRecords("AB", QDate(1998, 5, 8), 3)));
    control<QLineEdit>("txtsourcefile")->setText(other);
    dialog().buildreport();
    pdfPath = QDir(files.root()).filePath(QStringLiteral("report.pdf"));
    findControl<QPushButton>(dialog().displayWindow(), "Command2")->click();
    EXPECT_FALSE(dialog().displayWindow()->isVisible());
    EXPECT_FALSE(dialog().isVisible());
    ASSERT_GT(QFileInfo(pdfPath).size(), 0);
    if (const auto text = pdfText(pdfPath)) {
        EXPECT_TRUE(text->contains(QStringLiteral("Performance Report for period :06-May-98 to 12-May-98")))
            << text->toStdString();
        EXPECT_TRUE(text->contains(QStringLiteral("Method reported on : composite")));
        EXPECT_TRUE(text->contains(QStringLiteral("WARNING: THE SOURCE DATA FILE HAS NO SECURITY APPROVAL")));
        EXPECT_TRUE(text->contains(QStringLiteral("67%")));
    }
}

TEST_F(ReportDialogTest, APortraitPageIsRefusedAndNothingIsPrinted) {
    sealedDataFile(spellingRecords("AB", QDate(1998, 5, 8), 3));
    dialog().buildreport();
    const QString before = shownReport();
    pdfPath = QDir(files.root()).filePath(QStringLiteral("report.pdf"));
    orientation = QPageLayout::Portrait;
    findControl<QPushButton>(dialog().displayWindow(), "Command2")->click();
    EXPECT_EQ(
        prompter.lastText(),
        QStringLiteral("You must set page orientation to \"Landscape\"\r\n\r\nSee Windows printer settings"));
    EXPECT_FALSE(QFileInfo::exists(pdfPath));
    EXPECT_TRUE(dialog().displayWindow()->isVisible());
    EXPECT_EQ(shownReport(), before);
}

TEST_F(ReportDialogTest, BackKeepsTheDialogAndCloseEndsBoth) {
    sealedDataFile({});
    dialog().buildreport();
    findControl<QPushButton>(dialog().displayWindow(), "Command3")->click();
    EXPECT_FALSE(dialog().displayWindow()->isVisible());
    EXPECT_TRUE(dialog().isVisible());
    dialog().buildreport();
    findControl<QPushButton>(dialog().displayWindow(), "Command1")->click();
    EXPECT_FALSE(dialog().displayWindow()->isVisible());
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(dialog().result(), QDialog::Accepted);
}

TEST(ReportPrinter, WithoutAPrinterTheReportGoesToAChosenPdfInLandscape) {
    EXPECT_EQ(openReportPrinter(QPrinterInfo(), [] { return QString(); }), nullptr);
    const auto printer = openReportPrinter(QPrinterInfo(), [] { return QStringLiteral("/tmp/x.pdf"); });
    ASSERT_NE(printer, nullptr);
    EXPECT_EQ(printer->outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer->outputFileName(), QStringLiteral("/tmp/x.pdf"));
    EXPECT_FALSE(isPortrait(*printer));
}

} // namespace
} // namespace tonalyst::test
