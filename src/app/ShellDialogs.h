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
// window: each made when first asked for, then kept.
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
    Platform& m_platform;
    QWidget* m_parent;
    IdleWatch m_idleWatch;
    AutoQuitDialog* m_autoQuit = nullptr;
    AboutDialog* m_about = nullptr;
    HelpWindow* m_help = nullptr;
};

} // namespace tonalyst
