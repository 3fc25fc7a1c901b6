#include "startup/LanguageDialog.h"

#include "theory/NoteNames.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>

#include <algorithm>

namespace tonalyst {

namespace {

QString codeOf(NoteNaming naming) {
    const std::string_view code = namingCode(naming);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

} // namespace

LanguageDialog::LanguageDialog(const QString& code, const QString& naming, QWidget* parent)
    : QDialog(parent) {
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

    m_namings = new QComboBox(this);
    m_namings->setObjectName(QStringLiteral("cmbnaming"));
    m_namings->addItem(tr("As the language"), QString());
    m_namings->addItem(tr("English letters (C D E F G A B)"), codeOf(NoteNaming::English));
    m_namings->addItem(tr("German letters (C D E F G A H)"), codeOf(NoteNaming::German));
    m_namings->addItem(tr("Fixed do (Do Ré Mi Fa Sol La Si)"), codeOf(NoteNaming::FixedDo));
    m_namings->setCurrentIndex(std::max(0, m_namings->findData(naming)));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QFormLayout(this);
    layout->addRow(tr("&Language:"), m_languages);
    layout->addRow(tr("&Note names:"), m_namings);
    layout->addRow(buttons);
}

QString LanguageDialog::code() const {
    return m_languages->currentData().toString();
}

QString LanguageDialog::naming() const {
    return m_namings->currentData().toString();
}

} // namespace tonalyst
