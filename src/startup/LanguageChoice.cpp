#include "startup/LanguageChoice.h"

#include "startup/Translations.h"

#include <QDir>
#include <QSettings>

namespace tonalyst {

namespace {

// A user ID may hold slashes, quotes or anything else; as hex it is always one key.
QString keyOf(const QString& group, const QString& userId) {
    return group + QLatin1Char('/') + QString::fromLatin1(userId.toUtf8().toHex());
}

const QString kLanguageGroup = QStringLiteral("language");
const QString kNamingGroup = QStringLiteral("naming");

QString chosenValue(const QString& settingsFile, const QString& group, const QString& userId) {
    const QSettings settings(settingsFile, QSettings::IniFormat);
    return settings.value(keyOf(group, userId)).toString();
}

void saveValue(const QString& settingsFile, const QString& group, const QString& userId,
               const QString& value) {
    QSettings settings(settingsFile, QSettings::IniFormat);
    if (value.isEmpty())
        settings.remove(keyOf(group, userId));
    else
        settings.setValue(keyOf(group, userId), value);
}

} // namespace

QString languageSettingsFile(const QString& stateDir) {
    return QDir(stateDir).filePath(QStringLiteral("language.ini"));
}

QString chosenLanguage(const QString& settingsFile, const QString& userId) {
    return chosenValue(settingsFile, kLanguageGroup, userId);
}

void saveChosenLanguage(const QString& settingsFile, const QString& userId, const QString& code) {
    saveValue(settingsFile, kLanguageGroup, userId, code);
}

QString chosenNaming(const QString& settingsFile, const QString& userId) {
    return chosenValue(settingsFile, kNamingGroup, userId);
}

void saveChosenNaming(const QString& settingsFile, const QString& userId, const QString& code) {
    saveValue(settingsFile, kNamingGroup, userId, code);
}

NoteNaming applyNamingOf(const QString& settingsFile, const QString& userId) {
    // A code this version does not know (written by a later one) follows the language.
    const std::optional<NoteNaming> chosen = namingFromCode(chosenNaming(settingsFile, userId).toStdString());
    const NoteNaming naming = chosen.value_or(namingForLanguage(installedLanguage().toStdString()));
    setNoteNaming(naming);
    return naming;
}

void installLanguageOf(const QString& settingsFile, const QString& userId, const QLocale& desktop) {
    const QString code = chosenLanguage(settingsFile, userId);
    installTranslations(code.isEmpty() ? desktop : QLocale(code));
    applyNamingOf(settingsFile, userId);
}

} // namespace tonalyst
