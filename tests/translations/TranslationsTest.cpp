#include "startup/Translations.h"
#include "app/MainWindow.h"
#include "app/Platform.h"
#include "options/KeySettingsDialog.h"
#include "progress/ActivitySection.h"
#include "progress/ProgressStatistics.h"
#include "records/RecordParser.h"
#include "records/ReportMessages.h"
#include "startup/LanguageChoice.h"
#include "startup/UserIdDialog.h"
#include "support/FakeClock.h"
#include "support/RecordingBeeper.h"
#include "support/RecordingTonePlayer.h"
#include "support/ScriptedPrompter.h"
#include "support/ScriptedRandom.h"
#include "support/TempLocations.h"
#include "theory/AnswerMenus.h"
#include "theory/ChordNames.h"
#include "theory/NoteNames.h"
#include "theory/Translate.h"

#include <QFile>
#include <QGroupBox>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <utility>

namespace tonalyst {
namespace {

using Message = std::pair<QString, QString>; // context, source text

// The messages of a .ts file, with their translations; with finishedOnly, those a
// translator has finished and not left empty. Control characters, which lupdate writes as
// elements of their own, are left out.
QHash<Message, QString> messagesIn(const QString& path, bool finishedOnly = false) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QHash<Message, QString> messages;
    QXmlStreamReader xml(&file);
    QString context;
    QString source;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.name() == QLatin1String("source")) {
            source = xml.readElementText(QXmlStreamReader::SkipChildElements);
        } else if (xml.name() == QLatin1String("translation")) {
            const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            // A plural's forms are elements of their own.
            const QString text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            if (!finishedOnly || (finished && !text.trimmed().isEmpty()))
                messages.insert({context, source}, text);
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return messages;
}

// The texts lupdate finds in src/, as update_translations collects them; empty (with a
// failure) when lupdate cannot run or cannot place a tr().
QHash<Message, QString> collectedFromTheSources() {
    QTemporaryDir dir;
    EXPECT_TRUE(dir.isValid());
    const QString collected = dir.filePath(QStringLiteral("collected.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(TONALYST_LUPDATE),
                  {QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-I"),
                   QStringLiteral(TONALYST_SOURCES), QStringLiteral(TONALYST_SOURCES), QStringLiteral("-ts"),
                   collected});
    if (!lupdate.waitForFinished(120000)) {
        ADD_FAILURE() << "lupdate did not finish";
        return {};
    }
    const QString output = QString::fromLocal8Bit(lupdate.readAll());
    if (lupdate.exitCode() != 0) {
        ADD_FAILURE() << output.toStdString();
        return {};
    }
    // lupdate names the file and line of every tr() it cannot place.
    EXPECT_FALSE(output.contains(QRegularExpression(QStringLiteral("\\.(cpp|h):\\d+:"))))
        << output.toStdString();
    return messagesIn(collected);
}

// The test's language stands in for any the program gets: it replaces a few texts of
// different layers, and the program must show them wherever those texts appear.
TEST(Translations, AnInstalledLanguageReachesDialogsMessagesAndTheTextsMadeBelowQt) {
    QuestionSettings settings;
    test::ScriptedPrompter prompter;
    test::RecordingBeeper beeper;

    // A language the program has no translation into leaves every text in English.
    EXPECT_FALSE(installTranslations(QLocale(QLocale::Japanese)));
    EXPECT_EQ(KeySettingsDialog(settings, prompter, beeper).windowTitle(),
              QStringLiteral("Options: Key Settings"));
    EXPECT_EQ(translate("ReportMessages", "Invalid Start Date"), "Invalid Start Date");

    ASSERT_TRUE(installTranslations(QLocale(QLocale::Esperanto)));
    KeySettingsDialog keys(settings, prompter, beeper);
    EXPECT_EQ(keys.windowTitle(), QStringLiteral("Agordoj: Tonaloj"));
    keys.findChild<QPushButton*>(QStringLiteral("cmdClearsharp"))->click();
    keys.findChild<QPushButton*>(QStringLiteral("cmdClearflat"))->click();
    EXPECT_FALSE(keys.pressOk());
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("Elektu almenaŭ unu tonalon")});

    const UserIdDialog userId(prompter);
    EXPECT_EQ(userId.findChild<QGroupBox*>(QStringLiteral("Frame1"))->title(),
              QStringLiteral("Tajpu vian uzantnomon"));
    EXPECT_EQ(invalidStartDateMessage(), QStringLiteral("Nevalida komenca dato"));
    EXPECT_EQ(parseRecordLine("\"AB\"x,#2024-01-02#,\"practice\",\"spell\",\"-1\",\"Triads\",1,1,0").reason,
              QStringLiteral("Kampo 1 daŭras post sia ferma citilo."));
    EXPECT_EQ(translate("ReportMessages", "Invalid Start Date"), "Nevalida komenca dato");
    // What the language leaves out stays English.
    EXPECT_EQ(translate("ReportMessages", "Invalid End Date"), "Invalid End Date");
}

// A weak spot's kind is written into the progress JSON and compared by the statistics, so
// it must stay English there; only the table a student reads shows it translated.
TEST(Translations, AWeakSpotsKindStaysEnglishInTheFiguresAndIsTranslatedWhereShown) {
    constexpr int kKeySignatureId = 0;
    const QDate day(2026, 11, 16);
    AnswerRecord wrong;
    wrong.answeredUtc = QDateTime(day, QTime(12, 0), Qt::UTC);
    wrong.userId = QStringLiteral("kim");
    wrong.method = QStringLiteral("practice");
    wrong.activity = QStringLiteral("keysigid");
    wrong.item = QStringLiteral("E-flat");
    wrong.seconds = 10;

    ASSERT_TRUE(installTranslations(QLocale(QLocale::Esperanto)));
    const ProgressStatistics statistics = computeProgress({wrong}, ProgressQuery{day, day, QTimeZone::utc()});
    const std::vector<WeakSpot>& spots = statistics.activities[kKeySignatureId].weakSpots;
    ASSERT_EQ(spots.size(), 1u);
    EXPECT_EQ(spots[0].kind, QStringLiteral("Key"));

    const ActivitySection section(kKeySignatureId, statistics, nullptr);
    const QTableWidget* table = section.weakSpotTable();
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 0)->text(), QStringLiteral("Tonalo"));
    EXPECT_EQ(table->item(0, 1)->text(), QStringLiteral("E-flat"));
}

// Progress tells which answer was given for which in the menus' own words and note names,
// though the history keeps the English captions; so does the window's figured-bass name.
TEST(Translations, AnswersReadInTheMenusWordsWhereverTheyAreShown) {
    struct Confused {
        const char* activity;
        int index; // in the Activity menu
        const char* right;
        const char* given;
        const char* shown;
    };
    const Confused confused[] = {
        {"identify", 4, "Augmented 6 : / German", "Augmented 6 : / Italian",
         "\u00DCberm\u00E4\u00DFiger Sextakkord deutscher beantwortet als italienischer"},
        {"keysigid", 0, "minor : / f-sharp", "major : / A", "Moll fis beantwortet als Dur A"},
    };
    const QDate day(2026, 11, 16);
    ASSERT_TRUE(installTranslations(QLocale(QLocale::German)));
    setNoteNaming(NoteNaming::German);
    for (const Confused& c : confused) {
        AnswerRecord wrong;
        wrong.answeredUtc = QDateTime(day, QTime(12, 0), Qt::UTC);
        wrong.method = QStringLiteral("practice");
        wrong.activity = QString::fromLatin1(c.activity);
        wrong.right = QString::fromUtf8(c.right);
        wrong.given = QString::fromUtf8(c.given);
        const ProgressStatistics statistics =
            computeProgress({wrong}, ProgressQuery{day, day, QTimeZone::utc()});
        const std::vector<Confusion>& confusions =
            statistics.activities[static_cast<std::size_t>(c.index)].confusions;
        ASSERT_EQ(confusions.size(), 1u) << c.activity;
        EXPECT_EQ(confusions[0].what(), QString::fromUtf8(c.shown));
    }
    EXPECT_EQ(makefigbassIDanswer(kVofCategory, "IV", "6-5", ""), "V 6-5 von IV");
    EXPECT_EQ(makefigbassIDanswer(kViiofCategory, "V", "4-2", ""), "vii-verm 4-2 von V");
    setNoteNaming(NoteNaming::English);
    installTranslations(QLocale(QLocale::English));
}

// update_translations runs lupdate over src/ in the same way: a text it cannot file
// under the right context, or does not see, would stay English in every language.
TEST(Translations, LupdateFindsTheTextsOfEveryLayerWithoutComplaint) {
    const QHash<Message, QString> found = collectedFromTheSources();
    const QHash<Message, QString> language = messagesIn(QStringLiteral(TONALYST_TEST_LANGUAGE));
    for (auto it = language.cbegin(); it != language.cend(); ++it)
        EXPECT_TRUE(found.contains(it.key()))
            << it.key().first.toStdString() << ": " << it.key().second.toStdString();
    // Every window, dialog and message of the program: hundreds of texts.
    EXPECT_GT(found.size(), 300);
}

// A text added to the program without a translation would show up in English in the
// middle of a German, French or Spanish window.
TEST(Translations, EveryTextOfTheProgramIsTranslatedIntoEachLanguage) {
    const QHash<Message, QString> found = collectedFromTheSources();
    ASSERT_GT(found.size(), 300);
    for (const char* language : {"de", "fr", "es"}) {
        const QString file =
            QStringLiteral(TONALYST_LANGUAGES "/tonalyst_%1.ts").arg(QLatin1String(language));
        const QHash<Message, QString> translated = messagesIn(file, true);
        QStringList missing;
        for (auto it = found.cbegin(); it != found.cend(); ++it)
            if (!translated.contains(it.key()))
                missing << it.key().first + QStringLiteral(": ") + it.key().second;
        missing.sort();
        EXPECT_TRUE(missing.isEmpty()) << language << " lacks " << missing.size() << " translation(s):\n"
                                       << missing.join(QLatin1Char('\n')).toStdString();
    }
}

// Options → Language is kept per user: on a computer students share, each one's main
// window comes up in the language they chose, and in the desktop's for one who chose none.
TEST(Translations, AUsersChosenLanguageOpensTheirMainWindowInItAndOthersKeepTheDesktops) {
    test::FakeClock clock;
    test::ScriptedRandom random;
    test::ScriptedPrompter prompter;
    test::RecordingBeeper beeper;
    test::RecordingTonePlayer tones;
    test::TempLocations files;
    Platform platform{clock, random, prompter, beeper, tones, files};
    const QString settings = languageSettingsFile(files.stateDir());
    saveChosenLanguage(settings, QStringLiteral("ANNA"), QStringLiteral("de"));
    saveChosenLanguage(settings, QStringLiteral("CLEO"), QStringLiteral("en"));
    const QLocale desktop(QLocale::Spanish, QLocale::Spain);

    // As the program does once the User ID prompt is accepted.
    const auto optionsMenuOf = [&](const char* userId) {
        installLanguageOf(settings, QString::fromLatin1(userId), desktop);
        const MainWindow window(platform);
        return window.findChild<QMenu*>(QStringLiteral("mnucustom"))->title();
    };
    EXPECT_EQ(optionsMenuOf("ANNA"), QStringLiteral("&Optionen    "));
    EXPECT_EQ(optionsMenuOf("BEN"), QStringLiteral("&Opciones    "));
    EXPECT_EQ(optionsMenuOf("CLEO"), QStringLiteral("&Options    "));
    EXPECT_EQ(translate("ReportMessages", "Invalid Start Date"), "Invalid Start Date");
}

} // namespace
} // namespace tonalyst
