#include "support/ScriptedPrompter.h"

#include <gtest/gtest.h>

namespace tonalyst::test {

void ScriptedPrompter::message(const QString& text, Icon icon) {
    m_shown.push_back({text, icon, false});
    if (m_hook)
        m_hook(text);
}

bool ScriptedPrompter::askYesNo(const QString& text) {
    m_shown.push_back({text, Icon::None, true});
    if (m_hook)
        m_hook(text);
    if (m_answers.empty()) {
        ADD_FAILURE() << "Unscripted question: " << text.toStdString();
        return false;
    }
    const bool answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

QStringList ScriptedPrompter::texts() const {
    QStringList result;
    for (const Shown& shown : m_shown)
        result << shown.text;
    return result;
}

} // namespace tonalyst::test
