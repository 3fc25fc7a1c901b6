#pragma once

#include <QObject>

class QWidget;

namespace tonalyst {

// Qt lets a window be made lower than its word-wrapped labels need at its width, as it
// works out a window's minimum size without wrapping any text. This keeps the window's
// minimum height at what its texts need at its width, so that no line is cut off
// however narrow the window is made or however long a text grows (a message, or a
// translation). Made once the window has its layout; lives as long as the window.
class WrappedTextHeight final : public QObject {
public:
    explicit WrappedTextHeight(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};

} // namespace tonalyst
