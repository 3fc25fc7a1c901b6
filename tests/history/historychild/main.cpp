// Stores batches of answers in the history given as argument, without end, and prints
// the number of each batch once its transaction has been committed, so that a test can
// kill it at any moment and know what must have survived.
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QUuid>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const int first = QString::fromLocal8Bit(argv[2]).toInt();
    tonalyst::HistoryStore history(path);
    QString notice;
    if (!history.open(tonalyst::HistoryStore::Access::ReadWrite, notice)) {
        std::fprintf(stderr, "%s\n", qPrintable(notice));
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    for (int batch = first;; ++batch) {
        std::vector<tonalyst::AnswerRecord> answers(5);
        for (tonalyst::AnswerRecord& answer : answers) {
            answer.answerId = QUuid::createUuid().toString(QUuid::WithoutBraces);
            answer.answeredUtc = QDateTime::currentDateTimeUtc();
            answer.userId = QStringLiteral("K");
            answer.runId = QString::number(batch);
            answer.asked = QStringLiteral("C4 E4 G4 ").repeated(40);
        }
        QString error;
        if (!history.append(answers, error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        std::printf("%d\n", batch);
        std::fflush(stdout);
    }
}
