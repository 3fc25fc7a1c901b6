#include "app/ShellDialogs.h"

#include "app/AboutDialog.h"
#include "app/AutoQuitDialog.h"
#include "app/HelpWindow.h"

namespace tonalyst {

ShellDialogs::ShellDialogs(Platform& platform, QWidget* parent)
    : QObject(parent), m_autoQuit(new AutoQuitDialog(m_idleWatch, platform.clock, parent)),
      m_about(new AboutDialog(parent)), m_help(new HelpWindow(parent)) {
    // The run starts with the limit "Never", counted from now.
    m_autoQuit->pressOk();
}

void ShellDialogs::execAutoQuit() {
    m_autoQuit->exec();
}

void ShellDialogs::execAbout() {
    m_about->exec();
}

void ShellDialogs::openHelp(int item) {
    m_help->showForHelpMenuItem(item);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace tonalyst
