#include "report/ReportDesktop.h"

#include "report/ReportPrinting.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPrinterInfo>

namespace tonalyst {

ReportDesktop systemReportDesktop() {
    ReportDesktop desktop;
    desktop.chooseSourceFile = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(
            parent, QCoreApplication::translate("ReportDesktop", "Choose File"), QString(),
            QCoreApplication::translate("ReportDesktop", "data files (*.dat);;All files (*)"));
    };
    desktop.openPrinter = [](QWidget* parent) {
        return openReportPrinter(QPrinterInfo::defaultPrinter(), [parent] {
            return QFileDialog::getSaveFileName(
                parent, QCoreApplication::translate("ReportDesktop", "Save Performance Report as PDF"),
                QStringLiteral("performance-report.pdf"),
                QCoreApplication::translate("ReportDesktop", "PDF files (*.pdf)"));
        });
    };
    return desktop;
}

} // namespace tonalyst
