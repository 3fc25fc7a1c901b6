#pragma once

#include <QString>

class QSettings;

namespace tonalyst {

// The MIDI keyboard a user chose and the control that submits an answer. Each user of the
// computer has their own; nothing is listened to until a user chooses a port.
struct MidiSettings {
    // The sustain pedal: pressed, it submits.
    static constexpr int kSustainPedal = 64;
    static constexpr int kNoControl = -1;

    QString port;
    int submitControl = kSustainPedal;

    static MidiSettings load(const QSettings& settings, const QString& userId);
    void save(QSettings& settings, const QString& userId) const;

    friend bool operator==(const MidiSettings&, const MidiSettings&) = default;
};

} // namespace tonalyst
