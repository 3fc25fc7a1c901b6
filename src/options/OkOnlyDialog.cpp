#include "options/OkOnlyDialog.h"

#include "options/DialogButtons.h"

#include <QBoxLayout>
#include <QPushButton>

namespace tonalyst {

OkOnlyDialog::OkOnlyDialog(const char* windowName, const QString& title, QWidget* parent) : QDialog(parent) {
    setObjectName(QString::fromLatin1(windowName));
    setWindowTitle(title);
}

void OkOnlyDialog::pressOk() {
    store();
    accept();
}

void OkOnlyDialog::reject() {
    pressOk();
}

void OkOnlyDialog::layOut(std::initializer_list<QWidget*> frames, const char* okName, QWidget* leftButton) {
    QPushButton* ok = makeButton(tr("OK"), okName);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &OkOnlyDialog::pressOk);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->setSpacing(12);
    for (QWidget* frame : frames) {
        frame->setMinimumWidth(kMinimumFrameWidth);
        layout->addWidget(frame);
    }
    QBoxLayout* row = buttonRow({ok});
    if (leftButton)
        row->insertWidget(0, leftButton);
    layout->addLayout(row);
    focusOnOpening(this);
}

} // namespace tonalyst
