#pragma once

#include "theory/NoteNames.h"

#include <QLocale>
#include <QString>

namespace tonalyst {

// The language a user chose under Options → Language, kept per user ID in a small
// settings file of the state folder: a code such as "de", or empty to follow the
// desktop's locale (LANG, LANGUAGE), which is also what a user who never chose gets.
QString languageSettingsFile(const QString& stateDir);
QString chosenLanguage(const QString& settingsFile, const QString& userId);
void saveChosenLanguage(const QString& settingsFile, const QString& userId, const QString& code);

// The note names the user chose beside the language: a naming code ("german"), or empty to
// name notes as the language's students learn them.
QString chosenNaming(const QString& settingsFile, const QString& userId);
void saveChosenNaming(const QString& settingsFile, const QString& userId, const QString& code);
// Names notes as the user chose, or as students of the language the windows speak learn
// them; returns the naming now in use.
NoteNaming applyNamingOf(const QString& settingsFile, const QString& userId);

// Speaks the user's language, or the desktop's when they chose none, and names notes as
// the user chose or as that language does. Called once the
// User ID is accepted and before the main window is made, so that the whole window comes
// up in it; the splash window and the prompt before it speak the desktop's.
void installLanguageOf(const QString& settingsFile, const QString& userId, const QLocale& desktop);

} // namespace tonalyst
