#include "app/HelpWindow.h"
#include "startup/Translations.h"
#include "theory/AnswerMenus.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <span>

namespace tonalyst {
namespace {

// Every caption of the answer menus, in the contexts the menus translate them in.
QStringList menuCaptions() {
    QStringList captions;
    const auto add = [&captions](std::span<const std::string_view> menu) {
        for (std::string_view caption : menu)
            captions
                << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())).simplified();
    };
    add(mnutri);
    add(mnusev);
    add(mnuVof);
    add(mnuviiof);
    add(mnu6);
    add(mnukeymode);
    add(mnuintervaltype);
    for (int type = 0; type < static_cast<int>(mnuintervaltype.size()); ++type)
        add(intervalQualityMenu(type).captions);
    add(mnuchordtypeet);
    add(mnutriet);
    add(mnusevet);
    captions << QString::fromUtf8(kNoInversionChosen.data(),
                                  static_cast<qsizetype>(kNoInversionChosen.size()));
    captions.removeDuplicates();
    return captions;
}

// The captions the installed language shows otherwise than in English: quoting one of them in
// English would send a student looking for an entry that is not there.
QStringList captionsShownOtherwise() {
    static constexpr std::array kContexts{"ChordAnswers", "KeyAnswers", "IntervalAnswers",
                                          "ChordQualityAnswers", "InversionAnswers"};
    QStringList english;
    for (const QString& caption : menuCaptions()) {
        const QByteArray source = caption.toUtf8();
        for (const char* context : kContexts) {
            const QString shown = QCoreApplication::translate(context, source.constData()).simplified();
            if (shown != caption) {
                english << caption;
                break;
            }
        }
    }
    return english;
}

class HelpInLanguage : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void TearDown() override { (void)installTranslations(QLocale(QLocale::English)); }
};

TEST_P(HelpInLanguage, thePagesNameNotesAndQuoteTheMenusAsTheProgramShowsThem) {
    ASSERT_TRUE(installTranslations(QLocale(GetParam())));
    const QStringList english = captionsShownOtherwise();
    // The menus' words must have translations, or nothing below would be checked.
    ASSERT_TRUE(english.contains(QStringLiteral("major :")));

    initHelpResources();
    const QRegularExpression spelling(
        QStringLiteral(R"(\b[A-Ga-g]-(flat|sharp|natural|double)|-flat\b|-sharp\b|-natural\b|\bdouble-)"));
    const QRegularExpression quote(QStringLiteral("<i>([^<]*)</i>"));
    int pages = 0;
    for (QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}); it.hasNext(); ++pages) {
        const QString page = it.next();
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
        const QString html = QString::fromUtf8(file.readAll());
        EXPECT_FALSE(html.contains(spelling))
            << page.toStdString() << ": " << spelling.match(html).captured().toStdString();
        for (auto quotes = quote.globalMatch(html); quotes.hasNext();) {
            const QString quoted = quotes.next().captured(1).simplified();
            for (const QString& caption : english)
                EXPECT_FALSE(quoted == caption || quoted.startsWith(caption + QLatin1Char(' ')) ||
                             (caption.endsWith(QLatin1Char(':')) && quoted.startsWith(caption)))
                    << page.toStdString() << ": <i>" << quoted.toStdString() << "</i> quotes \""
                    << caption.toStdString() << '"';
        }
    }
    EXPECT_GE(pages, 19);
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpInLanguage,
                         ::testing::Values(QLocale::German, QLocale::French, QLocale::Spanish),
                         [](const auto& language) {
                             return QLocale::languageToCode(language.param).toStdString();
                         });

} // namespace
} // namespace tonalyst
