#include "startup/LanguageChoice.h"

#include "startup/Translations.h"

#include <QDir>
#include <QSettings>

namespace tonalyst {

namespace {

// A user ID may hold slashes, quotes or anything else; as hex it is always one key.
QString keyOf(const QString& userId) {
    return QStringLiteral("language/") + QString::fromLatin1(userId.toUtf8().toHex());
}

} // namespace

QString languageSettingsFile(const QString& stateDir) {
    return QDir(stateDir).filePath(QStringLiteral("language.ini"));
}

QString chosenLanguage(const QString& settingsFile, const QString& userId) {
    const QSettings settings(settingsFile, QSettings::IniFormat);
    return settings.value(keyOf(userId)).toString();
}

void saveChosenLanguage(const QString& settingsFile, const QString& userId, const QString& code) {
    QSettings settings(settingsFile, QSettings::IniFormat);
    if (code.isEmpty())
        settings.remove(keyOf(userId));
    else
        settings.setValue(keyOf(userId), code);
}

void installLanguageOf(const QString& settingsFile, const QString& userId, const QLocale& desktop) {
    const QString code = chosenLanguage(settingsFile, userId);
    installTranslations(code.isEmpty() ? desktop : QLocale(code));
}

} // namespace tonalyst
