#pragma once

#include "app/MainWindow.h"
#include "cycle/CycleView.h"

namespace tonalyst {

// The main window as the question cycle sees it. Each call is carried out on the main
// window and, where it has the same control, on the ear-training window.
class MainWindow::CycleAdapter final : public CycleView {
public:
    explicit CycleAdapter(MainWindow& window) : w(window) {}

    void showQuestionNumber(const QString& text) override;
    void showPrompt(const QString& line1, const QString& line2) override;
    void showAnswerWas(const QString& text, AnswerWasStyle style) override;
    void showAnswerMessage(const QString& text) override;
    void clearAnswerLabels() override;
    void showAnswerLabels() override;
    void clearIdentificationLabels() override;
    void showRecordedAnswer(const AnswerParts& answer, const Question& question, InversionOption notation,
                            bool inversionList) override;
    RightAnswer shownRightAnswer(const Question& question, RightAnswer answer) const override;
    void showChoices() override;
    void prepareAnswerEntry() override;
    void hideInversionList() override;
    void displayinvmnu(const Question& question, InversionOption notation,
                       const std::optional<std::string>& recorded) override;
    void changeclef() override;
    void clearstaff() override;
    void setNoteLimit(int notes) override;
    void enterNotes(const std::vector<WrittenNote>& notes) override;
    std::vector<WrittenNote> staffNotes() const override;
    void showkeysig(const Question& question, bool show) override;
    void showKeyIndication(const Question& question, const CurrentKey& key) override;
    void playanswer(const std::vector<WrittenNote>& notes) override;
    void playHeard(const HeardInKey& heard, HeardParts parts, int tempo) override;
    void offerNames(const Question& question) override;
    void beepn(int count) override;
    void showStatus(const StatusValues& values) override;
    void stopElapsedTime() override;
    void showReviewControls() override;
    void enableReset() override;
    void endrun() override;
    void applyactivity() override;
    QString userId() const override;

private:
    MainWindow& w;
};

} // namespace tonalyst
