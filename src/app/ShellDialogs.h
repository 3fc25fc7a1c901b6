#pragma once

#include "app/IdleWatch.h"
#include "app/Platform.h"

#include <QObject>

class QWidget;

namespace tonalyst {

class AboutDialog;
class AutoQuitDialog;
class HelpWindow;

// The auto-shutdown dialog with the idle limit it sets, the About box and the help
// window: made once, shown on demand.
class ShellDialogs final : public QObject {
    Q_OBJECT

public:
    ShellDialogs(Platform& platform, QWidget* parent);

    IdleWatch& idleWatch() { return m_idleWatch; }
    void execAutoQuit();
    void execAbout();
    // Help menu item 0 opens the contents, items 1 to 3 their help context.
    void openHelp(int item);

private:
    IdleWatch m_idleWatch;
    AutoQuitDialog* m_autoQuit;
    AboutDialog* m_about;
    HelpWindow* m_help;
};

} // namespace tonalyst
