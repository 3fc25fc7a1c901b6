#include "app/DesktopPrompter.h"

#include <QApplication>
#include <QMessageBox>

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

} // namespace

void DesktopPrompter::message(const QString& text, Icon icon) {
    QMessageBox box(boxIcon(icon), kTitle, displayed(text), QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

bool DesktopPrompter::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, displayed(text), QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

} // namespace tonalyst
