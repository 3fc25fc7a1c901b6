#pragma once

#include <QDialog>
#include <QString>

class QComboBox;

namespace tonalyst {

// Options → Language: the language a user's windows speak, or the desktop's.
class LanguageDialog final : public QDialog {
    Q_OBJECT

public:
    // code as chosenLanguage() keeps it: empty for the desktop's.
    explicit LanguageDialog(const QString& code, QWidget* parent = nullptr);

    QString code() const;

private:
    QComboBox* m_languages = nullptr;
};

} // namespace tonalyst
