#include "app/ShellDialogs.h"

#include "app/AboutDialog.h"
#include "app/AutoQuitDialog.h"
#include "app/HelpWindow.h"

namespace tonalyst {

ShellDialogs::ShellDialogs(Platform& platform, QWidget* parent)
    : QObject(parent), m_platform(platform), m_parent(parent) {
    // The run starts with the dialog's "Never" confirmed, counted from now.
    m_idleWatch.setLimit(IdleWatch::Limit(), platform.clock.now());
}

void ShellDialogs::execAutoQuit() {
    if (!m_autoQuit)
        m_autoQuit = new AutoQuitDialog(m_idleWatch, m_platform.clock, m_parent);
    m_autoQuit->exec();
}

void ShellDialogs::execAbout() {
    if (!m_about)
        m_about = new AboutDialog(m_parent);
    m_about->exec();
}

void ShellDialogs::openHelp(int item) {
    if (!m_help)
        m_help = new HelpWindow(m_parent);
    m_help->showForHelpMenuItem(item);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

} // namespace tonalyst
