#include "app/AutoQuitDialog.h"

#include "options/DialogButtons.h"
#include "platform/Clock.h"
#include "platform/ControlNames.h"
#include "startup/AppIcon.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tonalyst {

AutoQuitDialog::AutoQuitDialog(IdleWatch& watch, Clock& clock, QWidget* parent)
    : QDialog(parent), m_watch(watch), m_clock(clock) {
    nameControl(this, "frmautoquit");
    setWindowTitle(tr("Options: Auto Exit"));
    setWindowIcon(appIcon());
    setModal(true);

    auto* frame = new QGroupBox(tr("Shutdown After Idle Period:"), this);
    nameControl(frame, "frmModeset");
    auto* frameLayout = new QVBoxLayout(frame);
    frameLayout->setSpacing(8);
    const std::array<QString, kNever + 1> captions{tr("5 min"), tr("10 min"), tr("20 min"), tr("30 min"),
                                                   tr("Never")};
    for (int i = 0; i <= kNever; ++i) {
        auto* option = new QRadioButton(captions[static_cast<std::size_t>(i)], frame);
        nameControl(option, "opttime", i);
        option->installEventFilter(this);
        frameLayout->addWidget(option);
        m_options[static_cast<std::size_t>(i)] = option;
    }
    m_options[kNever]->setChecked(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    nameControl(ok, "cmdidle");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &AutoQuitDialog::pressOk);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(14);
    layout->addWidget(frame);
    layout->addWidget(buttons);
    setMinimumWidth(280);
    focusOnOpening(this);
}

void AutoQuitDialog::pressOk() {
    const int index = chosenIndex();
    const IdleWatch::Limit limit =
        index == kNever ? IdleWatch::Limit() : IdleWatch::Limit(kMinutes[static_cast<std::size_t>(index)]);
    m_watch.setLimit(limit, m_clock.now());
    accept();
}

void AutoQuitDialog::reject() {
    showLimitInForce();
    QDialog::reject();
}

bool AutoQuitDialog::eventFilter(QObject* watched, QEvent* event) {
    // A double-click on a choice is the quick way to choose it and confirm.
    if (event->type() == QEvent::MouseButtonDblClick) {
        auto* option = qobject_cast<QRadioButton*>(watched);
        if (option && std::find(m_options.begin(), m_options.end(), option) != m_options.end()) {
            option->setChecked(true);
            pressOk();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

int AutoQuitDialog::chosenIndex() const {
    const auto chosen = std::find_if(m_options.begin(), m_options.end(),
                                     [](const QRadioButton* option) { return option->isChecked(); });
    return chosen == m_options.end() ? kNever : static_cast<int>(chosen - m_options.begin());
}

void AutoQuitDialog::showLimitInForce() {
    const IdleWatch::Limit limit = m_watch.limit();
    const auto minutes = limit ? std::find(kMinutes.begin(), kMinutes.end(), *limit) : kMinutes.end();
    const int index = minutes == kMinutes.end() ? kNever : static_cast<int>(minutes - kMinutes.begin());
    m_options[static_cast<std::size_t>(index)]->setChecked(true);
}

} // namespace tonalyst
