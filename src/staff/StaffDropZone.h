#pragma once

#include <QPoint>
#include <QWidget>

namespace tonalyst {

// The transparent zone over the staff that takes dropped notes (`Label10`). It reports
// the pointer in twips from its own top left, where the drop arithmetic measures from.
class StaffDropZone : public QWidget {
    Q_OBJECT

public:
    explicit StaffDropZone(QWidget* parent = nullptr);

signals:
    void dragMoved(int code, QPoint twips);
    void dragLeft();
    void dropped(int code, QPoint twips);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QPoint toTwips(QPointF pixels) const;
};

} // namespace tonalyst
