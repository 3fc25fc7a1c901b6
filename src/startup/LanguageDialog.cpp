#include "startup/LanguageDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

namespace tonalyst {

LanguageDialog::LanguageDialog(const QString& code, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmlanguage"));
    setWindowTitle(tr("Options: Language"));
    m_languages = new QComboBox(this);
    m_languages->setObjectName(QStringLiteral("cmblanguage"));
    m_languages->addItem(tr("As the desktop"), QString());
    // Each language by its own name, so that a student finds theirs whatever the window speaks.
    m_languages->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languages->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languages->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languages->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languages->setCurrentIndex(std::max(0, m_languages->findData(code)));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(tr("&Language:"), m_languages);
    layout->addRow(buttons);
}

QString LanguageDialog::code() const {
    return m_languages->currentData().toString();
}

} // namespace tonalyst
