#pragma once

#include "platform/Prompter.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

namespace tonalyst::test {

// Answers every question from a script and remembers every text shown.
class ScriptedPrompter final : public Prompter {
public:
    struct Shown {
        QString text;
        Icon icon;
        bool question;
    };

    void message(const QString& text, Icon icon) override;
    bool askYesNo(const QString& text) override;

    // Answers for the coming questions, in order. An unscripted question fails the test.
    void answerYes() { m_answers.push_back(true); }
    void answerNo() { m_answers.push_back(false); }

    // Runs while a box is "open", as the event loop would run under a modal box.
    void whileShowing(std::function<void(const QString&)> hook) { m_hook = std::move(hook); }

    const std::vector<Shown>& shown() const { return m_shown; }
    QStringList texts() const;
    QString lastText() const { return m_shown.empty() ? QString() : m_shown.back().text; }
    void clear() { m_shown.clear(); }
    int pendingAnswers() const { return static_cast<int>(m_answers.size()); }

private:
    std::vector<Shown> m_shown;
    std::deque<bool> m_answers;
    std::function<void(const QString&)> m_hook;
};

} // namespace tonalyst::test
