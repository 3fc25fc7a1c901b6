// The worksheet command run as the real program in the desktop's language, with the
// translations built into it: what a student reads follows the language and its note names,
// what another program reads does not.
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tonalyst {
namespace {

struct ProgramRun {
    int status = -1;
    QString out;
    QString err;
};

// LANGUAGE empty is the C locale's English.
ProgramRun tonalystIn(const QString& language, const QStringList& arguments) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LC_ALL"));
    environment.remove(QStringLiteral("LC_MESSAGES"));
    environment.insert(QStringLiteral("LANG"),
                       language.isEmpty() ? QStringLiteral("C") : language + QStringLiteral(".UTF-8"));
    environment.insert(QStringLiteral("LANGUAGE"), language.section(QLatin1Char('_'), 0, 0));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess tonalyst;
    tonalyst.setProcessEnvironment(environment);
    tonalyst.start(QStringLiteral(TONALYST_PROGRAM), QStringList{QStringLiteral("worksheet")} + arguments);
    if (!tonalyst.waitForFinished(60000))
        return {};
    return {tonalyst.exitCode(), QString::fromUtf8(tonalyst.readAllStandardOutput()),
            QString::fromUtf8(tonalyst.readAllStandardError())};
}

// The answer key's line for that question: the last line of that number, as the key
// follows the questions.
QString answerKeyLine(const QString& sheet, int number) {
    const QRegularExpression line(QStringLiteral("^%1\\.  (.*)$").arg(number),
                                  QRegularExpression::MultilineOption);
    QString last;
    for (auto match = line.globalMatch(sheet); match.hasNext();)
        last = match.next().captured(1);
    return last;
}

// The tonic chord of E-flat major, whose notes are spelled differently in each naming.
const QStringList kTonicOfEFlat{
    QStringLiteral("--activity"), QStringLiteral("chord-spell"), QStringLiteral("--count"),
    QStringLiteral("1"),          QStringLiteral("--seed"),      QStringLiteral("3"),
    QStringLiteral("--keys"),     QStringLiteral("E-flat/c"),    QStringLiteral("--mode"),
    QStringLiteral("major"),      QStringLiteral("--chords"),    QStringLiteral("triad:0")};

TEST(WorksheetLanguage, aSheetAndItsAnswerKeyAreInTheLanguageWithItsNoteNames) {
    struct Case {
        QString language;
        QString heading;   // how the title starts
        QString keyLine;   // the question's key
        QString answer;    // the answer key's spelling of E-flat, G, B-flat, on screen and paper
    };
    const std::vector<Case> cases{
        {QString(),
         QStringLiteral("Tonalyst worksheet: "),
         QStringLiteral("In the key of E-flat major"),
         QStringLiteral("E-flat, G, B-flat")},
        {QStringLiteral("de_DE"),
         QStringLiteral("Tonalyst-Arbeitsblatt: "),
         QStringLiteral("Es-Dur"),
         QStringLiteral("Es, G, B")},
        {QStringLiteral("fr_FR"),
         QStringLiteral("Fiche d'exercices Tonalyst : "),
         QStringLiteral("Mi\u266D majeur"),
         QStringLiteral("Mi\u266D, Sol, Si\u266D")},
    };
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.language.toStdString());
        const ProgramRun text = tonalystIn(c.language, kTonicOfEFlat);
        ASSERT_EQ(text.status, 0) << text.err.toStdString();
        EXPECT_TRUE(text.out.startsWith(c.heading)) << text.out.toStdString();
        const QString question =
            text.out.section(QStringLiteral("\n1.  "), 1).section(QLatin1Char('\n'), 0, 0);
        EXPECT_TRUE(question.contains(c.keyLine)) << text.out.toStdString();
        EXPECT_EQ(answerKeyLine(text.out, 1), c.answer) << text.out.toStdString();

        const QString pdf = dir.filePath(c.language + QStringLiteral(".pdf"));
        const ProgramRun printed =
            tonalystIn(c.language, kTonicOfEFlat + QStringList{QStringLiteral("--pdf"), pdf});
        ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0)
            continue; // no poppler tools: the text sheet has said it all
        const QString read = QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
        EXPECT_TRUE(read.contains(c.heading.trimmed())) << read.toStdString();
        EXPECT_TRUE(read.contains(c.keyLine)) << read.toStdString();
        EXPECT_TRUE(read.contains(c.answer)) << read.toStdString();
    }
}

TEST(WorksheetLanguage, jsonLinesAreTheSameInEveryLanguage) {
    // Spelled, named and heard questions, whose prompts, hints and answers are texts a
    // student reads elsewhere.
    const std::vector<QStringList> sheets{
        kTonicOfEFlat,
        {QStringLiteral("--activity"), QStringLiteral("chord-spell"), QStringLiteral("--count"),
         QStringLiteral("20"), QStringLiteral("--seed"), QStringLiteral("9"), QStringLiteral("--keys"),
         QStringLiteral("E-flat/c"), QStringLiteral("--mode"), QStringLiteral("minor")},
        {QStringLiteral("--activity"), QStringLiteral("chord-id"), QStringLiteral("--count"),
         QStringLiteral("10"), QStringLiteral("--seed"), QStringLiteral("4"), QStringLiteral("--inversions"),
         QStringLiteral("figured")},
        {QStringLiteral("--activity"), QStringLiteral("interval-spell"), QStringLiteral("--count"),
         QStringLiteral("10"), QStringLiteral("--seed"), QStringLiteral("4")},
        {QStringLiteral("--activity"), QStringLiteral("keysig"), QStringLiteral("--count"),
         QStringLiteral("10"), QStringLiteral("--seed"), QStringLiteral("4")},
    };
    for (const QStringList& sheet : sheets) {
        SCOPED_TRACE(sheet.join(QLatin1Char(' ')).toStdString());
        const QStringList json = sheet + QStringList{QStringLiteral("--json")};
        const ProgramRun english = tonalystIn(QString(), json);
        ASSERT_EQ(english.status, 0) << english.err.toStdString();
        ASSERT_FALSE(english.out.isEmpty());
        for (const QString& language :
             {QStringLiteral("de_DE"), QStringLiteral("fr_FR"), QStringLiteral("es_ES")}) {
            const ProgramRun translated = tonalystIn(language, json);
            ASSERT_EQ(translated.status, 0) << translated.err.toStdString();
            EXPECT_EQ(translated.out.toStdString(), english.out.toStdString()) << language.toStdString();
        }
    }
}

} // namespace
} // namespace tonalyst
