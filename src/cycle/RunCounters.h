#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace tonalyst {

// The texts of the status panel's run values: "Time per Ques", "Successes", "Success
// Rate" and "SCORE". No score means the score shown stays as it is.
struct StatusValues {
    QString timePerQuestion;
    QString successes;
    QString successRate;
    std::optional<QString> score;
};

// What a run has counted so far, and the status values worked out from it.
class RunCounters {
public:
    void reset() { *this = RunCounters(); }
    void resetSuccesses() { m_successcount = 0; }
    void countSuccess() { ++m_successcount; }
    // One more recorded answer that took this many whole seconds.
    void addAnswer(qint64 seconds);

    int successcount() const { return m_successcount; }
    int pendingcount() const { return m_pendingcount; }
    qint64 totalanswertime() const { return m_totalanswertime; }

    // Whole seconds, rounded down; 0 before the first answer.
    qint64 avganswertime() const;
    // Percent right, truncated as the single-precision quotient is.
    int successrate() const;
    // 100 x success rate / average answer time, rounded half to even. Nothing while the
    // average answer time is 0: every answer came within its question's second, and no
    // score can be worked out from that.
    std::optional<qint16> score() const;

    StatusValues statusValues() const;

private:
    int m_successcount = 0;
    int m_pendingcount = 0;
    qint64 m_totalanswertime = 0;
};

} // namespace tonalyst
