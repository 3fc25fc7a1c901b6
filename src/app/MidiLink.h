#pragma once

#include "midi/MidiSettings.h"

#include <QObject>

#include <memory>

class QWidget;

namespace tonalyst {

class MidiConnection;
class MidiInput;

// The main window's MIDI keyboard: the input, the connection that keeps the chosen port
// open, and each user's choice, kept in a settings file beside the class server's.
class MidiLink final : public QObject {
    Q_OBJECT

public:
    MidiLink(std::unique_ptr<MidiInput> input, QString settingsFile, QWidget* window);
    ~MidiLink() override;

    // The user's own keyboard is connected; another user's is let go.
    void setUser(const QString& userId);
    void openDialog();

    MidiInput& input() const { return *m_input; }
    MidiConnection& connection() const { return *m_connection; }
    const MidiSettings& settings() const { return m_settings; }

private:
    std::unique_ptr<MidiInput> m_input;
    MidiConnection* m_connection;
    QString m_settingsFile;
    QWidget* m_window;
    QString m_userId;
    MidiSettings m_settings;
};

} // namespace tonalyst
