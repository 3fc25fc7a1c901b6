#pragma once

#include <QObject>
#include <QString>

#include <array>

namespace tonalyst {

// What the windows show of a run: the status values, the question number and the tone
// and beep switches. The main window's status panel and the ear-training window both
// show it, so a change is made once and every view follows.
class RunModel final : public QObject {
    Q_OBJECT
    Q_PROPERTY(
        QString questionNumber READ questionNumber WRITE setQuestionNumber NOTIFY questionNumberChanged)
    Q_PROPERTY(bool tonesOn READ tonesOn WRITE setTonesOn NOTIFY tonesOnChanged)
    Q_PROPERTY(bool beepOn READ beepOn WRITE setBeepOn NOTIFY beepOnChanged)

public:
    // The status values by the status panel's design index (there is no value 2).
    enum Status {
        ActivityValue = 0,
        MethodValue = 1,
        ElapsedValue = 3,
        TimePerQuestion = 4,
        Successes = 5,
        SuccessRate = 6,
        Score = 7
    };
    static constexpr std::array<Status, 7> kStatusValues{
        ActivityValue, MethodValue, ElapsedValue, TimePerQuestion, Successes, SuccessRate, Score};

    explicit RunModel(QObject* parent = nullptr);

    QString status(Status value) const;
    void setStatus(Status value, const QString& text);

    QString questionNumber() const { return m_questionNumber; }
    void setQuestionNumber(const QString& text);

    // Tones sound unless switched off; the beep switch governs the feedback beeps only.
    bool tonesOn() const { return m_tonesOn; }
    void setTonesOn(bool on);
    bool beepOn() const { return m_beepOn; }
    void setBeepOn(bool on);

signals:
    void statusChanged(tonalyst::RunModel::Status value, const QString& text);
    void questionNumberChanged(const QString& text);
    void tonesOnChanged(bool on);
    void beepOnChanged(bool on);

private:
    std::array<QString, 8> m_status;
    QString m_questionNumber;
    bool m_tonesOn = true;
    bool m_beepOn = true;
};

} // namespace tonalyst
