#include "app/MainWindowLayout.h"

#include "staff/StaffPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalyst {

void arrangeMainWindow(const MainWindowParts& parts) {
    auto* prompts = new QVBoxLayout;
    for (QLabel* prompt : parts.prompts)
        prompts->addWidget(prompt);

    auto* answers = new QGridLayout;
    answers->addWidget(parts.answerWas, 0, 0, 1, 3);
    answers->addWidget(parts.chordType, 1, 0);
    answers->addWidget(parts.chordName, 1, 1);
    answers->addWidget(parts.inversionLabel, 2, 0);
    answers->addWidget(parts.inversion, 2, 1, Qt::AlignLeft);
    answers->addWidget(parts.answerMessage, 3, 0, 1, 3);
    answers->setColumnStretch(2, 1);
    answers->setColumnMinimumWidth(0, parts.answerTypeWidth);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : parts.buttons)
        buttons->addWidget(button);
    buttons->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(prompts);
    left->addWidget(parts.staffPanel);
    left->addLayout(answers);
    left->addLayout(buttons);
    left->addStretch(1);

    auto* layout = new QHBoxLayout(parts.central);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(16);
    layout->addLayout(left, 1);
    layout->addWidget(parts.status, 0, Qt::AlignTop);
}

} // namespace tonalyst
