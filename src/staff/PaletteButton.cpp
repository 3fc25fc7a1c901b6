#include "staff/PaletteButton.h"

#include "staff/NoteDrag.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>

namespace tonalyst {

PaletteButton::PaletteButton(int code, QWidget* parent) : QToolButton(parent), m_code(code) {
    setCursor(Qt::OpenHandCursor);
    setAutoRaise(false);
    refreshPicture();
}

void PaletteButton::refreshPicture() {
    // On the button the note follows the desktop's colours; dragged, it is ink for the paper.
    const NotePicture picture =
        makeNotePicture(m_code, TwipScale::of(*this), devicePixelRatioF(), palette().color(QPalette::ButtonText));
    setIcon(QIcon(picture.pixmap));
    setIconSize(picture.pixmap.deviceIndependentSize().toSize());
}

void PaletteButton::changeEvent(QEvent* event) {
    QToolButton::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        refreshPicture();
}

void PaletteButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        m_pressPosition = event->position().toPoint();
    QToolButton::mousePressEvent(event);
}

void PaletteButton::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) ||
        (event->position().toPoint() - m_pressPosition).manhattanLength() <
            QApplication::startDragDistance()) {
        QToolButton::mouseMoveEvent(event);
        return;
    }
    setDown(false);
    const NotePicture picture = makeNotePicture(m_code, TwipScale::of(*this), devicePixelRatioF());
    auto* drag = new QDrag(this);
    drag->setMimeData(makeNoteMimeData(m_code).release());
    drag->setPixmap(picture.pixmap);
    drag->setHotSpot(picture.hotSpot);
    drag->exec(Qt::CopyAction);
}

} // namespace tonalyst
