#include "report/ReportProgressWindow.h"

#include "platform/ControlNames.h"
#include "report/ReportPrinting.h"
#include "startup/AppIcon.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStyle>
#include <QVBoxLayout>

namespace tonalyst {

ReportProgressWindow::ReportProgressWindow(QWidget* parent) : QDialog(parent) {
    nameControl(this, "frmrepmsg");
    setWindowTitle(tr("Report Message"));
    setWindowIcon(appIcon());
    setWindowFlag(Qt::WindowCloseButtonHint, false);

    auto* image = new QLabel(this);
    nameControl(image, "Image1");
    image->setPixmap(appIcon().pixmap(48, 48));
    image->setAlignment(Qt::AlignTop);

    m_text = new QLabel(this);
    nameControl(m_text, "surface");
    m_text->setFont(reportFont());
    m_text->setTextFormat(Qt::PlainText);
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(QString(32, QLatin1Char('M'))));

    m_bar = new QProgressBar(this);
    nameControl(m_bar, "ProgressBar1");
    m_bar->setRange(0, 100);
    m_bar->setTextVisible(false);
    m_percent = new QLabel(QStringLiteral("0"), this);
    nameControl(m_percent, "Label2");
    m_percent->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_percent->setMinimumWidth(m_percent->fontMetrics().horizontalAdvance(QStringLiteral(" 100")));
    auto* sign = new QLabel(QStringLiteral("%"), this);
    nameControl(sign, "Label1");

    auto* top = new QHBoxLayout;
    top->setSpacing(14);
    top->addWidget(image);
    top->addWidget(m_text, 1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    bottom->addWidget(m_bar, 1);
    bottom->addWidget(m_percent);
    bottom->addWidget(sign);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 14, 18, 18);
    layout->setSpacing(12);
    layout->addLayout(top);
    layout->addLayout(bottom);
}

void ReportProgressWindow::showLines(const QStringList& lines) {
    m_text->setText(lines.join(QLatin1Char('\n')));
    setPercent(0);
    show();
    raise();
    repaint();
}

void ReportProgressWindow::setPercent(int percent) {
    m_bar->setValue(percent);
    m_percent->setText(QLatin1Char(' ') + QString::number(percent));
}

} // namespace tonalyst
