#pragma once

#include "progress/ProgressStatistics.h"

#include <QGroupBox>

class QTableWidget;

namespace tonalyst {

// One activity's part of the Progress window: its chart, the chart's figures as a table,
// its weak spots, and what the student confuses (identification) or which mistakes they
// make (spelling). Every table is readable with the keyboard and a screen reader.
class ActivitySection final : public QGroupBox {
    Q_OBJECT

public:
    ActivitySection(int activity, const ProgressStatistics& statistics, QWidget* parent);

    QTableWidget* trendTable() const { return m_trend; }
    QTableWidget* weakSpotTable() const { return m_weakSpots; }
    QTableWidget* confusionTable() const { return m_confusions; }

private:
    QTableWidget* m_trend;
    QTableWidget* m_weakSpots;
    QTableWidget* m_confusions;
};

} // namespace tonalyst
