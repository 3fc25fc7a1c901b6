#include "app/ClassServerDialog.h"

#include "classserver/PushWorker.h"
#include "startup/FieldWidth.h"
#include "startup/WrappedTextHeight.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tonalyst {

ClassServerDialog::ClassServerDialog(const ClassServerSettings& settings, PushWorker& worker, QWidget* parent)
    : QDialog(parent), m_enabled(new QCheckBox(tr("Send my answers to the class server"), this)),
      m_server(new QLineEdit(settings.server, this)), m_test(new QPushButton(tr("Test connection"), this)),
      m_result(new QLabel(this)), m_worker(worker) {
    setObjectName(QStringLiteral("frmClassServer"));
    setWindowTitle(tr("Class Server"));
    m_enabled->setObjectName(QStringLiteral("chkClassServer"));
    m_enabled->setChecked(settings.enabled);
    m_server->setObjectName(QStringLiteral("txtClassServer"));
    m_server->setPlaceholderText(tr("service name, or postgresql://host/database"));
    // Wide enough for its hint, however long that is in the window's language.
    m_server->setMinimumWidth(std::max(320, fieldWidthFor(m_server, m_server->placeholderText())));
    m_test->setObjectName(QStringLiteral("cmdTestConnection"));
    m_result->setObjectName(QStringLiteral("lblTestResult"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* note = new QLabel(tr("Your teacher gives you the service name or address and a password for "
                               "your ~/.pgpass file. Tonalyst keeps no password."),
                            this);
    note->setWordWrap(true);
    auto* form = new QFormLayout;
    form->addRow(tr("Server:"), m_server);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_enabled);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addWidget(m_test, 0, Qt::AlignLeft);
    layout->addWidget(m_result);
    layout->addStretch();
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_test, &QPushButton::clicked, this, &ClassServerDialog::testConnection);
    connect(&m_worker, &PushWorker::tested, this, &ClassServerDialog::showTestResult);
    // The wrapped texts need more lines as the dialog narrows or a message grows.
    new WrappedTextHeight(this);
}

ClassServerSettings ClassServerDialog::settings() const {
    return {m_enabled->isChecked(), m_server->text().trimmed()};
}

void ClassServerDialog::testConnection() {
    m_test->setEnabled(false);
    m_result->setText(tr("Testing the connection ..."));
    m_worker.requestTest(m_server->text().trimmed());
}

void ClassServerDialog::showTestResult(bool ok, const QString& message) {
    m_test->setEnabled(true);
    m_result->setText(message);
    m_result->setStyleSheet(ok ? QStringLiteral("color: #1a7f37;") : QStringLiteral("color: #b3261e;"));
}

} // namespace tonalyst
