#pragma once

#include "cycle/CycleView.h"
#include "cycle/RunCounters.h"

#include <QStringList>

#include <functional>

namespace tonalyst::test {

// Stands in for the main window: keeps what the cycle shows and answers with the
// notes a test puts on its staff.
class FakeCycleView final : public CycleView {
public:
    void showQuestionNumber(const QString& text) override {
        questionNumbers << text;
        log << QStringLiteral("number ") + text;
    }
    void showPrompt(const QString& line1, const QString& line2) override {
        prompt1 = line1;
        prompt2 = line2;
    }
    void showAnswerWas(const QString& text, AnswerWasStyle style) override {
        answerWas = text;
        answerWasStyle = style;
    }
    void showAnswerMessage(const QString& text) override { answerMessage = text; }
    void clearAnswerLabels() override { answerLabelsShown = false; }
    void showAnswerLabels() override { answerLabelsShown = true; }
    void clearIdentificationLabels() override { log << QStringLiteral("clear identification"); }
    void showRecordedAnswer(const AnswerParts& answer, const Question&, InversionOption, bool) override {
        recordedShown.push_back(answer);
    }
    void showChoices() override { log << QStringLiteral("show choices"); }
    void prepareAnswerEntry() override { log << QStringLiteral("answer entry"); }
    void hideInversionList() override { inversionList.reset(); }
    void displayinvmnu(const Question&, InversionOption,
                       const std::optional<std::string>& recorded) override {
        inversionList = recorded.value_or("(inversion)");
    }
    void changeclef() override {}
    void clearstaff() override { staffCleared += 1; }
    void setNoteLimit(int notes) override { noteLimit = notes; }
    void enterNotes(const std::vector<WrittenNote>& notes) override { entered.push_back(notes); }
    std::vector<WrittenNote> staffNotes() const override { return staff; }
    void showkeysig(const Question&, bool) override {}
    void showKeyIndication(const Question&, const CurrentKey&) override {}
    void playanswer(const std::vector<WrittenNote>& notes) override { played.push_back(notes); }
    void playHeard(const HeardInKey&, HeardParts parts, int tempo) override {
        heardPlayed.push_back(parts);
        heardTempo = tempo;
    }
    void offerNames(const Question& question) override { offered << QString::fromStdString(question.name); }
    void beepn(int count) override { beeps += count; }
    void showStatus(const StatusValues& values) override {
        status = values;
        statusUpdates += 1;
    }
    void stopElapsedTime() override { log << QStringLiteral("stop elapsed"); }
    void showReviewControls() override { log << QStringLiteral("review controls"); }
    void enableReset() override { log << QStringLiteral("enable reset"); }
    void endrun() override {
        endruns += 1;
        log << QStringLiteral("endrun");
    }
    void applyactivity() override {
        applied += 1;
        if (onApply)
            onApply();
    }
    QString userId() const override { return QStringLiteral("AB"); }

    QStringList log;
    QStringList questionNumbers;
    QString prompt1;
    QString prompt2;
    QString answerWas;
    AnswerWasStyle answerWasStyle = AnswerWasStyle::Plain;
    QString answerMessage;
    bool answerLabelsShown = false;
    std::vector<AnswerParts> recordedShown;
    std::optional<std::string> inversionList;
    int staffCleared = 0;
    int noteLimit = 0;
    std::vector<std::vector<WrittenNote>> entered;
    std::vector<WrittenNote> staff;
    std::vector<std::vector<WrittenNote>> played;
    std::vector<HeardParts> heardPlayed;
    int heardTempo = 0;
    QStringList offered;
    int beeps = 0;
    std::optional<StatusValues> status;
    int statusUpdates = 0;
    int endruns = 0;
    int applied = 0;
    std::function<void()> onApply;
};

} // namespace tonalyst::test
