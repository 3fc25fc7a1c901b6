#pragma once

#include <QLocale>
#include <QString>

namespace tonalyst {

// The language a user chose under Options → Language, kept per user ID in a small
// settings file of the state folder: a code such as "de", or empty to follow the
// desktop's locale (LANG, LANGUAGE), which is also what a user who never chose gets.
QString languageSettingsFile(const QString& stateDir);
QString chosenLanguage(const QString& settingsFile, const QString& userId);
void saveChosenLanguage(const QString& settingsFile, const QString& userId, const QString& code);

// Speaks the user's language, or the desktop's when they chose none. Called once the
// User ID is accepted and before the main window is made, so that the whole window comes
// up in it; the splash window and the prompt before it speak the desktop's.
void installLanguageOf(const QString& settingsFile, const QString& userId, const QLocale& desktop);

} // namespace tonalyst
