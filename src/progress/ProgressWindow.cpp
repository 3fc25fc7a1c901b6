#include "progress/ProgressWindow.h"

#include "progress/ActivitySection.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>

#include <array>

namespace tonalyst {

namespace {

struct PeriodChoice {
    const char* caption;
    int days; // 0: from the first answer on
};

constexpr std::array<PeriodChoice, 5> kPeriods{{{"Last 7 days", 7},
                                                {"Last 30 days", 30},
                                                {"Last 90 days", 90},
                                                {"Last 12 months", 365},
                                                {"All time", 0}}};
constexpr int kDefaultPeriod = 1;
constexpr int kAllActivities = -1;

} // namespace

ProgressWindow::ProgressWindow(const QString& userId, ProgressDesktop desktop, Clock& clock, Prompter& prompter,
                               QWidget* parent)
    : QWidget(parent, Qt::Window), m_userId(userId), m_desktop(std::move(desktop)), m_clock(clock),
      m_prompter(prompter) {
    setObjectName(QStringLiteral("frmprogress"));
    setWindowTitle(QStringLiteral("Progress - ") + m_userId);
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildControls();
    connect(&m_loading, &QFutureWatcher<AnswerLoad>::finished, this, &ProgressWindow::answersLoaded);
    connect(&m_computing, &QFutureWatcher<Figures>::finished, this, &ProgressWindow::figuresComputed);
    startLoading();
}

ProgressWindow::~ProgressWindow() = default;

void ProgressWindow::buildControls() {
    m_period = new QComboBox(this);
    m_period->setObjectName(QStringLiteral("cboperiod"));
    for (const PeriodChoice& period : kPeriods)
        m_period->addItem(QString::fromLatin1(period.caption), period.days);
    m_period->setCurrentIndex(kDefaultPeriod);
    m_period->setAccessibleName(QStringLiteral("Period"));
    auto* periodLabel = new QLabel(QStringLiteral("&Period:"), this);
    periodLabel->setBuddy(m_period);

    m_activity = new QComboBox(this);
    m_activity->setObjectName(QStringLiteral("cboactivity"));
    m_activity->addItem(QStringLiteral("All activities"), kAllActivities);
    for (int activity = 0; activity < kProgressActivityCount; ++activity)
        m_activity->addItem(progressActivityName(activity), activity);
    m_activity->setAccessibleName(QStringLiteral("Activity"));
    auto* activityLabel = new QLabel(QStringLiteral("&Activity:"), this);
    activityLabel->setBuddy(m_activity);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("lblprogress"));
    m_summary->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    m_summary->setWordWrap(true);

    m_close = new QPushButton(QStringLiteral("Close"), this);
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
    return m_loading.isRunning() || m_computing.isRunning() || !m_answers;
}

ProgressQuery ProgressWindow::query() const {
    const QDate today = m_clock.now().toTimeZone(m_desktop.zone).date();
    const int days = m_period->currentData().toInt();
    return {days > 0 ? today.addDays(1 - days) : QDate(), today, m_desktop.zone};
}

QList<ActivitySection*> ProgressWindow::sections() const {
    return m_scroll->widget() ? m_scroll->widget()->findChildren<ActivitySection*>() : QList<ActivitySection*>();
}

void ProgressWindow::startLoading() {
    m_summary->setText(QStringLiteral("Reading the answers of ") + m_userId + QStringLiteral(" ..."));
    m_loading.setFuture(QtConcurrent::run([load = m_desktop.loadAnswers] { return load(); }));
}

void ProgressWindow::answersLoaded() {
    AnswerLoad load = m_loading.result();
    m_answers = std::make_shared<const std::vector<AnswerRecord>>(std::move(load.answers));
    if (!load.error.isEmpty())
        m_prompter.message(load.error, Prompter::Icon::Exclamation);
    startComputing();
}

void ProgressWindow::startComputing() {
    if (!m_answers)
        return;
    ++m_generation;
    m_summary->setText(QStringLiteral("Working out the figures ..."));
    m_computing.setFuture(QtConcurrent::run([answers = m_answers, query = query(), generation = m_generation] {
        return Figures{generation, computeProgress(*answers, query)};
    }));
}

void ProgressWindow::figuresComputed() {
    Figures figures = m_computing.result();
    if (figures.generation != m_generation)
        return;
    m_statistics = std::make_unique<ProgressStatistics>(std::move(figures.statistics));
    showFigures();
}

void ProgressWindow::showFigures() {
    if (!m_statistics)
        return;
    const int chosen = m_activity->currentData().toInt();
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    int answers = 0;
    for (int activity = 0; activity < kProgressActivityCount; ++activity) {
        const int count = m_statistics->activities[static_cast<std::size_t>(activity)].answers;
        if (chosen == activity || (chosen == kAllActivities && count > 0)) {
            layout->addWidget(new ActivitySection(activity, *m_statistics, page));
            answers += count;
        }
    }
    if (layout->isEmpty())
        layout->addWidget(new QLabel(QStringLiteral("No answers in this period."), page));
    layout->addStretch(1);
    m_scroll->setWidget(page);

    const QLocale locale;
    m_summary->setText(
        !m_answers->empty() && m_statistics->first.isValid()
            ? QStringLiteral("%1 answers from %2 to %3.")
                  .arg(locale.toString(answers), locale.toString(m_statistics->first, QLocale::ShortFormat),
                       locale.toString(m_statistics->last, QLocale::ShortFormat))
            : QStringLiteral("No answers yet."));
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
    setTabOrder(previous, m_close);
}

} // namespace tonalyst
