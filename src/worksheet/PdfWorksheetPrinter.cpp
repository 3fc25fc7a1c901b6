#include "worksheet/PdfWorksheetPrinter.h"

#include "platform/PrintingApplication.h"
#include "staff/MusicFont.h"
#include "worksheet/WorksheetPage.h"
#include "worksheet/WorksheetPaper.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

#include <memory>

namespace tonalyst {

namespace wp = worksheetpage;

namespace {

QFont textFont(qreal points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    // No ligatures, so that the text reads back and searches as it was written.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QString qs(const std::string& text) {
    return QString::fromStdString(text);
}

// One answer of the key, placed: its page among the answer pages and its box in points
// from the top left of the printable area.
struct PlacedAnswer {
    int page;
    QRectF box;
};

class PdfLayout {
public:
    PdfLayout(const Worksheet& sheet, QPdfWriter& writer)
        : m_sheet(sheet), m_writer(writer), m_pt(writer.resolution() / 72.0),
          m_area(QRectF(writer.pageLayout().paintRectPoints())),
          m_columnWidth((m_area.width() - wp::kColumnGap * (wp::kColumns - 1)) / wp::kColumns),
          m_answerLine(worksheetAnswersInWords(sheet.options.activity)), m_promptHeight(promptHeight()),
          m_questionHeight(wp::questionHeight(m_promptHeight, m_answerLine)) {
        const qreal body = m_area.height() - wp::kFooterHeight;
        m_headerHeight = headingHeight() + wp::kHeaderLine * 2 + wp::kHeaderGap;
        m_rowsPerPage = qMax(1, static_cast<int>(body / m_questionHeight));
        m_rowsOnFirstPage = qMax(1, static_cast<int>((body - m_headerHeight) / m_questionHeight));
        placeAnswers();
    }

    void paint() {
        QPainter painter(&m_writer);
        const int count = static_cast<int>(m_sheet.items.size());
        int page = 0;
        int index = 0;
        while (index < count) {
            if (page > 0)
                m_writer.newPage();
            qreal top = 0;
            if (page == 0) {
                paintHeader(painter);
                top = m_headerHeight;
            }
            const int rows = page == 0 ? m_rowsOnFirstPage : m_rowsPerPage;
            for (int slot = 0; slot < rows * wp::kColumns && index < count; ++slot, ++index) {
                const int row = slot / wp::kColumns;
                const int column = slot % wp::kColumns;
                paintQuestion(
                    painter, index,
                    QPointF(column * (m_columnWidth + wp::kColumnGap), top + row * m_questionHeight));
            }
            paintFooter(painter, ++page);
        }
        m_writer.newPage();
        paintAnswers(painter, page);
    }

    int pageCount() const { return questionPages() + m_answerPages; }

private:
    int questionPages() const {
        const int count = static_cast<int>(m_sheet.items.size());
        const int first = m_rowsOnFirstPage * wp::kColumns;
        const int later = m_rowsPerPage * wp::kColumns;
        return count <= first ? 1 : 1 + (count - first + later - 1) / later;
    }

    // A box given in points from the printable area's top left, in device pixels.
    QRectF rect(qreal x, qreal y, qreal width, qreal height) const {
        return {x * m_pt, y * m_pt, width * m_pt, height * m_pt};
    }

    QString promptText(int index) const {
        const WorksheetItem& item = m_sheet.items[static_cast<std::size_t>(index)];
        QString prompt = QString::number(index + 1) + QStringLiteral(".  ");
        const std::vector<std::string> lines = worksheetQuestionLines(m_sheet, item, true);
        for (std::size_t i = 0; i < lines.size(); ++i)
            prompt += (i == 0 ? QString() : QStringLiteral("\n")) + qs(lines[i]);
        return prompt;
    }

    // Room for the tallest prompt of the sheet, wrapped to the column, so that none is cut
    // and short ones leave no gap.
    qreal promptHeight() const {
        const QFontMetricsF metrics(textFont(10), &m_writer);
        qreal tallest = metrics.height();
        for (int i = 0; i < static_cast<int>(m_sheet.items.size()); ++i)
            tallest = qMax(
                tallest,
                metrics.boundingRect(QRectF(0, 0, m_columnWidth * m_pt, 1e6), Qt::TextWordWrap, promptText(i))
                    .height());
        return tallest / m_pt;
    }

    // The heading wraps rather than run off the page.
    qreal headingHeight() const {
        const QFontMetricsF metrics(textFont(15, true), &m_writer);
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, m_area.width() * m_pt, 1e6), Qt::TextWordWrap,
                                                   qs(worksheetHeading(m_sheet)));
        return needed.height() / m_pt;
    }

    // The heading, a line for the student's name, class and date, and what to do.
    void paintHeader(QPainter& painter) {
        painter.setPen(Qt::black);
        painter.setFont(textFont(15, true));
        const qreal heading = headingHeight();
        painter.drawText(rect(0, 0, m_area.width(), heading), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         qs(worksheetHeading(m_sheet)));
        painter.setFont(textFont(10));
        const qreal y = heading + wp::kHeaderLine;
        const qreal width = m_area.width();
        const struct {
            const char* label;
            qreal from;
            qreal to;
        } fields[] = {{QT_TRANSLATE_NOOP("PdfWorksheetPrinter", "Name"), 0, width * 0.5},
                      {QT_TRANSLATE_NOOP("PdfWorksheetPrinter", "Class"), width * 0.5, width * 0.75},
                      {QT_TRANSLATE_NOOP("PdfWorksheetPrinter", "Date"), width * 0.75, width}};
        const QFontMetricsF metrics(painter.font(), &m_writer);
        for (const auto& field : fields) {
            const QString label = QCoreApplication::translate("PdfWorksheetPrinter", field.label);
            painter.drawText(rect(field.from, y - wp::kHeaderLine, field.to - field.from, wp::kHeaderLine),
                             Qt::AlignLeft | Qt::AlignBottom, label);
            const qreal start = field.from + metrics.horizontalAdvance(label) / m_pt + 4;
            rule(painter, start, field.to - (field.to < width ? 12 : 0), y - 2);
        }
        painter.drawText(rect(0, y, width, wp::kHeaderLine), Qt::AlignLeft | Qt::AlignBottom,
                         qs(worksheetInstruction(m_sheet)));
    }

    // A thin line to write on, in points.
    void rule(QPainter& painter, qreal left, qreal right, qreal y) const {
        painter.fillRect(rect(left, y - 0.25, right - left, 0.5), Qt::black);
    }

    void paintQuestion(QPainter& painter, int index, QPointF at) {
        const WorksheetItem& item = m_sheet.items[static_cast<std::size_t>(index)];
        painter.setFont(textFont(10));
        painter.setPen(Qt::black);
        painter.drawText(rect(at.x(), at.y(), m_columnWidth, m_promptHeight),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, promptText(index));
        const qreal staffTop = at.y() + m_promptHeight + wp::kPromptGap;
        paintWorksheetStaff(painter, QPointF(at.x(), staffTop) * m_pt, m_pt, m_columnWidth,
                            worksheetStaff(m_sheet, item), item);
        if (!m_answerLine)
            return;
        const qreal bottom = staffTop + wp::staffHeight() + wp::kAnswerLineHeight;
        const QString label = QCoreApplication::translate("PdfWorksheetPrinter", "Answer");
        painter.drawText(rect(at.x(), bottom - wp::kAnswerLineHeight, m_columnWidth, wp::kAnswerLineHeight),
                         Qt::AlignLeft | Qt::AlignBottom, label);
        const qreal start = QFontMetricsF(painter.font(), &m_writer).horizontalAdvance(label) / m_pt + 4;
        rule(painter, at.x() + start, at.x() + m_columnWidth, bottom - 2);
    }

    void paintFooter(QPainter& painter, int page) {
        painter.setFont(textFont(8));
        painter.setPen(Qt::black);
        const QRectF footer = rect(0, m_area.height() - wp::kFooterHeight, m_area.width(), wp::kFooterHeight);
        painter.drawText(footer, Qt::AlignLeft | Qt::AlignBottom, qs(worksheetHeading(m_sheet)));
        painter.drawText(
            footer, Qt::AlignRight | Qt::AlignBottom,
            QCoreApplication::translate("PdfWorksheetPrinter", "Page %1 of %2").arg(page).arg(pageCount()));
    }

    // The answers flow down the columns of as many pages as they need.
    void placeAnswers() {
        const QFontMetricsF metrics(textFont(9), &m_writer);
        const qreal bottom = m_area.height() - wp::kFooterHeight;
        const qreal widthPixels = m_columnWidth * m_pt;
        int page = 0;
        int column = 0;
        qreal y = wp::kTitleHeight;
        for (std::size_t i = 0; i < m_sheet.items.size(); ++i) {
            const QRectF needed = metrics.boundingRect(QRectF(0, 0, widthPixels, 1e6), Qt::TextWordWrap,
                                                       answerText(i));
            const qreal height = needed.height() / m_pt + 3.0;
            if (y + height > bottom) {
                if (++column == wp::kColumns) {
                    column = 0;
                    ++page;
                }
                y = wp::kTitleHeight;
            }
            m_answers.push_back({page, QRectF(column * (m_columnWidth + wp::kColumnGap), y, m_columnWidth, height)});
            y += height;
        }
        m_answerPages = page + 1;
    }

    QString answerText(std::size_t index) const {
        return QString::number(index + 1) + QStringLiteral(".  ") +
               qs(worksheetPaperAnswer(m_sheet, m_sheet.items[index]));
    }

    void paintAnswers(QPainter& painter, int firstPage) {
        for (int page = 0; page < m_answerPages; ++page) {
            if (page > 0)
                m_writer.newPage();
            painter.setFont(textFont(15, true));
            painter.drawText(rect(0, 0, m_area.width(), wp::kTitleHeight), Qt::AlignLeft | Qt::AlignTop,
                             QCoreApplication::translate("PdfWorksheetPrinter", "Answer key"));
            // The seed, to print the same sheet again, is for the teacher's eyes only.
            painter.setFont(textFont(9));
            painter.drawText(rect(0, 0, m_area.width(), wp::kTitleHeight - 6),
                             Qt::AlignLeft | Qt::AlignBottom, qs(worksheetTitle(m_sheet)));
            for (std::size_t i = 0; i < m_answers.size(); ++i) {
                const PlacedAnswer& answer = m_answers[i];
                if (answer.page != page)
                    continue;
                const QRectF& box = answer.box;
                painter.drawText(rect(box.x(), box.y(), box.width(), box.height()),
                                 Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, answerText(i));
            }
            paintFooter(painter, firstPage + page + 1);
        }
    }

    const Worksheet& m_sheet;
    QPdfWriter& m_writer;
    qreal m_pt; // device pixels to a point
    QRectF m_area;
    qreal m_columnWidth;
    bool m_answerLine;
    qreal m_promptHeight;
    qreal m_questionHeight;
    qreal m_headerHeight = 0;
    int m_rowsPerPage = 1;
    int m_rowsOnFirstPage = 1;
    std::vector<PlacedAnswer> m_answers;
    int m_answerPages = 1;
};

} // namespace

bool PdfWorksheetPrinter::print(const Worksheet& sheet, std::string& error) {
    const auto gui = guiForPrinting();
    initStaffResources();
    const QString path = QString::fromStdString(sheet.options.pdf.value_or(std::string()));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QCoreApplication::translate("PdfWorksheetPrinter", "cannot write %1: %2")
                    .arg(path, file.errorString())
                    .toStdString();
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setTitle(QString::fromStdString(worksheetHeading(sheet)));
        writer.setCreator(QStringLiteral("Tonalyst"));
        writer.setResolution(600);
        writer.setPageSize(QPageSize(sheet.options.paper == WorksheetPaper::Letter ? QPageSize::Letter
                                                                                   : QPageSize::A4));
        writer.setPageMargins(QMarginsF(wp::kMargin, wp::kMargin, wp::kMargin, wp::kMargin), QPageLayout::Point);
        PdfLayout layout(sheet, writer);
        layout.paint();
    }
    if (!file.commit()) {
        error = QCoreApplication::translate("PdfWorksheetPrinter", "cannot write %1: %2")
                    .arg(path, file.errorString())
                    .toStdString();
        return false;
    }
    return true;
}

} // namespace tonalyst
