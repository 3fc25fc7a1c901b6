#pragma once

#include "staff/KeyboardMarks.h"
#include "theory/NoteNames.h"

#include <QAbstractButton>
#include <QColor>

namespace tonalyst {

class GlyphLabel;

// One clickable spelling on the on-screen keyboard: a white key (`note`), half of a black
// key (`Sharp`, `Flat`) or a small spelling key on a white key (`nat`, E-sharp, F-flat and
// the double signs). It shows its note's name and carries its sign as a child picture.
class KeyboardKey : public QAbstractButton {
    Q_OBJECT
    Q_PROPERTY(bool marked READ isMarked WRITE setMarked)

public:
    enum class Look { WhiteKey, BlackKey, Spelling };

    KeyboardKey(KeyKind kind, int index, Look look, QWidget* parent = nullptr);

    KeyKind kind() const { return m_kind; }
    int index() const { return m_index; }
    // White and black keys show their mark as their own colour.
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }
    // Held down on a MIDI keyboard: a white or black key shows it whether marked or not.
    void setHeld(bool held);
    bool isHeld() const { return m_held; }
    Look look() const { return m_look; }
    QColor backgroundColor() const;
    GlyphLabel* sign() const { return m_sign; }
    void setStaffSpace(qreal pixels);
    // Names the key's spelling in the note names now in use: German B-flat is a bare "B".
    void showMark();
    const NoteMark& mark() const { return m_mark; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QRect letterRect() const;
    void placeSign();

    KeyKind m_kind;
    int m_index;
    Look m_look;
    bool m_marked = false;
    bool m_held = false;
    GlyphLabel* m_sign;
    qreal m_staffSpace = 8.0;
    NoteMark m_mark;
};

} // namespace tonalyst
