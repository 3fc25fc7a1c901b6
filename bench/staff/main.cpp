// Time to repaint the staff at the size it takes in a maximised full-HD window, with a
// key signature of seven flats and a four-note chord with seconds and accidentals, against
// filling a pixmap of the same size in the same run. A frame at 60 Hz is 16.7 ms.
//
//   bench_staff [REPAINTS]        (default 200)

#include "platform/Beeper.h"
#include "staff/MusicFont.h"
#include "staff/StaffPanel.h"
#include "staff/StaffWidget.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <cstdio>

namespace {

class SilentBeeper final : public tonalyst::Beeper {
public:
    void beep() override {}
};

template <typename Work> double averageMilliseconds(int count, Work work) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < count; ++i)
        work();
    return timer.nsecsElapsed() / 1e6 / count;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    initStaffResources();
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;

    SilentBeeper beeper;
    tonalyst::StaffPanel panel(beeper);
    // The panel's width in a maximised 1920 x 1080 window, beside the status panel.
    panel.resize(1650, panel.heightForWidth(1650));
    panel.show();
    QApplication::processEvents();
    panel.setKeySignature(tonalyst::SignatureKind::Flat, 7);
    panel.showKeySignature(true);
    panel.setEntryEnabled(true);
    panel.enterNote(3, tonalyst::Flat);
    panel.enterNote(4, tonalyst::Sharp);
    panel.enterNote(5, tonalyst::Natural);
    panel.enterNote(7, tonalyst::DoubleFlat);

    tonalyst::StaffWidget* staff = panel.staff();
    const qreal ratio = staff->devicePixelRatioF();
    QPixmap target(staff->size() * ratio);
    target.setDevicePixelRatio(ratio);
    const double fill = averageMilliseconds(count, [&] { target.fill(Qt::white); });
    const double repaint = averageMilliseconds(count, [&] { staff->render(&target); });

    std::printf("staff repaint at %d x %d pixels (zoom %.2f), average of %d\n", target.width(), target.height(),
                panel.zoom(), count);
    std::printf("  filling the same pixmap (baseline)  %8.3f ms\n", fill);
    std::printf("  repainting the staff                %8.3f ms   (%.1f x the fill, %.1f %% of a 16.7 ms frame)\n",
                repaint, repaint / fill, repaint / 16.7 * 100.0);
    return 0;
}
