#pragma once

#include "platform/Clock.h"
#include "platform/FileLocations.h"
#include "platform/Prompter.h"
#include "records/ReportFigures.h"
#include "report/ReportDesktop.h"

#include <QDate>
#include <QDialog>

#include <array>
#include <optional>

class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace tonalyst {

class ReportDisplayWindow;
class ReportProgressWindow;

// frmReport, "Create Report": the source file, the period and the report type for the
// current user; View/Print compiles the report into the display window, which can print it.
class ReportDialog final : public QDialog {
    Q_OBJECT

public:
    ReportDialog(Clock& clock, Prompter& prompter, const FileLocations& files, const QString& userId,
                 QWidget* parent = nullptr, ReportDesktop desktop = systemReportDesktop());
    ~ReportDialog() override;

    // The handlers of the controls.
    void chooseFile();         // Command1
    void chooseRelative();     // optperiod(1)
    void chooseAbsolute();     // optperiod(0)
    void scrollDays(int days); // HScroll1
    void editDays();           // txtrelative
    void buildreport();        // Command2
    bool printreport();        // Command4; true when the report went to the printer

    // Closing the dialog, however it happens, takes its display and progress windows along.
    void done(int result) override;

    ReportDisplayWindow* displayWindow() const { return m_display; }
    ReportProgressWindow* progressWindow() const { return m_progress; }

private:
    struct Period {
        QDate start;
        QDate end;
    };

    void buildControls();
    QWidget* buildSourceFrame();
    QWidget* buildPeriodFrame();
    QWidget* buildTypeFrame();
    void connectDisplay();
    int relativeDays() const;
    void showRelativeStart();
    std::optional<Period> validatedPeriod();
    void refuseDate(const QString& message, int box);
    QString reportType() const;
    std::optional<ReportFigures> compilereport(const QString& reportType);
    void reportguage(int percent);
    void fileProblem();
    QStringList laidOut(const ReportFigures& figures, const QString& reportType, bool printer) const;

    Clock& m_clock;
    Prompter& m_prompter;
    const FileLocations& m_files;
    QString m_userId;
    ReportDesktop m_desktop;
    QDate m_today;

    QLineEdit* m_source = nullptr;
    std::array<QRadioButton*, 2> m_period{};
    QLineEdit* m_days = nullptr;
    QScrollBar* m_scroll = nullptr;
    QWidget* m_relativeFrame = nullptr;
    QWidget* m_absoluteFrame = nullptr;
    std::array<QLineEdit*, 2> m_fromTo{};
    std::array<QRadioButton*, 4> m_type{};
    QPushButton* m_print = nullptr;

    ReportDisplayWindow* m_display;
    ReportProgressWindow* m_progress;

    // What the display window shows, for printing it.
    Period m_shownPeriod;
    QString m_shownType;
    QString m_shownSource;
    std::optional<ReportFigures> m_shownFigures;
};

} // namespace tonalyst
