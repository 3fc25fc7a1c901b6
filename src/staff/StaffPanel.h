#pragma once

#include "staff/ClefHistory.h"
#include "staff/KeyboardMarks.h"
#include "staff/NoteEntry.h"
#include "staff/StaffTypes.h"
#include "staff/TwipScale.h"
#include "theory/QuestionSettings.h"
#include "theory/RandomSource.h"

#include <QPoint>
#include <QWidget>

#include <array>
#include <optional>
#include <vector>

namespace tonalyst {

class Beeper;
class KeyboardWidget;
class NotePalette;
class NotesField;
class StaffWidget;

// The staff, its note palette and the on-screen keyboard, as the main window embeds them.
// Every note, whether the question places it, the student drops it or clicks it on the
// keyboard, goes through enterNote, which refuses invalid entries with a plain beep.
class StaffPanel : public QWidget {
    Q_OBJECT

public:
    explicit StaffPanel(Beeper& beeper, QWidget* parent = nullptr);

    // The clef of question q from the clef setting, recorded for the review; shown at once.
    Clef changeClef(ClefChoice choice, RandomSource& random, int questionNumber);
    // In the review: the clef question q was asked in (unchanged when none was recorded).
    void showReviewClef(int questionNumber);
    void setClef(Clef clef);
    Clef clef() const;
    // The keyboard, the Notes field and the names under the staff follow the note names
    // now in use.
    void showNaming();

    // The signature of the question's key, and whether it is shown.
    void setKeySignature(SignatureKind kind, int count);
    void showKeySignature(bool show);
    bool isKeySignatureShown() const;
    // For questions shown in a key, outside the review: per letter (C = 0 ... B = 6) +1 when
    // the key sharpens it, -1 when it flattens it. A sharp or flat the key gives is then
    // drawn without its sign. Nothing: every sign is drawn.
    void setKeyAccidentals(std::optional<std::array<int, 7>> perLetter);

    void setEntryRules(EntryRules rules);
    // How many notes the question takes (`qnotes`): the staff refuses more.
    void setNoteLimit(int notes);

    // Adds a note ("ONN"); true when it was accepted, false after a refusal beep.
    bool enterNote(int position, int code);
    // Whether enterNote would take the note, asked without a beep.
    bool accepts(int position, int code) const;
    // Removes the note at a position ("OFF"); false (and a beep) when none stands there.
    bool removeNote(int position);
    // Removes every note, the last one first, so the keyboard marks follow.
    void clearStaff();
    // Removes every note and the key signature with the key's accidentals: nothing of
    // the last question is left on the staff.
    void clearQuestion();
    // Enters note names typed in the Notes field, each as if it had been dropped: a refused
    // one beeps and leaves the others entered. The names not entered stay in the field and
    // the message beside it says why.
    void enterTypedNotes(const QString& text);

    // The entered notes, lowest first, and their count.
    const std::vector<StaffNote>& enteredNotes() const;
    int noteCount() const;
    // The notes as drawn, lowest first, after the key's own accidentals are left out.
    std::vector<StaffNote> drawnNotes() const;
    const KeyboardMarks& keyboardMarks() const;

    // Idle (false) or a run under way (true): the palette, the drop zone and the keys.
    void setEntryEnabled(bool enabled);
    // The palette is shown in the spelling activities only.
    void setPaletteVisible(bool visible);

    // However small a screen, the staff and the keyboard's letters and signs stay legible
    // at this zoom.
    static constexpr qreal kLegibleZoom = 0.75;

    // The staff, the palette and the keyboard grow and shrink with the panel, keeping their
    // proportions; the size hint is their size at TwipScale::kZoom, the minimum their size
    // at the smallest zoom, which is kZoom unless a small screen asks for less.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    // How much the staff's layout is magnified; TwipScale::kZoom at the smallest.
    qreal zoom() const;
    // The panel's size were it drawn at a zoom.
    QSize sizeAtZoom(qreal zoom) const;
    // How small the panel may be drawn, from kLegibleZoom to TwipScale::kZoom.
    void setSmallestZoom(qreal zoom);
    qreal smallestZoom() const;

    StaffWidget* staff() const { return m_staff; }
    NotePalette* palette() const { return m_palette; }
    KeyboardWidget* keyboard() const { return m_keyboard; }
    NotesField* notesField() const { return m_notes; }

signals:
    // An entered note is to be heard.
    void noteSounded(int code, int position);
    // Enter on the empty Notes field: the answer is to be submitted.
    void submitRequested();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;

private:
    QSize contentSize() const;
    void arrange();
    void onKeyClicked(KeyKind kind, int index);
    void onDragMoved(int code, QPoint twips);
    void onDropped(int code, QPoint twips);
    void refresh();
    void updateStaffText();
    void updateNotesEnabled();

    Beeper& m_beeper;
    NoteEntry m_entry;
    ClefHistory m_clefHistory;
    StaffWidget* m_staff;
    NotePalette* m_palette;
    KeyboardWidget* m_keyboard;
    NotesField* m_notes;
    bool m_entryEnabled = false;
    qreal m_smallestZoom = TwipScale::kZoom;
};

} // namespace tonalyst
