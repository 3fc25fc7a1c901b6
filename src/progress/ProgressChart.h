#pragma once

#include "progress/ProgressStatistics.h"

class QChartView;
class QWidget;

namespace tonalyst {

// A chart of one activity over the days or weeks it has answers: success rate on the left
// axis, time per question on the right; practice in blue and test in orange, the rate drawn
// solid and the time dashed, so the two are told apart without colour too. Drawn in the
// colours of the parent's palette.
QChartView* makeProgressChart(const ActivityProgress& progress, const ProgressStatistics& statistics,
                              const QString& activityName, QWidget* parent);

} // namespace tonalyst
