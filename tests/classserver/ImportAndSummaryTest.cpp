#include "ClassServerKit.h"

#include <QFile>
#include <QTemporaryDir>

namespace tonalyst::test {
namespace {

const QByteArray kLine = "\"AB\",#2026-03-02#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n";
const QByteArray kOtherUser = "\"CD\",#2026-03-02#,\"test\",\"spell\",\"-1\",\"Triad :\",12,1,3\r\n";
const QByteArray kLater = "\"AB\",#2026-03-04#,\"practice\",\"keysigid\",\"-1\",\"major :\",5,0,4\r\n";

class Import : public ClassDatabase {
protected:
    void write(const QByteArray& bytes) {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }
    QString path() const { return m_folder.filePath(QStringLiteral("archive.dat")); }
    CommandRun import(const QString& userId = QStringLiteral("AB")) {
        return runClass({QStringLiteral("import"), QStringLiteral("--db"), server(), QStringLiteral("--data"), path(),
                         QStringLiteral("--user"), userId});
    }
    qint64 answers() { return count(QStringLiteral("SELECT count(*) FROM tonalyst.answers WHERE imported")); }

    QTemporaryDir m_folder;
};

TEST_F(Import, IdenticalLinesAreTwoAnswersAndImportingAgainOrAfterGrowingAddsOnlyWhatIsNew) {
    student(QStringLiteral("4B"), QStringLiteral("AB"));
    write(kLine + kOtherUser + kLine);
    const CommandRun first = import();
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains(QStringLiteral("Imported 2 new records"))) << first.out.toStdString();
    EXPECT_EQ(answers(), 2);

    EXPECT_EQ(import().status, 0);
    EXPECT_EQ(answers(), 2);

    write(kLine + kOtherUser + kLine + kLine + kLater);
    const CommandRun grown = import();
    EXPECT_TRUE(grown.out.contains(QStringLiteral("Imported 2 new records"))) << grown.out.toStdString();
    EXPECT_EQ(answers(), 4);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers WHERE day = '2026-03-04' AND NOT correct "
                                   "AND method = 'practice' AND accidentals = 4")),
              1);
}

TEST_F(Import, AFileWithAForeignLineOrAStudentNotYetAddedImportsNothing) {
    student(QStringLiteral("4B"), QStringLiteral("AB"));
    write(kLine + kLine + "not a record\r\n" + kLater);
    const CommandRun foreign = import();
    EXPECT_EQ(foreign.status, 1);
    EXPECT_TRUE(foreign.err.contains(QStringLiteral("line 3"))) << foreign.err.toStdString();
    EXPECT_EQ(answers(), 0);

    write(kOtherUser);
    const CommandRun unknown = import(QStringLiteral("CD"));
    EXPECT_EQ(unknown.status, 1);
    EXPECT_TRUE(unknown.err.contains(QStringLiteral("add-student"))) << unknown.err.toStdString();
    EXPECT_EQ(answers(), 0);
}

TEST_F(Import, AnswersTheWindowHasSentAreNotCountedAgainByAnImportOfTheSameFile) {
    const ClassLogin login = student(QStringLiteral("4B"), QStringLiteral("AB"));
    // The window sent the two answers of kLine's kind as the student gave them.
    QVector<AnswerRecord> sent;
    for (int i = 0; i < 2; ++i)
        sent << answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("test"),
                         QStringLiteral("spell"), QStringLiteral("Triad :"), true, 12);
    for (AnswerRecord& answer : sent)
        answer.accidentals = 3;
    PgConnection window;
    ASSERT_TRUE(window.open(this->login(login)));
    ASSERT_TRUE(ClassServer(window).push(sent).ok);

    write(kLine + kLine + kLine + kLater);
    const CommandRun imported = import();
    ASSERT_EQ(imported.status, 0) << imported.err.toStdString();
    EXPECT_TRUE(imported.out.contains(QStringLiteral("Imported 2 new records")))
        << imported.out.toStdString();
    EXPECT_EQ(import().status, 0);
    // As many answers as the file has records, imported or sent.
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM tonalyst.answers WHERE in_data_file")), 4);
}

TEST_F(Import, EveryFileAReportReadsImports) {
    student(QStringLiteral("4B"), QStringLiteral("AB"));
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"byte-order mark", "\xEF\xBB\xBF" + kLine + kLater},
        {"CR-only line ends",
         QByteArray(kLine).replace("\r\n", "\r") + QByteArray(kLater).replace("\r\n", "\r")},
        {"LF line ends, no end to the last",
         QByteArray(kLine).replace("\r\n", "\n") + QByteArray(kLater).chopped(2)},
    };
    qint64 expected = 0;
    for (const auto& file : files) {
        // Each file's records on a day of their own, so each import adds both.
        const QByteArray day = "2026-04-0" + QByteArray::number(++expected);
        write(QByteArray(file.bytes).replace("2026-03-02", day).replace("2026-03-04", day));
        const CommandRun run = import();
        EXPECT_EQ(run.status, 0) << file.name << run.err.toStdString();
        EXPECT_TRUE(run.out.contains(QStringLiteral("Imported 2 new records")))
            << file.name << run.out.toStdString();
    }
    EXPECT_EQ(answers(), 2 * expected);
}

// Reads one line of comma-separated values with quoted fields.
QStringList csvFields(const QString& line) {
    QStringList fields{QString()};
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted && c == u'"' && i + 1 < line.size() && line[i + 1] == u'"') {
            fields.back() += c;
            ++i;
        } else if (c == u'"') {
            quoted = !quoted;
        } else if (c == u',' && !quoted) {
            fields << QString();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

TEST_F(ClassDatabase, TheSummaryHasALinePerStudentWithItsTotalsAndTheExactIdInTheCsv) {
    const QString tricky = QStringLiteral("Lee, \"Jo\"; DROP TABLE x");
    student(QStringLiteral("4B"), tricky);
    student(QStringLiteral("4B"), QStringLiteral("AB"));
    student(QStringLiteral("5C"), QStringLiteral("CD"));
    const QDate day(2026, 3, 2);
    QVector<AnswerRecord> answers{
        answerOf(tricky, day, QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("Triad :"), true, 4),
        answerOf(tricky, day, QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("Triad :"), false, 6),
        answerOf(tricky, day.addDays(1), QStringLiteral("practice"), QStringLiteral("intid"), QStringLiteral("Major 3rd"), true, 2),
        answerOf(tricky, day.addDays(20), QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("Triad :"), true, 4),
        answerOf(QStringLiteral("CD"), day, QStringLiteral("test"), QStringLiteral("spell"), QStringLiteral("Triad :"), true, 4),
    };
    // A practice retry is the history's, not a question of the run.
    answers << answerOf(tricky, day, QStringLiteral("practice"), QStringLiteral("spell"), QStringLiteral("Triad :"), true, 1);
    answers.back().inDataFile = false;
    ASSERT_TRUE(ClassServer(m_admin).push(answers).ok);

    const CommandRun csv = runClass({QStringLiteral("summary"), QStringLiteral("--db"), server(), QStringLiteral("--class"),
                                     QStringLiteral("4B"), QStringLiteral("--from"), QStringLiteral("2026-03-01"),
                                     QStringLiteral("--to"), QStringLiteral("2026-03-10"), QStringLiteral("--csv")});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    const QStringList lines = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3) << csv.out.toStdString();
    const QStringList head = csvFields(lines[0]);
    QStringList row;
    for (const QString& line : lines.mid(1)) {
        if (csvFields(line).front() == tricky)
            row = csvFields(line);
    }
    ASSERT_EQ(row.size(), head.size()) << csv.out.toStdString();
    const auto field = [&](const char* name) { return row[head.indexOf(QString::fromLatin1(name))]; };
    EXPECT_EQ(field("answers"), QStringLiteral("3"));
    EXPECT_EQ(field("successes"), QStringLiteral("2"));
    EXPECT_EQ(field("seconds"), QStringLiteral("12"));
    EXPECT_EQ(field("success_percent"), QStringLiteral("67"));
    EXPECT_EQ(field("seconds_per_question"), QStringLiteral("4"));
    EXPECT_EQ(field("score_spell"), QStringLiteral("1000"));
    EXPECT_EQ(field("answers_intid"), QStringLiteral("1"));
    EXPECT_EQ(field("score_keysigid"), QString());
    // Active later than the period shows.
    EXPECT_EQ(field("last_active"), QStringLiteral("2026-03-22"));
    EXPECT_FALSE(csv.out.contains(QStringLiteral("CD")));

    const CommandRun text = runClass({QStringLiteral("summary"), QStringLiteral("--db"), server(), QStringLiteral("--class"),
                                      QStringLiteral("4B"), QStringLiteral("--from"), QStringLiteral("2026-03-01"),
                                      QStringLiteral("--to"), QStringLiteral("2026-03-10")});
    ASSERT_EQ(text.status, 0);
    EXPECT_TRUE(text.out.contains(QStringLiteral("   ") + tricky + QLatin1Char('\n'))) << text.out.toStdString();
    EXPECT_TRUE(text.out.contains(QStringLiteral("(whole class, 2 students)")));
}

TEST_F(ClassDatabase, AnAnswerHeardInAKeyArrivesWholeAndTheSummaryCountsItsQuestionOnce) {
    PgConnection own;
    ASSERT_TRUE(own.open(login(student(QStringLiteral("4B"), QStringLiteral("AB")))))
        << own.problem().toStdString();
    // The data file has no place for it, so only its first answer stands for the question.
    AnswerRecord first = answerOf(QStringLiteral("AB"), QDate(2026, 3, 2), QStringLiteral("practice"),
                                  QStringLiteral("progression"), QStringLiteral("major"), false, 9);
    first.inDataFile = false;
    first.key = QStringLiteral("B-flat major");
    first.item = first.right = QStringLiteral("I, ♭VI, vii°7/V, V");
    first.given = QStringLiteral("I, iv, viiø7/V, V");
    first.asked = QStringLiteral("Bb2 F3 D4 Bb4 | Gb2 Db3 Bb3 Gb4 | E3 Bb3 Db4 G4 | F3 C4 A4 C5");
    AnswerRecord retry = first;
    retry.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    retry.given = retry.right;
    retry.correct = true;
    retry.attempt = 2;
    ASSERT_TRUE(ClassServer(own).push({first, retry}).ok);

    for (const AnswerRecord& sent : {first, retry}) {
        const PgResult row = m_admin.exec(
            QStringLiteral("SELECT activity, category, key, item, asked, given, right_answer, attempt "
                           "FROM tonalyst.answers WHERE answer_id = $1::uuid"),
            {sent.answerId});
        ASSERT_TRUE(row.ok() && row.rows() == 1) << row.problem().toStdString();
        EXPECT_EQ((QStringList{row.text(0, 0), row.text(0, 1), row.text(0, 2), row.text(0, 3), row.text(0, 4),
                               row.text(0, 5), row.text(0, 6), row.text(0, 7)}),
                  (QStringList{sent.activity, sent.category, sent.key, sent.item, sent.asked, sent.given,
                               sent.right, QString::number(sent.attempt)}));
    }

    const CommandRun csv =
        runClass({QStringLiteral("summary"), QStringLiteral("--db"), server(), QStringLiteral("--class"),
                  QStringLiteral("4B"), QStringLiteral("--from"), QStringLiteral("2026-03-01"),
                  QStringLiteral("--to"), QStringLiteral("2026-03-10"), QStringLiteral("--csv")});
    ASSERT_EQ(csv.status, 0) << csv.err.toStdString();
    const QStringList lines = csv.out.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 2) << csv.out.toStdString();
    const QStringList head = csvFields(lines[0]);
    const QStringList row = csvFields(lines[1]);
    ASSERT_EQ(row.size(), head.size());
    const auto field = [&](const char* name) { return row[head.indexOf(QString::fromLatin1(name))]; };
    EXPECT_EQ(field("answers"), QStringLiteral("1"));
    EXPECT_EQ(field("successes"), QStringLiteral("0"));
    EXPECT_EQ(field("answers_progression"), QStringLiteral("1"));
}

} // namespace
} // namespace tonalyst::test
