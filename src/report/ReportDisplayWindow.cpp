#include "report/ReportDisplayWindow.h"

#include "platform/ControlNames.h"
#include "report/ReportPrinting.h"
#include "startup/AppIcon.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalyst {

ReportDisplayWindow::ReportDisplayWindow(QWidget* parent) : QDialog(parent) {
    nameControl(this, "frmrepdisplay");
    setWindowTitle(tr("Performance Report"));
    setWindowIcon(appIcon());
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);

    m_surface = new QPlainTextEdit(this);
    nameControl(m_surface, "surface");
    m_surface->setAccessibleName(tr("Report"));
    m_surface->setReadOnly(true);
    m_surface->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_surface->setFont(reportFont());
    m_surface->setFrameShape(QFrame::NoFrame);
    m_surface->setStyleSheet(QStringLiteral("QPlainTextEdit { background: white; color: #1a1a1a; }"));
    const int columns = m_surface->fontMetrics().horizontalAdvance(QString(118, QLatin1Char('M')));
    m_surface->setMinimumSize(columns + 24, m_surface->fontMetrics().lineSpacing() * 22);

    auto* line = new QFrame(this);
    nameControl(line, "Line1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* close = new QPushButton(tr("Close"), this);
    nameControl(close, "Command1");
    auto* print = new QPushButton(tr("Print Report"), this);
    nameControl(print, "Command2");
    auto* back = new QPushButton(tr("Back ..."), this);
    nameControl(back, "Command3");
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &ReportDisplayWindow::closeClicked);
    connect(print, &QPushButton::clicked, this, &ReportDisplayWindow::printClicked);
    connect(back, &QPushButton::clicked, this, &ReportDisplayWindow::backClicked);

    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(14, 10, 14, 14);
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_surface, 1);
    layout->addWidget(line);
    layout->addLayout(buttons);
}

void ReportDisplayWindow::clearReport() {
    m_lines.clear();
    m_surface->clear();
}

void ReportDisplayWindow::appendLines(const QStringList& lines) {
    m_lines << lines;
    m_surface->setPlainText(m_lines.join(QLatin1Char('\n')));
}

QString ReportDisplayWindow::reportText() const {
    return m_surface->toPlainText();
}

} // namespace tonalyst
