#pragma once

#include <QString>

namespace tonalyst {

// Where Tonalyst keeps its files. The data folder holds the performance data file;
// the state folder holds the seal, out of the student's sight; the tone folder holds
// the one-note MIDI files.
class FileLocations {
public:
    virtual ~FileLocations() = default;
    virtual QString dataDir() const = 0;
    virtual QString stateDir() const = 0;
    virtual QString toneDir() const = 0;
};

// The per-user folders of the desktop (XDG), with the data folder overridable.
class UserFileLocations final : public FileLocations {
public:
    // An empty override means the per-user data folder.
    explicit UserFileLocations(QString dataDirOverride = {});

    QString dataDir() const override { return m_dataDir; }
    QString stateDir() const override { return m_stateDir; }
    // Found when asked, beside the running program: that needs the application object,
    // which a command such as "tonalyst report" never creates.
    QString toneDir() const override;

private:
    QString m_dataDir;
    QString m_stateDir;
};

// Makes a folder (and its parents) and checks that a file can be written in it.
// Returns an empty string on success, otherwise a sentence saying what went wrong.
QString prepareWritableDir(const QString& path);

} // namespace tonalyst
