#pragma once

#include <QWidget>

class QLabel;

namespace tonalyst {

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
