#include "staff/StaffDropZone.h"

#include "staff/NoteDrag.h"
#include "staff/TwipScale.h"

#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>

namespace tonalyst {

StaffDropZone::StaffDropZone(QWidget* parent) : QWidget(parent) {
    setAcceptDrops(true);
    setAttribute(Qt::WA_TranslucentBackground);
}

QPoint StaffDropZone::toTwips(QPointF pixels) const {
    return TwipScale::of(*this).toTwips(pixels);
}

void StaffDropZone::dragEnterEvent(QDragEnterEvent* event) {
    const auto code = noteCodeFromMime(event->mimeData());
    if (!code)
        return;
    event->acceptProposedAction();
    emit dragMoved(*code, toTwips(event->position()));
}

void StaffDropZone::dragMoveEvent(QDragMoveEvent* event) {
    const auto code = noteCodeFromMime(event->mimeData());
    if (!code)
        return;
    event->acceptProposedAction();
    emit dragMoved(*code, toTwips(event->position()));
}

void StaffDropZone::dragLeaveEvent(QDragLeaveEvent* event) {
    event->accept();
    emit dragLeft();
}

void StaffDropZone::dropEvent(QDropEvent* event) {
    const auto code = noteCodeFromMime(event->mimeData());
    if (!code)
        return;
    event->acceptProposedAction();
    emit dropped(*code, toTwips(event->position()));
}

} // namespace tonalyst
