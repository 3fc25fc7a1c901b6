#pragma once

#include <QPoint>
#include <QToolButton>

namespace tonalyst {

// A note button of the palette (`Command1`): pressing it and moving drags a note with its
// accidental code.
class PaletteButton : public QToolButton {
    Q_OBJECT

public:
    PaletteButton(int code, QWidget* parent = nullptr);
    int code() const { return m_code; }
    void refreshPicture();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int m_code;
    QPoint m_pressPosition;
};

} // namespace tonalyst
