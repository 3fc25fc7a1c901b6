#pragma once

#include <QLocale>
#include <QString>

namespace tonalyst {

// Where the program's own translations are: built into it, one tonalyst_<language>.qm
// per language.
inline constexpr char kBuiltInTranslations[] = ":/i18n";

// Makes the program speak the locale's language, when it has a translation into it:
// its windows and messages, the texts made below Qt, and Qt's own buttons and dialogs
// (when Debian's Qt translations are installed). Without one, everything stays in
// English, which needs no file. Called once the application object exists, and again
// for the language a user chose, before any window or thread is made; each call replaces
// the translators of the one before. The help pages (help.qrc's lang sections) and the
// numbers follow the same locale. True when a translation was found.
bool installTranslations(const QLocale& locale,
                         const QString& directory = QString::fromLatin1(kBuiltInTranslations));
// The language the windows speak since the last installTranslations: "de", or "en" when
// no translation was found.
QString installedLanguage();

} // namespace tonalyst
