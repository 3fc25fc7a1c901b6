// Compiling, showing and printing a report: the work behind View/Print and Print Report.

#include "report/ReportDialog.h"

#include "records/RecordMessages.h"
#include "records/ReportCompiler.h"
#include "records/ReportDates.h"
#include "records/ReportLayout.h"
#include "records/ReportMessages.h"
#include "records/ReportSource.h"
#include "report/ReportDisplayWindow.h"
#include "report/ReportPrinting.h"
#include "report/ReportProgressWindow.h"
#include "startup/ScreenFit.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

namespace tonalyst {

namespace {

// A few hundredths of a second of reading between two repaints of the progress window.
constexpr qint64 kSliceBytes = 4 << 20;

const QString kBoth = QStringLiteral("both");
const QString kComposite = QStringLiteral("composite");
// What the Report Type buttons stand for, whatever their captions say.
const std::array<QString, 4> kReportTypes{QStringLiteral("test"), QStringLiteral("practice"), kBoth,
                                          kComposite};

QStringList halvesOf(const QString& reportType) {
    if (reportType == kBoth)
        return {QStringLiteral("test"), QStringLiteral("practice")};
    return {reportType};
}

} // namespace

void ReportDialog::connectDisplay() {
    connect(m_display, &ReportDisplayWindow::closeClicked, this, &QDialog::accept);
    connect(m_display, &ReportDisplayWindow::backClicked, m_display, &QWidget::hide);
    connect(m_display, &ReportDisplayWindow::printClicked, this, [this] {
        // A refused or cancelled print leaves the report on the screen to try again.
        if (printreport())
            accept();
    });
}

void ReportDialog::done(int result) {
    m_display->hide();
    m_progress->hide();
    QDialog::done(result);
}

QString ReportDialog::reportType() const {
    for (std::size_t i = 0; i < m_type.size(); ++i) {
        if (m_type[i]->isChecked())
            return kReportTypes[i];
    }
    return kComposite;
}

std::optional<ReportDialog::Period> ReportDialog::validatedPeriod() {
    if (m_period[1]->isChecked())
        return Period{m_today.addDays(-(relativeDays() - 1)), m_today};
    const auto end = parseTypedDate(m_fromTo[1]->text(), m_today);
    if (!end) {
        refuseDate(invalidEndDateMessage(), 1);
        return std::nullopt;
    }
    const auto start = parseTypedDate(m_fromTo[0]->text(), m_today);
    if (!start) {
        refuseDate(invalidStartDateMessage(), 0);
        return std::nullopt;
    }
    if (*start > *end) {
        refuseDate(startAfterEndMessage(), 0);
        return std::nullopt;
    }
    return Period{*start, *end};
}

void ReportDialog::refuseDate(const QString& message, int box) {
    m_prompter.message(message, Prompter::Icon::Exclamation);
    m_display->hide();
    show();
    m_fromTo[box]->setFocus();
    m_fromTo[box]->selectAll();
}

void ReportDialog::buildreport() {
    const auto period = validatedPeriod();
    if (!period)
        return;
    const QString type = reportType();
    m_display->clearReport();
    m_progress->showLines(creatingReportLines());
    m_shownFigures.reset();
    m_shownPeriod = *period;
    m_shownSource = m_source->text();
    qint64 records = 0;
    for (const QString& half : halvesOf(type)) {
        const auto figures = compilereport(half);
        if (!figures) {
            m_progress->hide();
            return;
        }
        m_display->appendLines(laidOut(*figures, half, false));
        m_shownFigures = figures;
        records = figures->recordCount;
    }
    m_shownType = type;
    if (!m_display->isVisible())
        placeOnScreen(m_display, this);
    m_display->show();
    m_display->raise();
    m_progress->hide();
    if (records > kArchiveAdviceRecords)
        m_prompter.message(recordCountAdviceMessage(m_shownSource, records), Prompter::Icon::Exclamation);
}

bool ReportDialog::printreport() {
    if (!m_shownFigures)
        return false;
    std::unique_ptr<QPrinter> printer = m_desktop.openPrinter(this);
    if (!printer)
        return false;
    if (isPortrait(*printer)) {
        m_prompter.message(landscapeRequiredMessage(), Prompter::Icon::Exclamation);
        return false;
    }
    m_progress->showLines(printingReportLines());
    QList<QStringList> reports;
    if (m_shownType == kBoth) {
        for (const QString& half : halvesOf(kBoth)) {
            const auto figures = compilereport(half);
            if (!figures) {
                m_progress->hide();
                return false;
            }
            reports << laidOut(*figures, half, true);
        }
    } else {
        reports << laidOut(*m_shownFigures, m_shownType, true);
    }
    const bool printed = printReportLines(*printer, reports);
    m_progress->hide();
    if (!printed)
        m_prompter.message(reportGenerationErrorMessage(), Prompter::Icon::Exclamation);
    return printed;
}

std::optional<ReportFigures> ReportDialog::compilereport(const QString& reportType) {
    const QString& source = m_shownSource;
    switch (checkReportSeal(source, m_files, m_clock)) {
    case ReportSeal::Passed:
        break;
    case ReportSeal::Broken:
        m_progress->hide();
        m_prompter.message(unauthorizedModificationMessage(), Prompter::Icon::Exclamation);
        reject();
        return std::nullopt;
    case ReportSeal::Unreadable:
        fileProblem();
        return std::nullopt;
    }

    const QString method = reportType == kComposite ? QString() : reportType;
    ReportCompiler compiler({m_userId, m_shownPeriod.start, m_shownPeriod.end, method});
    if (!compiler.open(reportSourcePath(source, m_files))) {
        fileProblem();
        return std::nullopt;
    }
    while (true) {
        const ReportCompiler::Progress progress = compiler.step(kSliceBytes);
        reportguage(compiler.percentDone());
        if (progress == ReportCompiler::Progress::Finished)
            return compiler.figures();
        if (progress == ReportCompiler::Progress::Failed) {
            fileProblem();
            return std::nullopt;
        }
    }
}

void ReportDialog::reportguage(int percent) {
    m_progress->setPercent(percent);
    // Let the windows repaint; clicks wait until the report is done, so none can start a
    // second compilation or close the dialog under this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ReportDialog::fileProblem() {
    m_progress->hide();
    m_prompter.message(reportFileProblemMessage(), Prompter::Icon::Exclamation);
    m_display->hide();
}

QStringList ReportDialog::laidOut(const ReportFigures& figures, const QString& reportType,
                                  bool printer) const {
    const ReportHeading heading{m_shownPeriod.start, m_shownPeriod.end, reportType, m_shownSource, m_userId};
    return reportLines(figures, heading, printer ? ReportMedium::Printer : ReportMedium::Screen);
}

} // namespace tonalyst
