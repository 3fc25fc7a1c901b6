#include "progress/ProgressWindow.h"

#include "history/AnswerExport.h"
#include "progress/ActivitySection.h"
#include "startup/ScreenFit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <array>

namespace tonalyst {

namespace {

struct PeriodChoice {
    const char* caption;
    int days; // 0: from the first answer on
};

constexpr std::array<PeriodChoice, 5> kPeriods{
    {{QT_TRANSLATE_NOOP("tonalyst::ProgressWindow", "Last 7 days"), 7},
     {QT_TRANSLATE_NOOP("tonalyst::ProgressWindow", "Last 30 days"), 30},
     {QT_TRANSLATE_NOOP("tonalyst::ProgressWindow", "Last 90 days"), 90},
     {QT_TRANSLATE_NOOP("tonalyst::ProgressWindow", "Last 12 months"), 365},
     {QT_TRANSLATE_NOOP("tonalyst::ProgressWindow", "All time"), 0}}};
constexpr int kDefaultPeriod = 1;
constexpr int kAllActivities = -1;

} // namespace

ProgressWindow::ProgressWindow(const QString& userId, ProgressDesktop desktop, Clock& clock, Prompter& prompter,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), m_userId(userId), m_desktop(std::move(desktop)), m_clock(clock),
      m_prompter(prompter) {
    setObjectName(QStringLiteral("frmprogress"));
    setWindowTitle(tr("Progress - %1").arg(m_userId));
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildControls();
    connect(&m_computing, &QFutureWatcher<Figures>::finished, this, &ProgressWindow::figuresComputed);
    connect(&m_exporting, &QFutureWatcher<Export>::finished, this, &ProgressWindow::exported);
    m_summary->setText(tr("Reading the answers of %1 ...").arg(m_userId));
    startComputing();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::buildControls() {
    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("cboperiod"));
    for (const PeriodChoice& period : kPeriods)
        m_period->addItem(tr(period.caption), period.days);
    m_period->setCurrentIndex(kDefaultPeriod);
    m_period->setAccessibleName(tr("Period"));
    auto* periodLabel = new QLabel(tr("&Period:"), this);
    periodLabel->setBuddy(m_period);

    m_activity = new QComboBox(this);
    m_activity->setObjectName(QStringLiteral("cboactivity"));
    m_activity->addItem(tr("All activities"), kAllActivities);
    for (int activity = 0; activity < progressActivityCount(); ++activity)
        m_activity->addItem(progressActivityName(activity), activity);
    m_activity->setAccessibleName(tr("Activity"));
    auto* activityLabel = new QLabel(tr("&Activity:"), this);
    activityLabel->setBuddy(m_activity);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblprogress"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_summary->setWordWrap(true);

    m_export = new QPushButton(tr("Export CSV ..."), this);
    m_export->setObjectName(QStringLiteral("cmdexportcsv"));
    m_export->setAccessibleDescription(tr("Writes the answers of the chosen period to a CSV file"));
    m_export->setEnabled(false);
    connect(m_export, &QPushButton::clicked, this, &ProgressWindow::exportCsv);

    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdclose"));
    connect(m_close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this, &QWidget::close);

    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("scrprogress"));
    m_scroll->setWidgetResizable(true);
    m_scroll->setFocusPolicy(Qt::NoFocus);

    auto* choices = new QHBoxLayout;
    choices->addWidget(periodLabel);
    choices->addWidget(m_period);
    choices->addSpacing(12);
    choices->addWidget(activityLabel);
    choices->addWidget(m_activity);
    choices->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_summary, 1);
    buttons->addWidget(m_export);
    buttons->addWidget(m_close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(m_scroll, 1);
    layout->addLayout(buttons);
    setMinimumSize(640, 480);
    resize(900, 700);

    connect(m_period, &QComboBox::currentIndexChanged, this, &ProgressWindow::startComputing);
    connect(m_activity, &QComboBox::currentIndexChanged, this, &ProgressWindow::showFigures);
}

bool ProgressWindow::isBusy() const {
    // A worker that has finished is not done until its result has been taken in.
    return m_awaitingFigures || m_awaitingExport || !m_pendingSections.empty();
}

ProgressQuery ProgressWindow::query() const {
    const QDate today = m_clock.now().toTimeZone(m_desktop.zone).date();
    const int days = m_period->currentData().toInt();
    return {days > 0 ? today.addDays(1 - days) : QDate(), today, m_desktop.zone};
}

void ProgressWindow::setVisible(bool visible) {
    if (visible && !isVisible())
        placeOnScreen(this, parentWidget());
    QWidget::setVisible(visible);
}

QList<ActivitySection*> ProgressWindow::sections() const {
    return m_scroll->widget() ? m_scroll->widget()->findChildren<ActivitySection*>() : QList<ActivitySection*>();
}

void ProgressWindow::startComputing() {
    ++m_generation;
    m_awaitingFigures = true;
    if (m_statistics)
        m_summary->setText(tr("Working out the figures ..."));
    m_computing.setFuture(QtConcurrent::run(&m_workers, [load = m_desktop.loadFigures, query = query(), generation = m_generation] {
        return Figures{generation, load(query)};
    }));
}

void ProgressWindow::figuresComputed() {
    Figures figures = m_computing.future().takeResult();
    if (figures.generation != m_generation)
        return;
    m_awaitingFigures = false;
    if (!figures.load.error.isEmpty() && !m_toldError) {
        m_toldError = true;
        m_prompter.message(figures.load.error, Prompter::Icon::Exclamation);
    }
    m_anyAnswers = figures.load.anyAnswers;
    m_statistics = std::make_unique<ProgressStatistics>(std::move(figures.load.statistics));
    showFigures();
}

void ProgressWindow::showFigures() {
    if (!m_statistics)
        return;
    ++m_showing;
    m_pendingSections.clear();
    const int chosen = m_activity->currentData().toInt();
    for (int activity = 0; activity < progressActivityCount(); ++activity)
        if (chosen == activity ||
            (chosen == kAllActivities && m_statistics->activities[static_cast<std::size_t>(activity)].answers > 0))
            m_pendingSections.push_back(activity);
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    if (m_pendingSections.empty())
        layout->addWidget(new QLabel(tr("No answers in this period."), page));
    m_scroll->setWidget(page);
    addNextSection(m_showing);
}

// One section per turn of the event loop: a chart and its tables take a few
// milliseconds each, and the window answers in between.
void ProgressWindow::addNextSection(int showing) {
    if (showing != m_showing || !m_scroll->widget())
        return;
    auto* layout = static_cast<QVBoxLayout*>(m_scroll->widget()->layout());
    if (!m_pendingSections.empty()) {
        const int activity = m_pendingSections.front();
        m_pendingSections.erase(m_pendingSections.begin());
        layout->addWidget(new ActivitySection(activity, *m_statistics, m_scroll->widget()));
        if (!m_pendingSections.empty()) {
            QTimer::singleShot(0, this, [this, showing] { addNextSection(showing); });
            return;
        }
    }
    layout->addStretch(1);

    int answers = 0;
    for (ActivitySection* section : sections())
        answers += m_statistics->activities[static_cast<std::size_t>(section->property("activity").toInt())].answers;
    const QLocale locale;
    m_summary->setText(m_anyAnswers && m_statistics->first.isValid()
                           ? tr("%1 answers from %2 to %3.")
                                 .arg(locale.toString(answers),
                                      locale.toString(m_statistics->first, QLocale::ShortFormat),
                                      locale.toString(m_statistics->last, QLocale::ShortFormat))
                           : tr("No answers yet."));
    m_export->setEnabled(!m_awaitingExport);
    updateTabOrder();
    emit figuresShown();
}

void ProgressWindow::updateTabOrder() {
    QWidget* previous = m_activity;
    setTabOrder(m_period, m_activity);
    for (ActivitySection* section : sections())
        for (QTableWidget* table : {section->trendTable(), section->weakSpotTable(), section->confusionTable()}) {
            setTabOrder(previous, table);
            previous = table;
        }
    setTabOrder(previous, m_export);
    setTabOrder(m_export, m_close);
}

void ProgressWindow::exportCsv() {
    if (!m_desktop.chooseCsvPath || !m_desktop.exportAnswers)
        return;
    const QString path = m_desktop.chooseCsvPath(this);
    if (path.isEmpty())
        return;
    m_export->setEnabled(false);
    m_awaitingExport = true;
    m_summary->setText(tr("Writing %1 ...").arg(path));
    m_exporting.setFuture(QtConcurrent::run(&m_workers, [write = m_desktop.exportAnswers, query = query(), path] {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return Export{path, 0, file.errorString()};
        const AnswerExportLoad written = write(query, file);
        if (!written.error.isEmpty())
            return Export{path, 0, written.error};
        if (!file.commit())
            return Export{path, 0, file.errorString()};
        return Export{path, static_cast<int>(written.answers), {}};
    }));
}

void ProgressWindow::exported() {
    const Export result = m_exporting.future().takeResult();
    m_awaitingExport = false;
    m_export->setEnabled(true);
    if (!result.error.isEmpty()) {
        m_summary->setText(tr("Nothing was exported."));
        m_prompter.message(tr("The answers could not be written to %1: %2").arg(result.path, result.error),
                           Prompter::Icon::Exclamation);
        return;
    }
    m_summary->setText(tr("%1 answers written to %2.").arg(QLocale().toString(result.answers), result.path));
}

} // namespace tonalyst
