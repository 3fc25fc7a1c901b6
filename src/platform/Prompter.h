#pragma once

#include <QString>

namespace tonalyst {

// Every message box and Yes/No question the program shows goes through here, always
// under the program's title. Tests answer from a script and read back every text.
class Prompter {
public:
    enum class Icon { None, Exclamation, Information };

    virtual ~Prompter() = default;
    virtual void message(const QString& text, Icon icon) = 0;
    // True for Yes.
    virtual bool askYesNo(const QString& text) = 0;
};

} // namespace tonalyst
