#include "startup/WrappedTextHeight.h"

#include <QEvent>
#include <QLayout>
#include <QWidget>

namespace tonalyst {

WrappedTextHeight::WrappedTextHeight(QWidget* window) : QObject(window), m_window(window) {
    window->installEventFilter(this);
}

bool WrappedTextHeight::eventFilter(QObject* watched, QEvent* event) {
    // A new width, or a text that changed and asks for the layout to be done again.
    if (watched == m_window && (event->type() == QEvent::Resize || event->type() == QEvent::LayoutRequest)) {
        const QLayout* layout = m_window->layout();
        const int needed =
            layout && layout->hasHeightForWidth() ? layout->totalMinimumHeightForWidth(m_window->width()) : 0;
        if (needed > 0 && needed != m_window->minimumHeight())
            m_window->setMinimumHeight(needed);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tonalyst
