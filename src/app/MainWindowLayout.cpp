#include "app/MainWindowLayout.h"

#include "staff/StaffPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace tonalyst {

QGridLayout* arrangeMainWindow(const MainWindowParts& parts) {
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
    return answers;
}

QMargins windowFrame(const QWidget* window) {
    if (window->isVisible()) {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        if (outer != inner)
            return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                    outer.bottom() - inner.bottom()};
    }
    // A title bar and thin borders, until the window manager has framed the window.
    return {4, 32, 4, 4};
}

QSize fitMainWindowToScreen(QWidget* window, StaffPanel* panel, const QMargins& frame) {
    const QScreen* screen = window->screen();
    if (!screen || !window->layout())
        return {};
    const QSize room = screen->availableGeometry().marginsRemoved(frame).size();
    // Each layout on the way up is activated at once, so that the sizes are measured now
    // rather than when the posted layout requests arrive.
    const auto smallestAt = [&](qreal zoom) {
        panel->setSmallestZoom(zoom);
        for (QWidget* widget = panel->parentWidget(); widget; widget = widget->parentWidget()) {
            if (widget->layout())
                widget->layout()->activate();
            if (widget == window)
                break;
        }
        return window->layout()->totalMinimumSize();
    };
    const auto fits = [&](qreal zoom) {
        const QSize smallest = smallestAt(zoom);
        return smallest.width() <= room.width() && smallest.height() <= room.height();
    };
    const QSize natural = smallestAt(TwipScale::kZoom);
    if (natural.boundedTo(room) == natural || !fits(StaffPanel::kLegibleZoom))
        return natural;
    // The largest zoom that fits, to a thousandth.
    qreal fitting = StaffPanel::kLegibleZoom;
    qreal tooLarge = TwipScale::kZoom;
    while (tooLarge - fitting > 1e-3) {
        const qreal middle = (fitting + tooLarge) / 2;
        (fits(middle) ? fitting : tooLarge) = middle;
    }
    smallestAt(fitting);
    return natural;
}

} // namespace tonalyst
