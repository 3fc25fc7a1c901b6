// The activities heard in a key, worked in German with German note names on the real
// window: what the student reads is German, what the history keeps stays English.
#include "app/EarTrainingWindow.h"
#include "app/MainWindowFixture.h"
#include "app/NamePad.h"
#include "cycle/QuestionCycle.h"
#include "history/HistoryStore.h"
#include "startup/Translations.h"
#include "theory/NoteNames.h"
#include "tonality/Tonality.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <map>

namespace tonalyst::test {
namespace {

struct InGermanCase {
    const char* menuName;
    // Pad captions that must read as German textbooks write them; the rest are numerals
    // and degree numbers, written alike in both languages.
    std::map<std::string, QString> captions;
};

class HeardInGerman : public MainWindowTest, public ::testing::WithParamInterface<InGermanCase> {
protected:
    HeardInGerman() {
        EXPECT_TRUE(installTranslations(QLocale(QLocale::German)));
        setNoteNaming(NoteNaming::German);
        // The window is made anew, so that its captions are German too.
        window = std::make_unique<MainWindow>(platform);
        window->setUserId(QStringLiteral("AB"));
        action(GetParam().menuName)->trigger();
    }
    ~HeardInGerman() override {
        window.reset();
        setNoteNaming(NoteNaming::English);
        (void)installTranslations(QLocale(QLocale::English));
    }

    NamePad* pad() const { return window->earTrainingWindow()->namePad(); }
    const Question& question() const { return window->cycle().currentSlot()->question; }
};

TEST_P(HeardInGerman, thePadTheKeyAndTheRightAnswerReadGermanWhileTheHistoryKeepsEnglish) {
    control<QPushButton>("cmdStart")->click();
    const HeardInKey heard = *question().heard;
    const QString key = QString::fromStdString(shownKeyName(heard.key.tonic, heard.key.minor));
    EXPECT_EQ(pad()->findChild<QLabel*>(QStringLiteral("lblkey"))->text(), QStringLiteral("In %1").arg(key));
    for (const auto& [name, caption] : GetParam().captions) {
        QPushButton* button = pad()->button(QString::fromStdString(name));
        ASSERT_NE(button, nullptr) << name;
        EXPECT_EQ(button->text(), caption);
        EXPECT_EQ(button->accessibleName(), caption);
    }

    // Wrong names typed as the pad shows them, and no second try: the right answer follows.
    const std::vector<std::string> offered =
        window->state().current->padNames(question(), window->settings());
    std::vector<std::string> wrong;
    for (const std::string& right : heard.answer) {
        wrong.push_back(offered.front() == right ? offered.back() : offered.front());
        QTest::keyClicks(pad()->typedField(), pad()->button(QString::fromStdString(wrong.back()))->text());
        QTest::keyClick(pad()->typedField(), Qt::Key_Return);
    }
    ASSERT_EQ(window->cycle().answer().sequence, wrong);
    prompter.answerNo();
    window->earTrainingWindow()->submitButton()->click();
    const QString rightAnswer = prompter.lastText();
    EXPECT_TRUE(rightAnswer.contains(QStringLiteral("In %1").arg(key))) << rightAnswer.toStdString();
    for (const std::string& right : heard.answer) {
        if (const auto caption = GetParam().captions.find(right); caption != GetParam().captions.end()) {
            EXPECT_TRUE(rightAnswer.contains(caption->second)) << rightAnswer.toStdString();
        }
    }

    prompter.answerYes();
    action("mnuquit")->trigger();
    window.reset();
    HistoryStore history(HistoryStore::pathIn(files.dataDir()));
    QString notice;
    ASSERT_TRUE(history.open(HistoryStore::Access::ReadOnly, notice)) << notice.toStdString();
    const std::vector<AnswerRecord> answers = history.answers({QStringLiteral("AB"), {}, {}, {}});
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].key, QString::fromStdString(keyLabel(heard.key)));
    std::vector<std::string> given;
    for (const QString& name : answers[0].given.split(QStringLiteral(", ")))
        given.push_back(name.toStdString());
    EXPECT_EQ(given, wrong);
}

INSTANTIATE_TEST_SUITE_P(
    EveryActivityHeardInAKey, HeardInGerman,
    ::testing::Values(InGermanCase{"mnuscaledegrees", {}}, InGermanCase{"mnuchordfunctions", {}},
                      InGermanCase{"mnuprogressions", {}},
                      InGermanCase{"mnucadences",
                                   {{"perfect authentic", QStringLiteral("vollkommener Ganzschluss")},
                                    {"half", QStringLiteral("Halbschluss")},
                                    {"plagal", QStringLiteral("Plagalschluss")},
                                    {"deceptive", QStringLiteral("Trugschluss")}}}),
    [](const ::testing::TestParamInfo<InGermanCase>& tested) { return std::string(tested.param.menuName); });

} // namespace
} // namespace tonalyst::test
