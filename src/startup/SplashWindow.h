#pragma once

#include <QFont>
#include <QLatin1String>
#include <QWidget>

#include <array>

class QLabel;

namespace tonalyst {

// The title's families in the order they are preferred: Times New Roman, then the
// serifs drawn to its measure, then the system's own.
inline constexpr std::array kSplashTitleFamilies = {
    QLatin1String("Times New Roman"), QLatin1String("Nimbus Roman"), QLatin1String("Liberation Serif"),
    QLatin1String("Noto Serif"), QLatin1String("DejaVu Serif")};

// The title's font: `base` in the first of those families that is installed, large and bold.
QFont splashTitleFont(const QFont& base);

// The window shown while the program loads. It is hidden, not destroyed, once the main
// window is up.
class SplashWindow final : public QWidget {
    Q_OBJECT

public:
    explicit SplashWindow(QWidget* parent = nullptr);

    // Shows the window and paints it at once, so that it is seen while loading keeps the
    // event loop busy.
    void showNow();

    // Loading is done: the "warming up" line goes away.
    void clearWarmingUp();

private:
    QLabel* m_warmingUp = nullptr;
};

} // namespace tonalyst
