// The least a Qt Widgets program can do before asking something: start and show a dialog.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QVBoxLayout>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Bare Window"));
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLineEdit(QStringLiteral("user"), &dialog));
    return dialog.exec();
}
