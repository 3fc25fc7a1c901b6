// Time to write a 100-question PDF worksheet, against writing the same worksheet as text
// in the same run (the questions and answers without the staves and the PDF). Prints both
// times, their ratio and the file's size.
//
//   bench_worksheet [RUNS]        (default 5; the best time counts)

#include "worksheet/PdfWorksheetPrinter.h"
#include "worksheet/Worksheet.h"
#include "worksheet/WorksheetCommand.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdio>
#include <limits>
#include <sstream>

namespace {

template <typename Work> double bestMilliseconds(int runs, Work work) {
    double best = std::numeric_limits<double>::max();
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!work())
            return -1;
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("sheet.pdf"));
    std::vector<std::string> args{"--activity", "chord-id", "--count", "100", "--seed", "1",
                                  "--chords", "all", "--inversions", "figured", "--key-display", "both"};

    const double text = bestMilliseconds(runs, [&] {
        std::ostringstream out;
        std::ostringstream err;
        return tonalyst::runWorksheetCommand(args, out, err) == 0;
    });
    args.insert(args.end(), {"--pdf", file.toStdString()});
    tonalyst::PdfWorksheetPrinter printer;
    const double pdf = bestMilliseconds(runs, [&] {
        std::ostringstream out;
        std::ostringstream err;
        return tonalyst::runWorksheetCommand(args, out, err, &printer) == 0;
    });
    if (text < 0 || pdf < 0) {
        std::fprintf(stderr, "bench_worksheet: the worksheet could not be written\n");
        return 1;
    }
    std::printf("100-question worksheet, best of %d runs\n", runs);
    std::printf("  as text (baseline)   %8.2f ms\n", text);
    std::printf("  as PDF               %8.2f ms   (%.1f x the text, %lld KB)\n", pdf, pdf / text,
                QFileInfo(file).size() / 1024);
    return 0;
}
