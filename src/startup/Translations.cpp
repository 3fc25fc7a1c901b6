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

// Marks the translators installed here, so that a later language replaces them.
constexpr char kTranslatorName[] = "tonalyst-translator";

// Installs the locale's file of that name, for as long as the application lives or
// another language replaces it; false when there is none.
bool installFile(const QLocale& locale, const QString& name, const QString& directory) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, name, QStringLiteral("_"), directory))
        return false;
    translator->setObjectName(QLatin1String(kTranslatorName));
    QCoreApplication::installTranslator(translator.get());
    translator.release()->setParent(QCoreApplication::instance());
    return true;
}

QString g_installedLanguage = QStringLiteral("en");

void removeInstalledFiles() {
    const QList<QTranslator*> installed = QCoreApplication::instance()->findChildren<QTranslator*>(
        QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly);
    for (QTranslator* translator : installed) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

} // namespace

bool installTranslations(const QLocale& locale, const QString& directory) {
    removeInstalledFiles();
    // The help pages and the numbers follow the chosen language even when it is English,
    // which needs no file.
    QLocale::setDefault(locale);
    if (!installFile(locale, QStringLiteral("tonalyst"), directory)) {
        setTranslator(nullptr);
        g_installedLanguage = QStringLiteral("en");
        return false;
    }
    g_installedLanguage = QLocale::languageToCode(locale.language());
    // Qt's captions only with a translation of the program's own: a window half in
    // the locale's language and half in English reads worse than one all in English.
    installFile(locale, QStringLiteral("qtbase"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    setTranslator(translateBelowQt);
    return true;
}

QString installedLanguage() {
    return g_installedLanguage;
}

} // namespace tonalyst
