#include "startup/Translations.h"

#include "theory/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace tonalyst {

namespace {

std::string translateBelowQt(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

// Installs the locale's file of that name, for as long as the application lives; false
// when there is none.
bool installFile(const QLocale& locale, const QString& name, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), directory))
        return false;
    QCoreApplication::installTranslator(translator.get());
    translator.release()->setParent(QCoreApplication::instance());
    return true;
}

} // namespace

bool installTranslations(const QLocale& locale, const QString& directory) {
    if (!installFile(locale, QStringLiteral("tonalyst"), directory))
        return false;
    // Qt's captions only with a translation of the program's own: a window half in
    // the locale's language and half in English reads worse than one all in English.
    installFile(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    setTranslator(translateBelowQt);
    // The help pages (help.qrc's lang sections) and the numbers follow the same language.
    QLocale::setDefault(locale);
    return true;
}

} // namespace tonalyst
