#pragma once

#include <QPrinter>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace tonalyst {

// What the report dialog asks of the desktop beyond message boxes: the open-file dialog
// for the source file, and a printer. Tests put stand-ins here.
struct ReportDesktop {
    // The chosen file's path, or an empty string when the dialog was cancelled.
    std::function<QString(QWidget* parent)> chooseSourceFile;
    // The printer to print on, or nullptr when printing was cancelled.
    std::function<std::unique_ptr<QPrinter>(QWidget* parent)> openPrinter;
};

// The platform's file dialog, and its default printer; where there is no printer, a PDF
// file chosen with the save dialog.
ReportDesktop systemReportDesktop();

} // namespace tonalyst
