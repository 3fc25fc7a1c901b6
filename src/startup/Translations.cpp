#include "startup/Translations.h"

#include "theory/Translate.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace tonalyst {

namespace {

std::string translateBelowQt(const char* context, const char* source) {
    return QCoreApplication::translate(context, source).toStdString();
}

} // namespace

bool installTranslations(const QLocale& locale, const QString& directory) {
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("tonalyst"), QStringLiteral("_"), directory)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's captions only with a translation of the program's own: a window half in
    // the locale's language and half in English reads worse than one all in English.
    auto* qt = new QTranslator(own);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    setTranslator(translateBelowQt);
    // The help pages (help.qrc's lang sections) and the numbers follow the same language.
    QLocale::setDefault(locale);
    return true;
}

} // namespace tonalyst
