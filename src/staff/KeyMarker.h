#pragma once

#include <QColor>
#include <QWidget>

namespace tonalyst {

// The shape behind a spelling key that turns red while that spelling is on the staff
// (`Shape3`, `Shape4`, `Shape11`). Clicks pass through it to the key on top.
class KeyMarker : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool marked READ isMarked WRITE setMarked)

public:
    explicit KeyMarker(QWidget* parent = nullptr);
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }
    QColor color() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_marked = false;
};

} // namespace tonalyst
