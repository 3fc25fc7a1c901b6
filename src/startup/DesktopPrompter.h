#pragma once

#include "platform/Prompter.h"

class QWidget;

namespace tonalyst {

// Modal message boxes under the program's title.
class DesktopPrompter final : public Prompter {
public:
    void message(const QString& text, Icon icon) override;
    bool askYesNo(const QString& text) override;
};

} // namespace tonalyst
