#include "report/ReportDesktop.h"

#include "report/ReportPrinting.h"

#include <QFileDialog>
#include <QPrinterInfo>

namespace tonalyst {

ReportDesktop systemReportDesktop() {
    ReportDesktop desktop;
    desktop.chooseSourceFile = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(parent, QStringLiteral("Choose File"), QString(),
                                            QStringLiteral("data files (*.dat);;All files (*)"));
    };
    desktop.openPrinter = [](QWidget* parent) {
        return openReportPrinter(QPrinterInfo::defaultPrinter(), [parent] {
            return QFileDialog::getSaveFileName(parent, QStringLiteral("Save Performance Report as PDF"),
                                                QStringLiteral("performance-report.pdf"),
                                                QStringLiteral("PDF files (*.pdf)"));
        });
    };
    return desktop;
}

} // namespace tonalyst
