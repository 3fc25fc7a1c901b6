#include "progress/ActivitySection.h"

#include "progress/ProgressChart.h"
#include "theory/NoteNames.h"
#include "tonality/Tonality.h"

#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <array>
#include <map>

namespace tonalyst {

namespace {

constexpr int kMostRowsShown = 8;
// Room around a row's one line of text.
constexpr int kRowPadding = 6;

// The stretching column takes the width left over: a name, never a figure; a table of
// figures alone has none (-1).
QTableWidget* makeTable(const QStringList& headers, int stretching, const QString& accessibleName,
                        QWidget* parent) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
    table->setHorizontalHeaderLabels(headers);
    table->setAccessibleName(accessibleName);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    // Tab leaves the table; the arrow keys walk its cells.
    table->setTabKeyNavigation(false);
    table->verticalHeader()->setVisible(false);
    // Rows of one line each: a long name is cut short rather than making its row tall.
    table->setWordWrap(false);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + kRowPadding);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (stretching >= 0)
        table->horizontalHeader()->setSectionResizeMode(stretching, QHeaderView::Stretch);
    return table;
}

void addRow(QTableWidget* table, const QStringList& cells) {
    const int row = table->rowCount();
    table->insertRow(row);
    for (int column = 0; column < cells.size(); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        if (column > 0 && !cells[column].isEmpty() &&
            (cells[column][0].isDigit() || cells[column][0] == u'-'))
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
}

// Tall enough for its rows up to a few; longer tables scroll. Room for the horizontal
// scroll bar only while there is one, so a wide window shows no empty strip.
void fitHeight(QTableWidget* table, const QString& emptyText) {
    if (table->rowCount() == 0) {
        table->setRowCount(1);
        auto* item = new QTableWidgetItem(emptyText);
        table->setItem(0, 0, item);
        table->setSpan(0, 0, 1, table->columnCount());
    }
    const int rowHeight = table->verticalHeader()->defaultSectionSize();
    int height = table->horizontalHeader()->sizeHint().height() + 2 * table->frameWidth() +
                 std::min(table->rowCount(), kMostRowsShown) * rowHeight;
    if (table->rowCount() > kMostRowsShown)
        height += rowHeight / 2; // a half row shows there is more
    const auto fit = [table, height] {
        const QScrollBar* bar = table->horizontalScrollBar();
        table->setFixedHeight(height + (bar->maximum() > 0 ? bar->sizeHint().height() : 0));
    };
    QObject::connect(table->horizontalScrollBar(), &QScrollBar::rangeChanged, table, fit);
    fit();
}

// A weak spot's kind is data (the JSON's "kind", compared by the statistics): it is
// translated only here, where it is shown.
QString shownKind(const QString& kind) {
    static constexpr std::array kKinds{QT_TRANSLATE_NOOP("tonalyst::ActivitySection", "Category"),
                                       QT_TRANSLATE_NOOP("tonalyst::ActivitySection", "Chord"),
                                       QT_TRANSLATE_NOOP("tonalyst::ActivitySection", "Interval"),
                                       QT_TRANSLATE_NOOP("tonalyst::ActivitySection", "Key"),
                                       QT_TRANSLATE_NOOP("tonalyst::ActivitySection", "Degree"),
                                       QT_TRANSLATE_NOOP("tonalyst::ActivitySection", "Cadence")};
    for (const char* known : kKinds)
        if (kind == QLatin1String(known))
            return ActivitySection::tr(known);
    return kind;
}

// Keys are kept as the history writes them, "E-flat major", and key signatures' items by
// their tonic alone, "E-flat" or "c-sharp"; both are named as the student names notes.
QString shownSpotName(const WeakSpot& spot) {
    if (spot.kind != QLatin1String("Key"))
        return spot.name;
    const std::string name = spot.name.trimmed().toStdString();
    if (name.ends_with(" major") || name.ends_with(" minor")) {
        const std::optional<TonalKey> key = readKeyLabel(name);
        return key ? QString::fromStdString(shownKeyName(key->tonic, key->minor)) : spot.name;
    }
    const std::optional<ReadPitch> tonic = readPitch(name);
    if (!tonic || tonic->octaveGiven)
        return spot.name;
    QString shown = QString::fromStdString(shownNoteName(tonic->pitch));
    // A minor key's tonic in lower case, as the history writes it.
    if (spot.name.trimmed().front().isLower())
        shown[0] = shown[0].toLower();
    return shown;
}

QString percent(int value) {
    return QString::number(value) + QLatin1Char('%');
}

QString seconds(double value) {
    return QString::number(value, 'f', 1) + QStringLiteral(" s");
}

void fillTrend(QTableWidget* table, const ActivityProgress& progress) {
    std::map<QDate, std::pair<const TrendPoint*, const TrendPoint*>> rows;
    for (const TrendPoint& point : progress.practice)
        rows[point.start].first = &point;
    for (const TrendPoint& point : progress.test)
        rows[point.start].second = &point;
    const QLocale locale;
    for (const auto& [start, points] : rows) {
        QStringList cells{locale.toString(start, QLocale::ShortFormat)};
        for (const TrendPoint* point : {points.first, points.second}) {
            if (point)
                cells << QString::number(point->questions) << percent(point->successPercent())
                      << seconds(point->secondsPerQuestion());
            else
                cells << QString() << QString() << QString();
        }
        addRow(table, cells);
    }
}

} // namespace

ActivitySection::ActivitySection(int activity, const ProgressStatistics& statistics, QWidget* parent)
    : QGroupBox(progressActivityName(activity), parent) {
    const ActivityProgress& progress = statistics.activities[static_cast<std::size_t>(activity)];
    const QString name = progressActivityName(activity);
    setObjectName(QStringLiteral("grpactivity"));
    setProperty("activity", activity);
    setAccessibleName(name);

    const bool weekly = statistics.step == TrendStep::Week;
    const QString step = weekly ? tr("Week of") : tr("Day");
    // Two-line headings keep the seven columns within the smallest window.
    m_trend = makeTable({step, tr("Practice\nquestions"), tr("Practice\nsuccess"),
                         tr("Practice time\nper question"), tr("Test\nquestions"), tr("Test\nsuccess"),
                         tr("Test time\nper question")},
                        -1,
                        (weekly ? tr("%1: success rate and time per question by week")
                                : tr("%1: success rate and time per question by day"))
                            .arg(name),
                        this);
    m_trend->setObjectName(QStringLiteral("tbltrend"));
    fillTrend(m_trend, progress);
    fitHeight(m_trend, tr("No questions in this period."));

    m_weakSpots = makeTable({tr("Weak spot"), tr("Name"), tr("Success"), tr("Errors"), tr("Answers")}, 1,
                            tr("%1: weak spots").arg(name), this);
    m_weakSpots->setObjectName(QStringLiteral("tblweakspots"));
    for (const WeakSpot& spot : progress.weakSpots)
        addRow(m_weakSpots, {shownKind(spot.kind), shownSpotName(spot), percent(spot.successPercent()),
                             QString::number(spot.errors), QString::number(spot.answers)});
    fitHeight(m_weakSpots, tr("No errors in this period."));

    const bool spelling = isSpellingActivity(activity);
    if (spelling) {
        m_confusions = makeTable({tr("Kind of mistake"), tr("Mistake"), tr("Times")}, 1,
                                 tr("%1: kinds of mistake").arg(name), this);
        const bool chords = progressItemKind(activity) == QLatin1String("Chord");
        for (const SpellingMistake& mistake : progress.mistakes)
            addRow(m_confusions, {spellingErrorKindName(mistake.kind, chords), mistake.detail,
                                  QString::number(mistake.count)});
    } else {
        m_confusions =
            makeTable({tr("Confusion"), tr("Times"), tr("Of")}, 0, tr("%1: confusions").arg(name), this);
        for (const Confusion& confusion : progress.confusions)
            addRow(m_confusions,
                   {confusion.what(), QString::number(confusion.count), QString::number(confusion.answers)});
    }
    m_confusions->setObjectName(QStringLiteral("tblconfusions"));
    fitHeight(m_confusions, spelling ? tr("No mistakes to tell apart in this period.")
                                     : tr("No confusions in this period."));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeProgressChart(progress, statistics, name, this));
    layout->addWidget(m_trend);
    auto* weakLabel = new QLabel(tr("Weak spots"), this);
    weakLabel->setBuddy(m_weakSpots);
    layout->addWidget(weakLabel);
    layout->addWidget(m_weakSpots);
    auto* confusionLabel = new QLabel(spelling ? tr("Kinds of mistake") : tr("Confusions"), this);
    confusionLabel->setBuddy(m_confusions);
    layout->addWidget(confusionLabel);
    layout->addWidget(m_confusions);
}

} // namespace tonalyst
