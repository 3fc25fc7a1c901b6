#include "startup/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace tonalyst {

namespace {

// The window frame the window manager adds around a shown window, or around `over` while
// the window has not been shown yet; nothing when neither is known.
QMargins frameOf(const QWidget* window, const QWidget* over) {
    for (const QWidget* shown : {window, over}) {
        if (!shown || !shown->isVisible())
            continue;
        const QRect outer = shown->frameGeometry();
        const QRect inner = shown->geometry();
        return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                outer.bottom() - inner.bottom()};
    }
    return {};
}

} // namespace

QRect fitIntoScreen(const QRect& wanted, const QMargins& frame, const QRect& available) {
    const QRect outer = wanted.marginsAdded(frame);
    const QSize size = outer.size().boundedTo(available.size());
    const int left = std::clamp(outer.left(), available.left(), available.right() + 1 - size.width());
    const int top = std::clamp(outer.top(), available.top(), available.bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size).marginsRemoved(frame);
}

void placeOnScreen(QWidget* window, const QWidget* over) {
    window->ensurePolished();
    QRect wanted(window->pos(), window->isVisible() || window->testAttribute(Qt::WA_Resized) ? window->size()
                                                                                            : window->sizeHint());
    const bool placedBefore = window->testAttribute(Qt::WA_Moved);
    if (!placedBefore && over && over->isVisible())
        wanted.moveCenter(over->frameGeometry().center());
    QScreen* screen = placedBefore ? QGuiApplication::screenAt(wanted.center()) : nullptr;
    if (!screen)
        screen = over ? over->screen() : window->screen();
    if (!screen)
        return;
    if (!placedBefore && !(over && over->isVisible()))
        wanted.moveCenter(screen->availableGeometry().center());
    window->setGeometry(fitIntoScreen(wanted, frameOf(window, over), screen->availableGeometry()));
}

} // namespace tonalyst
