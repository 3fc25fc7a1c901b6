// The least a Qt Widgets program can do before asking something: start and show a dialog
// whose line edit takes the keys.
#include "startup/FirstKeyExit.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    tonalyst::FirstKeyExit::installIfAsked(app);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare Window"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLineEdit(QStringLiteral("user"), &dialog));
    return dialog.exec();
}
