#include "progress/ProgressChart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCoreApplication>
#include <QLegend>
#include <QLineSeries>
#include <QLocale>
#include <QPalette>
#include <QPen>
#include <QValueAxis>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <functional>
#include <tuple>

namespace tonalyst {

namespace {

// Practice blue and test orange, a shade lighter on a dark background.
struct Colours {
    QColor practice;
    QColor test;
};
const Colours kOnLight{QColor(0x1f, 0x5f, 0xa8), QColor(0xc8, 0x5a, 0x00)};
const Colours kOnDark{QColor(0x6f, 0xa8, 0xef), QColor(0xf5, 0x9e, 0x4c)};

// Each axis runs a twentieth of its span past the data, so no point sits on the plot's
// edge, half cut off.
constexpr double kMargin = 0.05;
// The value axes share their grid: four steps from nothing to the top.
constexpr int kSteps = 4;
constexpr int kMostDateLabels = 7;
constexpr qreal kMarkerSize = 6;

// The days or weeks the chart spans, numbered from the first.
struct Span {
    QDate first;
    int steps = 0;
    int daysPerStep = 1;

    qreal at(QDate start) const { return static_cast<qreal>(first.daysTo(start)) / daysPerStep; }
};

// From the first day or week with answers to the last: a long period with a few days of
// answers is spread over the chart, not squeezed into a corner of it.
Span spanOf(const ActivityProgress& progress, const ProgressStatistics& statistics) {
    QDate first;
    QDate last;
    for (const auto* points : {&progress.practice, &progress.test})
        for (const TrendPoint& point : *points) {
            first = first.isValid() ? std::min(first, point.start) : point.start;
            last = last.isValid() ? std::max(last, point.start) : point.start;
        }
    if (!first.isValid()) {
        last = statistics.bucketStart(statistics.last);
        first = statistics.first.isValid() ? statistics.bucketStart(statistics.first) : last;
    }
    const int daysPerStep = statistics.step == TrendStep::Week ? 7 : 1;
    return {first, static_cast<int>(first.daysTo(last)) / daysPerStep, daysPerStep};
}

QLineSeries* makeSeries(const std::vector<TrendPoint>& points, const Span& span, const QString& name,
                        const std::function<double(const TrendPoint&)>& value) {
    auto* series = new QLineSeries;
    series->setName(name);
    series->setPointsVisible(true);
    series->setMarkerSize(kMarkerSize);
    for (const TrendPoint& point : points)
        series->append(span.at(point.start), value(point));
    return series;
}

void paintAxis(QAbstractAxis* axis, const QPalette& palette) {
    axis->setLabelsBrush(palette.color(QPalette::Text));
    axis->setTitleBrush(palette.color(QPalette::Text));
    axis->setLinePenColor(palette.color(QPalette::Mid));
    axis->setGridLineColor(palette.color(QPalette::Midlight));
}

// A value axis from 0 to `top` in kSteps whole steps, with the margin either side.
QValueAxis* makeValueAxis(double top, const QString& format, const QString& title, const QPalette& palette) {
    auto* axis = new QValueAxis;
    axis->setRange(-kMargin * top, (1 + kMargin) * top);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(top / kSteps);
    axis->setMinorTickCount(0);
    axis->setLabelFormat(format);
    axis->setTitleText(title);
    paintAxis(axis, palette);
    return axis;
}

QCategoryAxis* makeDateAxis(const Span& span, bool weekly, const QPalette& palette) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const qreal margin = std::max(0.5, kMargin * span.steps);
    axis->setRange(-margin, span.steps + margin);
    axis->setStartValue(-margin);
    const int stride = span.steps / kMostDateLabels + 1;
    const QLocale locale;
    for (int step = 0; step <= span.steps; step += stride)
        axis->append(locale.toString(span.first.addDays(static_cast<qint64>(step) * span.daysPerStep),
                                     QStringLiteral("d MMM")),
                     step);
    axis->setTitleText(weekly ? QCoreApplication::translate("ProgressChart", "Week")
                              : QCoreApplication::translate("ProgressChart", "Day"));
    paintAxis(axis, palette);
    return axis;
}

} // namespace

QChartView* makeProgressChart(const ActivityProgress& progress, const ProgressStatistics& statistics,
                              const QString& activityName, QWidget* parent) {
    const QPalette palette = parent ? parent->palette() : QPalette();
    const Colours& colours = palette.color(QPalette::Base).lightness() < 128 ? kOnDark : kOnLight;
    auto* chart = new QChart;
    chart->setTitle(activityName);
    chart->setTitleBrush(palette.color(QPalette::Text));
    chart->setBackgroundBrush(palette.color(QPalette::Base));
    chart->setBackgroundPen(QPen(palette.color(QPalette::Mid)));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    chart->legend()->setLabelColor(palette.color(QPalette::Text));
    chart->setMargins(QMargins(4, 4, 4, 4));

    const Span span = spanOf(progress, statistics);
    auto* days = makeDateAxis(span, statistics.step == TrendStep::Week, palette);
    chart->addAxis(days, Qt::AlignBottom);
    auto* rate = makeValueAxis(100, QStringLiteral("%d%%"),
                               QCoreApplication::translate("ProgressChart", "Success rate"), palette);
    chart->addAxis(rate, Qt::AlignLeft);
    double slowest = 0;
    for (const auto* points : {&progress.practice, &progress.test})
        for (const TrendPoint& point : *points)
            slowest = std::max(slowest, point.secondsPerQuestion());
    // Whole seconds at every grid line.
    const double secondsStep = std::max(1.0, std::ceil(slowest / kSteps));
    auto* time = makeValueAxis(kSteps * secondsStep, QStringLiteral("%.0f s"),
                               QCoreApplication::translate("ProgressChart", "Seconds per question"), palette);
    time->setGridLineVisible(false);
    chart->addAxis(time, Qt::AlignRight);

    // With a single day or week there is no line to follow: its figures are written beside
    // its points instead.
    const bool single = progress.practice.size() <= 1 && progress.test.size() <= 1;
    const struct {
        const std::vector<TrendPoint>& points;
        QString successName;
        QString secondsName;
        QColor colour;
    } methods[] = {{progress.practice, QCoreApplication::translate("ProgressChart", "Practice success rate"),
                    QCoreApplication::translate("ProgressChart", "Practice time per question"),
                    colours.practice},
                   {progress.test, QCoreApplication::translate("ProgressChart", "Test success rate"),
                    QCoreApplication::translate("ProgressChart", "Test time per question"), colours.test}};
    for (const auto& method : methods) {
        QLineSeries* success =
            makeSeries(method.points, span, method.successName,
                       [](const TrendPoint& point) { return static_cast<double>(point.successPercent()); });
        QLineSeries* seconds = makeSeries(method.points, span, method.secondsName,
                                          [](const TrendPoint& point) { return point.secondsPerQuestion(); });
        for (auto [series, style, label] : {std::tuple{success, Qt::SolidLine, QStringLiteral("@yPoint%")},
                                            std::tuple{seconds, Qt::DashLine, QStringLiteral("@yPoint s")}}) {
            chart->addSeries(series);
            series->attachAxis(days);
            series->setPen(QPen(method.colour, 2, style));
            series->setPointLabelsVisible(single);
            series->setPointLabelsFormat(label);
            series->setPointLabelsColor(palette.color(QPalette::Text));
            series->setPointLabelsClipping(false);
        }
        success->attachAxis(rate);
        seconds->attachAxis(time);
    }

    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setFocusPolicy(Qt::NoFocus);
    view->setMinimumHeight(280);
    view->setBackgroundBrush(palette.color(QPalette::Window));
    view->setAccessibleName(QCoreApplication::translate("ProgressChart", "%1 chart").arg(activityName));
    view->setAccessibleDescription(QCoreApplication::translate(
        "ProgressChart", "Success rate and time per question over the period, practice and test apart. "
                         "The table below the chart gives every figure."));
    return view;
}

} // namespace tonalyst
