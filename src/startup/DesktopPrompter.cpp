#include "startup/DesktopPrompter.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>

namespace tonalyst {

namespace {

const QString kTitle = QStringLiteral("Tonalyst");

// Messages keep their CR LF line breaks; the box wants plain ones.
QString displayed(const QString& text) {
    QString shown = text;
    return shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QMessageBox::Icon boxIcon(Prompter::Icon icon) {
    switch (icon) {
    case Prompter::Icon::Exclamation:
        return QMessageBox::Warning;
    case Prompter::Icon::Information:
        return QMessageBox::Information;
    case Prompter::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The window a box belongs to. Just after another box has closed, the window it came from
// may not have the focus back yet; then the program's visible main window owns the box.
QWidget* boxOwner() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const QWidgetList windows = QApplication::topLevelWidgets();
    const auto shown = std::find_if(windows.begin(), windows.end(), [](const QWidget* window) {
        return window->isVisible() && window->windowType() == Qt::Window;
    });
    return shown == windows.end() ? nullptr : *shown;
}

// Without a window manager nothing hands the keyboard back once a box closes, and a
// student without a mouse could not click it back; the window the box came from takes it.
int execAndReturnFocus(QMessageBox& box) {
    QWidget* owner = box.parentWidget();
    const int answer = box.exec();
    if (owner && owner->isVisible())
        owner->activateWindow();
    return answer;
}

} // namespace

void DesktopPrompter::message(const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), kTitle, displayed(text), QMessageBox::Ok, boxOwner());
    execAndReturnFocus(box);
}

bool DesktopPrompter::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, displayed(text), QMessageBox::Yes | QMessageBox::No,
                    boxOwner());
    box.setDefaultButton(QMessageBox::Yes);
    return execAndReturnFocus(box) == QMessageBox::Yes;
}

} // namespace tonalyst
