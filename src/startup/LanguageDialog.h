#pragma once

#include <QDialog>
#include <QString>

class QComboBox;

namespace tonalyst {

// Options → Language: the language a user's windows speak, or the desktop's, and the note
// names they use, or the language's.
class LanguageDialog final : public QDialog {
    Q_OBJECT

public:
    // The codes as chosenLanguage() and chosenNaming() keep them: empty for the desktop's
    // language and the language's note names.
    LanguageDialog(const QString& code, const QString& naming, QWidget* parent = nullptr);

    QString code() const;
    QString naming() const;

private:
    QComboBox* m_languages = nullptr;
    QComboBox* m_namings = nullptr;
};

} // namespace tonalyst
