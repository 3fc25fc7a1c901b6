#pragma once

#include "staff/KeyboardKey.h"
#include "staff/KeyboardMarks.h"
#include "staff/StaffTypes.h"

#include <QWidget>

#include <utility>
#include <vector>

namespace tonalyst {

class KeyMarker;
class GlyphLabel;

// The on-screen keyboard beside the staff: two octaves of piano keys, C to B, on which
// every spelling of a staff position has its own key. Black keys carry the sharp above and
// the flat below; each white key carries its natural and the two spellings from the
// neighbouring letters that sound on it (E-sharp, F-flat, the double signs).
class KeyboardWidget : public QWidget {
    Q_OBJECT

public:
    explicit KeyboardWidget(QWidget* parent = nullptr);

    void showMarks(const KeyboardMarks& marks);
    // The keys held down on a MIDI keyboard, in semitones above the keyboard's lowest C
    // (0 to 23); every other key shows as not held.
    void showHeld(const std::vector<int>& semitones);
    // The keys are named by their spelling in the clef's octaves ("C sharp 4").
    void setClef(Clef clef);
    // The keys' names and marks follow the note names now in use.
    void showNaming();
    // Keys outside the staff's range (the B-sharp below it, the C-flat above it) stay
    // disabled whatever this says.
    void setKeysEnabled(bool enabled);

    // Puts the keys in the Tab chain right after previous, lowest first; Tab stops at one.
    void chainAfter(QWidget* previous);
    // The key Tab stops at: the one the arrow keys moved to last.
    KeyboardKey* currentKey() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void keyClicked(KeyKind kind, int index);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Placed {
        QWidget* widget;
        QRect twips;
    };
    KeyboardKey* addKey(KeyKind kind, int index, KeyboardKey::Look look, const QRect& twips);
    void addSpellingsOnWhiteKey(int position);
    void addMarker(const char* name, Marker kind, int index, const QRect& twips);
    void nameSign(KeyboardKey* key, const char* name, int index);
    void placeChildren();
    void nameKeys();
    void keepOutOfRangeDisabled();
    void makeCurrent(KeyboardKey* key);
    KeyboardKey* neighbour(KeyboardKey* key, int step) const;

    std::vector<Placed> m_placed;
    std::vector<KeyboardKey*> m_keys;
    std::vector<KeyboardKey*> m_byPitch;
    KeyboardKey* m_current = nullptr;
    Clef m_clef = Clef::Treble;
    std::vector<std::pair<KeyMarker*, Marker>> m_markers;
};

} // namespace tonalyst
