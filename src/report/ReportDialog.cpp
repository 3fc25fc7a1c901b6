#include "report/ReportDialog.h"

#include "platform/ControlNames.h"
#include "records/ReportDates.h"
#include "report/ReportDisplayWindow.h"
#include "report/ReportProgressWindow.h"
#include "startup/AppIcon.h"
#include "startup/FieldWidth.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace tonalyst {

namespace {

constexpr int kMostDays = 31;
const QString kDefaultSource = QStringLiteral("varen.dat");

// The number a text starts with, as a plain numeric reading of a box gives it: "12 days" is
// 12, and a text with no leading digits is 0.
int leadingNumber(const QString& text) {
    const QString trimmed = text.trimmed();
    qsizetype digits = 0;
    while (digits < trimmed.size() && digits < 6 && trimmed[digits].isDigit())
        ++digits;
    return trimmed.left(digits).toInt();
}

} // namespace

ReportDialog::ReportDialog(Clock& clock, Prompter& prompter, const FileLocations& files,
                           const QString& userId, QWidget* parent, ReportDesktop desktop)
    : QDialog(parent), m_clock(clock), m_prompter(prompter), m_files(files), m_userId(userId),
      m_desktop(std::move(desktop)), m_today(clock.now().date()), m_display(new ReportDisplayWindow(this)),
      m_progress(new ReportProgressWindow(this)) {
    nameControl(this, "frmReport");
    setWindowTitle(tr("Create Report"));
    setWindowIcon(appIcon());
    setModal(true);
    buildControls();
    connectDisplay();

    m_fromTo[1]->setText(shortDate(m_today));
    m_fromTo[0]->setText(shortDate(m_today.addDays(-(relativeDays() - 1))));
    m_fromTo[0]->setEnabled(false);
    m_fromTo[1]->setEnabled(false);
    m_absoluteFrame->setEnabled(false);
}

ReportDialog::~ReportDialog() = default;

void ReportDialog::buildControls() {
    auto* user = new QLabel(tr("Report for current user: %1").arg(m_userId), this);
    nameControl(user, "lbluser");
    QFont bold = user->font();
    bold.setBold(true);
    user->setFont(bold);

    auto* view = new QPushButton(tr("View/Print ..."), this);
    nameControl(view, "Command2");
    view->setDefault(true);
    m_print = new QPushButton(QStringLiteral("prtrep"), this);
    nameControl(m_print, "Command4");
    m_print->setVisible(false);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    nameControl(cancel, "cmdCancel");
    connect(view, &QPushButton::clicked, this, &ReportDialog::buildreport);
    connect(m_print, &QPushButton::clicked, this, &ReportDialog::printreport);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(view);
    buttons->addWidget(cancel);

    auto* middle = new QHBoxLayout;
    middle->setSpacing(12);
    middle->addWidget(buildPeriodFrame(), 3);
    middle->addWidget(buildTypeFrame(), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 16, 18, 16);
    layout->setSpacing(12);
    layout->addWidget(user);
    layout->addWidget(buildSourceFrame());
    layout->addLayout(middle);
    layout->addLayout(buttons);
}

QWidget* ReportDialog::buildSourceFrame() {
    auto* frame = new QGroupBox(tr("Source Data File"), this);
    m_source = new QLineEdit(kDefaultSource, frame);
    nameControl(m_source, "txtsourcefile");
    auto* choose = new QPushButton(tr("Choose File ..."), frame);
    nameControl(choose, "Command1");
    connect(choose, &QPushButton::clicked, this, &ReportDialog::chooseFile);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(m_source, 1);
    layout->addWidget(choose);
    return frame;
}

QWidget* ReportDialog::buildPeriodFrame() {
    auto* frame = new QGroupBox(tr("Report Period"), this);
    m_period[0] = new QRadioButton(tr("Absolute"), frame);
    m_period[1] = new QRadioButton(tr("Relative"), frame);
    for (int i = 0; i < 2; ++i)
        nameControl(m_period[i], "optperiod", i);
    m_period[1]->setChecked(true);
    connect(m_period[0], &QRadioButton::clicked, this, &ReportDialog::chooseAbsolute);
    connect(m_period[1], &QRadioButton::clicked, this, &ReportDialog::chooseRelative);

    auto* relative = new QGroupBox(tr("Relative"), frame);
    m_relativeFrame = relative;
    nameControl(relative, "frarelative");
    auto* last = new QLabel(tr("Last"), relative);
    m_days = new QLineEdit(QStringLiteral("7"), relative);
    nameControl(m_days, "txtrelative");
    m_days->setMaximumWidth(m_days->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    m_days->setAlignment(Qt::AlignRight);
    auto* inclusive = new QLabel(tr("Days (inclusive)"), relative);
    m_scroll = new QScrollBar(Qt::Horizontal, relative);
    nameControl(m_scroll, "HScroll1");
    m_scroll->setRange(1, kMostDays);
    m_scroll->setValue(7);
    connect(m_scroll, &QScrollBar::valueChanged, this, &ReportDialog::scrollDays);
    connect(m_days, &QLineEdit::textChanged, this, &ReportDialog::editDays);
    auto* relativeLayout = new QGridLayout(relative);
    relativeLayout->addWidget(last, 0, 0);
    relativeLayout->addWidget(m_days, 0, 1);
    relativeLayout->addWidget(inclusive, 0, 2);
    relativeLayout->addWidget(m_scroll, 1, 0, 1, 3);
    relativeLayout->setColumnStretch(2, 1);

    auto* absolute = new QGroupBox(tr("Absolute"), frame);
    m_absoluteFrame = absolute;
    nameControl(absolute, "fraAbsolute");
    auto* absoluteLayout = new QGridLayout(absolute);
    const std::array<QString, 2> captions{tr("From :"), tr("To :")};
    for (int i = 0; i < 2; ++i) {
        m_fromTo[i] = new QLineEdit(absolute);
        nameControl(m_fromTo[i], "txtfromto", i);
        // Wide enough for a date of any month, whose name may be longer in another language.
        int widest = 0;
        for (int month = 1; month <= 12; ++month)
            widest = std::max(widest, fieldWidthFor(m_fromTo[i], paddedShortDate(QDate(2028, month, 28))));
        m_fromTo[i]->setMinimumWidth(widest);
        auto* caption = new QLabel(captions[i], absolute);
        caption->setBuddy(m_fromTo[i]);
        absoluteLayout->addWidget(caption, i, 0);
        absoluteLayout->addWidget(m_fromTo[i], i, 1);
    }

    auto* layout = new QGridLayout(frame);
    layout->setHorizontalSpacing(12);
    layout->addWidget(m_period[1], 0, 0);
    layout->addWidget(m_period[0], 0, 1);
    layout->addWidget(relative, 1, 0);
    layout->addWidget(absolute, 1, 1);
    return frame;
}

QWidget* ReportDialog::buildTypeFrame() {
    auto* frame = new QGroupBox(tr("Report Type"), this);
    auto* layout = new QVBoxLayout(frame);
    // In the order of the codes reportType() gives for them.
    const std::array<QString, 4> captions{tr("test"), tr("practice"), tr("both"), tr("composite")};
    for (int i = 0; i < 4; ++i) {
        m_type[i] = new QRadioButton(captions[i], frame);
        nameControl(m_type[i], "opttype", i);
        layout->addWidget(m_type[i]);
    }
    m_type[3]->setChecked(true);
    layout->addStretch(1);
    return frame;
}

void ReportDialog::chooseFile() {
    const QString chosen = m_desktop.chooseSourceFile(this);
    if (chosen.isEmpty())
        return;
    m_source->setText(chosen);
}

int ReportDialog::relativeDays() const {
    return qBound(1, leadingNumber(m_days->text()), kMostDays);
}

void ReportDialog::showRelativeStart() {
    m_fromTo[0]->setText(paddedShortDate(m_today.addDays(-(relativeDays() - 1))));
}

void ReportDialog::scrollDays(int days) {
    m_days->setText(QString::number(days));
    showRelativeStart();
}

void ReportDialog::editDays() {
    const int typed = leadingNumber(m_days->text());
    if (typed > kMostDays || typed < 1) {
        const QSignalBlocker blocker(m_days);
        m_days->setText(QString::number(typed > kMostDays ? kMostDays : 1));
    }
    const QSignalBlocker blocker(m_scroll);
    m_scroll->setValue(relativeDays());
    showRelativeStart();
}

void ReportDialog::chooseRelative() {
    m_period[1]->setChecked(true);
    for (QLineEdit* box : m_fromTo)
        box->setEnabled(false);
    m_fromTo[1]->setText(paddedShortDate(m_today));
    showRelativeStart();
    m_relativeFrame->setEnabled(true);
    m_absoluteFrame->setEnabled(false);
}

void ReportDialog::chooseAbsolute() {
    m_period[0]->setChecked(true);
    m_absoluteFrame->setEnabled(true);
    for (QLineEdit* box : m_fromTo)
        box->setEnabled(true);
    m_relativeFrame->setEnabled(false);
}

} // namespace tonalyst
