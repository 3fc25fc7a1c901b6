#include "records/ReportTallier.h"

#include "theory/ChordNames.h"

namespace tonalyst {

namespace {

QByteArrayView view(std::string_view text) {
    return QByteArrayView(text.data(), static_cast<qsizetype>(text.size()));
}

int categoryRow(QByteArrayView category) {
    for (int row = 0; row < kCategoryCount; ++row) {
        if (category == view(mnuchordtype[row]))
            return row;
    }
    return -1;
}

} // namespace

ReportTallier::ReportTallier(const ReportQuery& query)
    : m_userId(query.userId.toUtf8()), m_method(query.method.toUtf8()), m_start(dateKey(query.start)),
      m_end(dateKey(query.end)) {}

void ReportTallier::add(const RecordView& record) {
    ++m_figures.recordCount;
    if (record.userId != m_userId || record.dateKey < m_start || record.dateKey > m_end)
        return;
    if (!m_method.isEmpty() && record.method != m_method)
        return;

    const bool success = record.success == 1;
    const QByteArrayView activity = record.activity;
    if (activity == "intid" || activity == "intspell" ||
        (activity == "eartraining" && record.category == "interval")) {
        addInterval(record);
    } else if (activity == "keysigid") {
        KeySignatureTally& keys = m_figures.keySignatures;
        ++keys.attempts;
        keys.successes += success ? 1 : 0;
        keys.seconds += record.seconds;
    }

    if (activity == "intid" || activity == "intspell")
        return;
    const int row = categoryRow(record.category);
    if (row < 0)
        return;
    CategoryTally& tally = m_figures.categories[row];
    ++tally.attempts;
    if (activity == "spell")
        ++tally.spelling;
    else if (activity == "identify")
        ++tally.identification;
    else if (activity == "eartraining")
        ++tally.earTraining;
    if (record.inversions == "0")
        ++tally.inversionsOn;
    tally.successes += success ? 1 : 0;
    tally.seconds += record.seconds;
    tally.accidentals += record.accidentals;
}

void ReportTallier::addInterval(const RecordView& record) {
    IntervalTally& intervals = m_figures.intervals;
    if (record.activity == "intid")
        ++intervals.identification;
    else if (record.activity == "intspell")
        ++intervals.spelling;
    else
        ++intervals.earTraining;
    intervals.successes += record.success == 1 ? 1 : 0;
    intervals.seconds += record.seconds;
}

} // namespace tonalyst
