#include "startup/UserIdDialog.h"

#include "platform/ControlNames.h"
#include "platform/Prompter.h"
#include "startup/AppIcon.h"
#include "startup/UserIdCheck.h"
#include "startup/WrappedTextHeight.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tonalyst {

UserIdDialog::UserIdDialog(Prompter& prompter, QWidget* parent) : QDialog(parent), m_prompter(prompter) {
    nameControl(this, "frmusrid");
    setWindowTitle(tr("User ID"));
    setWindowIcon(appIcon());
    setModal(true);

    auto* frame = new QGroupBox(tr("Enter Your User ID"), this);
    nameControl(frame, "Frame1");
    m_text = new QLineEdit(kUserIdPlaceholder, frame);
    nameControl(m_text, "Text1");
    m_text->setMaxLength(4);
    m_text->setMinimumWidth(m_text->fontMetrics().horizontalAdvance(QStringLiteral("WWWW")) + 24);
    QFont entryFont = m_text->font();
    entryFont.setPointSizeF(entryFont.pointSizeF() * 1.4);
    entryFont.setBold(true);
    m_text->setFont(entryFont);
    auto* limit = new QLabel(tr("Maximum length 4 characters"), frame);
    nameControl(limit, "Label1");
    limit->setBuddy(m_text);
    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(m_text);
    frameLayout->addSpacing(8);
    frameLayout->addWidget(limit, 1);

    auto* advice = new QLabel(tr("Enter your initials, or use a codeword if you wish.  (Whatever you "
                                 "enter, be sure to write it down so you don't forget it.)"),
                              this);
    nameControl(advice, "Label2");
    advice->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    nameControl(ok, "cmdIDOK");
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    nameControl(cancel, "cmdbailout");
    // OK validates before closing, so it is wired by hand rather than to accept().
    connect(ok, &QPushButton::clicked, this, &UserIdDialog::pressOk);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setSpacing(14);
    layout->addWidget(frame);
    layout->addWidget(advice);
    layout->addWidget(buttons);
    setFixedWidth(400);
    new WrappedTextHeight(this);
}

void UserIdDialog::pressOk() {
    const UserIdCheck check = checkUserId(m_text->text());
    if (!check.accepted()) {
        m_prompter.message(check.refusal, Prompter::Icon::Exclamation);
        m_text->setText(kUserIdPlaceholder);
        selectForTyping();
        return;
    }
    m_userId = check.userId;
    accept();
}

bool UserIdDialog::event(QEvent* event) {
    const bool handled = QDialog::event(event);
    // Selecting the placeholder lets the student simply type over it.
    if (event->type() == QEvent::WindowActivate)
        selectForTyping();
    return handled;
}

void UserIdDialog::selectForTyping() {
    m_text->setFocus(Qt::OtherFocusReason);
    m_text->setSelection(0, 4);
}

} // namespace tonalyst
