#include "progress/ProgressChart.h"

#include <QChart>
#include <QChartView>
#include <QDateTimeAxis>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QValueAxis>

#include <algorithm>
#include <functional>

namespace tonalyst {

namespace {

const QColor kPracticeColour(0x1f, 0x5f, 0xa8);
const QColor kTestColour(0xc8, 0x5a, 0x00);

qreal msecsOf(QDate day) {
    return static_cast<qreal>(day.startOfDay(Qt::UTC).toMSecsSinceEpoch());
}

QLineSeries* makeSeries(const std::vector<TrendPoint>& points, const QString& name, const QColor& colour,
                        Qt::PenStyle style, const std::function<double(const TrendPoint&)>& value) {
    auto* series = new QLineSeries;
    series->setName(name);
    QPen pen(colour, 2, style);
    series->setPen(pen);
    series->setPointsVisible(true);
    for (const TrendPoint& point : points)
        series->append(msecsOf(point.start), value(point));
    return series;
}

} // namespace

QChartView* makeProgressChart(const ActivityProgress& progress, const ProgressStatistics& statistics,
                              const QString& activityName, QWidget* parent) {
    auto* chart = new QChart;
    chart->setTitle(activityName);
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->setMargins(QMargins(4, 4, 4, 4));

    auto* days = new QDateTimeAxis;
    days->setFormat(QStringLiteral("d MMM"));
    days->setTitleText(statistics.step == TrendStep::Week ? QStringLiteral("Week") : QStringLiteral("Day"));
    // The axis runs in UTC milliseconds of the local dates, so a day never shifts.
    days->setRange(QDateTime(statistics.first, QTime(0, 0), Qt::UTC),
                   QDateTime(std::max(statistics.last, statistics.first.addDays(1)), QTime(0, 0), Qt::UTC));
    days->setTickCount(std::clamp(static_cast<int>(statistics.first.daysTo(statistics.last)) + 1, 2, 8));
    chart->addAxis(days, Qt::AlignBottom);

    auto* rate = new QValueAxis;
    rate->setRange(0, 100);
    rate->setLabelFormat(QStringLiteral("%d%%"));
    rate->setTitleText(QStringLiteral("Success rate"));
    chart->addAxis(rate, Qt::AlignLeft);

    double slowest = 1;
    for (const auto* points : {&progress.practice, &progress.test})
        for (const TrendPoint& point : *points)
            slowest = std::max(slowest, point.secondsPerQuestion());
    auto* time = new QValueAxis;
    time->setRange(0, slowest * 1.1);
    time->setLabelFormat(QStringLiteral("%.0f s"));
    time->setTitleText(QStringLiteral("Seconds per question"));
    chart->addAxis(time, Qt::AlignRight);

    const struct {
        const std::vector<TrendPoint>& points;
        QString method;
        QColor colour;
    } methods[] = {{progress.practice, QStringLiteral("Practice"), kPracticeColour},
                   {progress.test, QStringLiteral("Test"), kTestColour}};
    for (const auto& method : methods) {
        QLineSeries* success = makeSeries(method.points, method.method + QStringLiteral(" success rate"),
                                          method.colour, Qt::SolidLine, [](const TrendPoint& p) { return double(p.successPercent()); });
        QLineSeries* seconds = makeSeries(method.points, method.method + QStringLiteral(" time per question"),
                                          method.colour, Qt::DashLine, [](const TrendPoint& p) { return p.secondsPerQuestion(); });
        for (QLineSeries* series : {success, seconds}) {
            chart->addSeries(series);
            series->attachAxis(days);
        }
        success->attachAxis(rate);
        seconds->attachAxis(time);
    }

    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    view->setMinimumHeight(280);
    view->setAccessibleName(activityName + QStringLiteral(" chart"));
    view->setAccessibleDescription(
        QStringLiteral("Success rate and time per question over the period, practice and test apart. "
                       "The table below the chart gives every figure."));
    return view;
}

} // namespace tonalyst
