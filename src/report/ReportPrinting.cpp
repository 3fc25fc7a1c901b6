#include "report/ReportPrinting.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

namespace tonalyst {

namespace {

// The printed layout's widest line: the OVERALL column starts at 89, plus room for its figure.
constexpr int kPrintedColumns = 100;
constexpr qreal kLargestPointSize = 10.0;

} // namespace

QFont reportFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    return font;
}

std::unique_ptr<QPrinter> openReportPrinter(const QPrinterInfo& printer,
                                            const std::function<QString()>& choosePdfFile) {
    std::unique_ptr<QPrinter> device;
    if (!printer.isNull()) {
        device = std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
    } else {
        const QString path = choosePdfFile();
        if (path.isEmpty())
            return nullptr;
        device = std::make_unique<QPrinter>(QPrinter::HighResolution);
        device->setOutputFormat(QPrinter::PdfFormat);
        device->setOutputFileName(path);
    }
    device->setDocName(QCoreApplication::translate("ReportPrinting", "Performance Report"));
    device->setPageOrientation(QPageLayout::Landscape);
    return device;
}

bool isPortrait(const QPrinter& printer) {
    const QRectF page = printer.pageLayout().fullRectPoints();
    return page.height() > page.width();
}

bool printReportLines(QPrinter& printer, const QList<QStringList>& reports) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = reportFont();
    font.setPointSizeF(kLargestPointSize);
    const qreal wanted = QFontMetricsF(font, &printer).horizontalAdvance(QLatin1Char('M')) * kPrintedColumns;
    if (wanted > printer.width())
        font.setPointSizeF(kLargestPointSize * printer.width() / wanted);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const qreal advance = metrics.horizontalAdvance(QLatin1Char('M'));
    const qreal pageHeight = printer.height();

    qreal baseline = metrics.ascent();
    bool pageEmpty = true;
    const auto fits = [&](qsizetype lines) {
        return baseline + metrics.lineSpacing() * qreal(lines - 1) + metrics.descent() <= pageHeight;
    };
    for (const QStringList& report : reports) {
        if (!pageEmpty && !fits(report.size())) {
            printer.newPage();
            baseline = metrics.ascent();
        }
        for (const QString& line : report) {
            if (!fits(1)) {
                printer.newPage();
                baseline = metrics.ascent();
            }
            // Each run of text goes to its own column, whatever the font's blanks measure.
            qsizetype column = 0;
            while (column < line.size()) {
                if (line[column] == QLatin1Char(' ')) {
                    ++column;
                    continue;
                }
                qsizetype end = line.indexOf(QLatin1Char(' '), column);
                if (end < 0)
                    end = line.size();
                painter.drawText(QPointF(advance * column, baseline), line.mid(column, end - column));
                column = end;
            }
            baseline += metrics.lineSpacing();
            pageEmpty = false;
        }
    }
    return painter.end();
}

} // namespace tonalyst
