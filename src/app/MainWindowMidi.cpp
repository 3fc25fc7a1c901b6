// The main window's MIDI keyboard: held keys lit on the on-screen keyboard, played notes
// entered on the staff as if dropped there, played chords and intervals read as answers,
// J respelling the last played note, and a pedal submitting.
#include "activities/PlayedNotes.h"
#include "app/MainMenus.h"
#include "app/MainWindow.h"
#include "app/MidiLink.h"
#include "cycle/QuestionCycle.h"
#include "midi/MidiConnection.h"
#include "midi/MidiInput.h"
#include "staff/KeyboardWidget.h"
#include "staff/StaffPanel.h"
#include "theory/SignatureSigns.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

namespace tonalyst {

namespace {

// Keys struck within this long of the first are one chord.
constexpr int kChordWindowMs = 50;
// A pedal counts as pressed from the middle of its travel.
constexpr int kPedalDown = 64;

// The keyboard key of the staff's lowest C: middle C on the treble staff, two octaves
// lower on the bass staff.
int lowestKey(Clef clef) {
    return clef == Clef::Bass ? kMiddleCKey - 24 : kMiddleCKey;
}

// The staff holds two octaves: a chord played beyond them is written whole octaves nearer,
// as a whole where it fits (the spelling is judged without the octave); a note still beyond
// them after that, in a chord wider than the staff, is moved on its own.
int stepsOntoStaff(Pitch pitch, Clef clef) {
    int steps = 0;
    for (; positionOf(pitch, clef) < kLowestPosition; steps += 7)
        pitch.step += 7;
    for (; positionOf(pitch, clef) > kHighestPosition; steps -= 7)
        pitch.step -= 7;
    return steps;
}

StaffNote onStaff(Pitch pitch, int steps, Clef clef) {
    pitch.step += steps;
    pitch.step += stepsOntoStaff(pitch, clef);
    return {positionOf(pitch, clef), pitch.code()};
}

std::array<int, 7> signatureOf(const Question& question) {
    return signatureAlterations(question.sigKind, question.sigCount);
}

} // namespace

void MainWindow::attachMidi(std::unique_ptr<MidiInput> input) {
    MidiInput* events = input.get();
    m_midi = new MidiLink(std::move(input),
                          QDir(m_platform.files.stateDir()).filePath(QStringLiteral("midi.ini")), this);
    connect(events, &MidiInput::noteOn, this, [this](int key, int) { midiNoteOn(key); });
    connect(events, &MidiInput::noteOff, this, &MainWindow::midiNoteOff);
    connect(events, &MidiInput::control, this, &MainWindow::midiControl);
    // The keys of a keyboard unplugged while held are let go with it.
    connect(&m_midi->connection(), &MidiConnection::stateChanged, this, [this](MidiConnection::State state) {
        if (state == MidiConnection::State::Connected)
            return;
        m_heldKeys.clear();
        m_playedKeys.clear();
        showHeldKeys();
    });
    connect(m_menus->midiInput, &QAction::triggered, m_midi, &MidiLink::openDialog);
    m_menus->midiInput->setEnabled(true);
    if (!m_userId.isEmpty())
        m_midi->setUser(m_userId);
}

void MainWindow::midiNoteOn(int key) {
    m_heldKeys.push_back(key);
    showHeldKeys();
    if (!m_cycle->currentSlot() || !m_start->isHidden())
        return;
    // Named answers are played only for what was heard; elsewhere the keys just light.
    if (m_state.current->answersOnStaff())
        enterPlayedKey(key);
    else if (m_state.current->answersByPlaying())
        m_playedKeys.push_back(key);
}

void MainWindow::midiNoteOff(int key) {
    const auto held = std::find(m_heldKeys.begin(), m_heldKeys.end(), key);
    if (held != m_heldKeys.end())
        m_heldKeys.erase(held);
    showHeldKeys();
    // A chord or interval is read once every key of it is let go.
    if (m_heldKeys.empty() && !m_playedKeys.empty())
        answerPlayed();
}

void MainWindow::midiControl(int number, int value) {
    if (number < 0 || number >= static_cast<int>(m_controllerValues.size()))
        return;
    const bool pressed =
        value >= kPedalDown && m_controllerValues[static_cast<std::size_t>(number)] < kPedalDown;
    m_controllerValues[static_cast<std::size_t>(number)] = value;
    if (pressed && number == m_midi->settings().submitControl && m_submit->isEnabled() &&
        m_cycle->currentSlot())
        m_submit->click();
}

void MainWindow::showHeldKeys() {
    const int lowest = lowestKey(m_staffPanel->clef());
    std::vector<int> semitones;
    for (int key : m_heldKeys) {
        int semitone = key - lowest;
        while (semitone < 0)
            semitone += 12;
        while (semitone > 23)
            semitone -= 12;
        semitones.push_back(semitone);
    }
    m_staffPanel->keyboard()->showHeld(semitones);
}

// Spelled as the question's key and the asked notes suggest, and entered at once as a
// dropped note is: refused with a beep where a dropped one would be. Keys struck within a
// moment of each other are one chord: it keeps its voicing on the staff, the notes already
// entered moving with it, unheard, when a lower key joins; J respells its highest note.
void MainWindow::enterPlayedKey(int key) {
    const QuestionSlot* slot = m_cycle->currentSlot();
    const Clef clef = m_staffPanel->clef();
    if (!m_chordStart.isValid() || m_chordStart.elapsed() > kChordWindowMs) {
        m_chord.clear();
        m_chordStart.start();
    }
    m_chord.push_back(
        {key, spellPlayedKey(key, signatureOf(slot->question), slot->prepared.notes), {}, false});
    const auto byKey = [](const PlayedNote& a, const PlayedNote& b) { return a.key < b.key; };
    const Pitch lowest = std::min_element(m_chord.begin(), m_chord.end(), byKey)->pitch;
    const Pitch highest = std::max_element(m_chord.begin(), m_chord.end(), byKey)->pitch;
    int steps = stepsOntoStaff(lowest, clef);
    // Lower still, where the top would stand above the staff and the bottom has room.
    while (positionOf(highest, clef) + steps > kHighestPosition &&
           positionOf(lowest, clef) + steps - 7 >= kLowestPosition)
        steps -= 7;
    if (steps != m_chordSteps) {
        for (PlayedNote& note : m_chord) {
            if (!note.entered)
                continue;
            m_staffPanel->removeNote(note.written.position);
            note.written = onStaff(note.pitch, steps, clef);
            const QSignalBlocker unheard(m_staffPanel);
            note.entered = m_staffPanel->accepts(note.written.position, note.written.code) &&
                           m_staffPanel->enterNote(note.written.position, note.written.code);
        }
        m_chordSteps = steps;
    }
    PlayedNote& played = m_chord.back();
    played.written = onStaff(played.pitch, steps, clef);
    played.entered = m_staffPanel->enterNote(played.written.position, played.written.code);
    const auto rank = [](const PlayedNote& note) { return note.entered ? note.key : -1; };
    const auto top =
        std::max_element(m_chord.begin(), m_chord.end(),
                         [&rank](const PlayedNote& a, const PlayedNote& b) { return rank(a) < rank(b); });
    if (top->entered)
        m_lastPlayedPosition = top->written.position;
}

// What the keys played answer fills the answer in, as choosing it from the menus would;
// keys that answer nothing yet wait for the rest, up to as many as the question has.
void MainWindow::answerPlayed() {
    const QuestionSlot* slot = m_cycle->currentSlot();
    if (!slot) {
        m_playedKeys.clear();
        return;
    }
    const Activity& activity = *m_state.current;
    if (activity.answersOnPad()) {
        namePlayed();
        return;
    }
    const bool inversionList = activity.usesInversionList(slot->question, slot->inversions);
    const auto answer =
        activity.answerFromPlayed(slot->question, m_playedKeys, slot->inversions, inversionList);
    if (!answer) {
        if (static_cast<int>(m_playedKeys.size()) >= slot->question.noteCount()) {
            m_platform.beeper.beep();
            m_playedKeys.clear();
        }
        return;
    }
    const QString played = QString::fromStdString(playedKeysText(m_playedKeys));
    m_playedKeys.clear();
    // Played, the answer needs the menu no more.
    if (QMenu* menu = m_menus->choiceMenu(activity.choiceMenu()))
        menu->hide();
    answerChosen(QString::fromStdString(answer->answer1), QString::fromStdString(answer->answer2));
    if (!answer->answer3.empty()) {
        const int index = m_inversion->findData(QString::fromStdString(answer->answer3));
        if (index >= 0) {
            m_inversion->setCurrentIndex(index);
            inversionChosen(index);
        }
    }
    m_cycle->setPlayed(played);
}

// The pad's next names, as pressing them would enter them: one for a chord, one per note
// of a melody. Keys that name nothing the pad offers beep, as a chord the menus lack does.
void MainWindow::namePlayed() {
    const QuestionSlot* slot = m_cycle->currentSlot();
    const std::vector<int> keys = std::exchange(m_playedKeys, {});
    const auto names = m_state.current->namesFromPlayed(slot->question, keys, m_settings);
    if (!names) {
        m_platform.beeper.beep();
        return;
    }
    QStringList played;
    if (names->size() == 1)
        played << QString::fromStdString(playedKeysText(keys));
    else
        for (int key : keys)
            played << QString::fromStdString(playedKeysText({key}));
    const std::size_t before = m_cycle->answer().sequence.size();
    for (const std::string& name : *names)
        addName(QString::fromStdString(name));
    // Names beyond a full pad are refused: their keys are not the answer's.
    const std::size_t entered = m_cycle->answer().sequence.size() - before;
    for (std::size_t name = 0; name < entered; ++name)
        m_cycle->setNamePlayed(before + name, played.value(static_cast<qsizetype>(name)));
}

// Through the spellings of the note's pitch, letter by letter, skipping those the staff
// would refuse; the note stays as it was when it has no other.
void MainWindow::respell() {
    const QuestionSlot* slot = m_cycle->currentSlot();
    const auto& entered = m_staffPanel->enteredNotes();
    const auto note = std::find_if(entered.begin(), entered.end(),
                                   [this](const StaffNote& n) { return n.position == m_lastPlayedPosition; });
    if (!slot || !m_state.current->answersOnStaff() || note == entered.end()) {
        m_platform.beeper.beep();
        return;
    }
    const Clef clef = m_staffPanel->clef();
    const StaffNote was = *note;
    const Pitch pitch = pitchOf(was, clef);
    const std::vector<Pitch> spellings = enharmonicSpellings(pitch, signatureOf(slot->question));
    const auto at = std::find_if(spellings.begin(), spellings.end(), [&pitch](const Pitch& spelling) {
        return spelling.step == pitch.step && spelling.alter == pitch.alter;
    });
    const std::size_t from = static_cast<std::size_t>(at - spellings.begin());
    m_staffPanel->removeNote(was.position);
    for (std::size_t step = 1; step < spellings.size(); ++step) {
        const StaffNote next = onStaff(spellings[(from + step) % spellings.size()], 0, clef);
        if (m_staffPanel->accepts(next.position, next.code)) {
            m_staffPanel->enterNote(next.position, next.code);
            for (PlayedNote& played : m_chord)
                if (played.entered && played.written == was)
                    played.written = next;
            m_lastPlayedPosition = next.position;
            return;
        }
    }
    m_staffPanel->enterNote(was.position, was.code);
}

} // namespace tonalyst
