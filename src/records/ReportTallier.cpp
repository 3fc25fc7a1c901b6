#include "records/ReportTallier.h"

#include "theory/ChordNames.h"

#include <cstring>

namespace tonalyst {

namespace {

QByteArrayView view(std::string_view text) {
    return QByteArrayView(text.data(), static_cast<qsizetype>(text.size()));
}

// Every record is held against the query's user: this leaves out the call that
// QByteArrayView's comparison makes even for texts of the same size.
bool sameText(QByteArrayView a, QByteArrayView b) {
    return a.size() == b.size() &&
           (a.isEmpty() || std::memcmp(a.data(), b.data(), static_cast<size_t>(a.size())) == 0);
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
    // Dates first: comparing numbers is cheaper than comparing texts.
    if (record.dateKey < m_start || record.dateKey > m_end || !sameText(record.userId, m_userId))
        return;
    if (!m_method.isEmpty() && record.method != m_method)
        return;
    addMatching(record.activity, record.category, record.inversions,
                {1, record.success == 1 ? 1 : 0, record.seconds, record.accidentals});
}

void ReportTallier::addMatching(QByteArrayView activity, QByteArrayView category, QByteArrayView inversions,
                                const RecordTotals& totals) {
    if (activity == "intid" || activity == "intspell" || (activity == "eartraining" && category == "interval")) {
        addInterval(activity, totals);
    } else if (activity == "keysigid") {
        KeySignatureTally& keys = m_figures.keySignatures;
        keys.attempts += totals.records;
        keys.successes += totals.successes;
        keys.seconds += totals.seconds;
    }

    if (activity == "intid" || activity == "intspell")
        return;
    const int row = categoryRow(category);
    if (row < 0)
        return;
    CategoryTally& tally = m_figures.categories[row];
    tally.attempts += totals.records;
    if (activity == "spell")
        tally.spelling += totals.records;
    else if (activity == "identify")
        tally.identification += totals.records;
    else if (activity == "eartraining")
        tally.earTraining += totals.records;
    if (inversions == "0")
        tally.inversionsOn += totals.records;
    tally.successes += totals.successes;
    tally.seconds += totals.seconds;
    tally.accidentals += totals.accidentals;
}

void ReportTallier::addInterval(QByteArrayView activity, const RecordTotals& totals) {
    IntervalTally& intervals = m_figures.intervals;
    if (activity == "intid")
        intervals.identification += totals.records;
    else if (activity == "intspell")
        intervals.spelling += totals.records;
    else
        intervals.earTraining += totals.records;
    intervals.successes += totals.successes;
    intervals.seconds += totals.seconds;
}

} // namespace tonalyst
