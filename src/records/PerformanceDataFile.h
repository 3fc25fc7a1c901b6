#pragma once

#include "platform/Clock.h"
#include "platform/FileLocations.h"
#include "records/AppendJournal.h"
#include "records/PendingRecord.h"
#include "records/WriteOutcome.h"

#include <QString>

#include <optional>
#include <vector>

namespace tonalyst {

// The performance data file "varen.dat" and the seal that tells the program's own writes
// from edits made with other programs. Widgets never open the data file; they hand the
// finished records of a run to this class and show the outcome it returns.
//
// Several Tonalyst processes may share the files: each append, with the seal check
// before it and the new seal after it, runs under a lock in the state folder. An append
// goes through a journal, so a crash at any moment leaves nothing that ensureseal
// cannot finish: every record lands once, no line is left half written.
class PerformanceDataFile {
public:
    PerformanceDataFile(const FileLocations& locations, const Clock& clock);

    QString dataFilePath() const;
    // Each data file has a seal and a journal of its own in the state folder, named after
    // the file's real path, so any number of data folders can be used side by side.
    QString sealFilePath() const;
    // The one seal and journal every folder shared before; still honoured after an upgrade.
    QString sharedSealFilePath() const;
    QString sharedJournalFilePath() const;
    // Where refused or unwritable records go: beside the data file, or, when that folder
    // cannot be written, in the state folder.
    QString recoveryFilePath() const;
    QString fallbackRecoveryFilePath() const;
    QString journalFilePath() const { return m_journal.path(); }

    // Makes sure the data file and its seal exist, recreating a missing seal from the data
    // file as it is, and finishes an append that was cut short. Called at start.
    WriteOutcome ensureseal();

    // Appends the run's records under the user ID, dated by the clock's today, and renews
    // the seal. A data file changed by another program is left alone and the records go
    // to the recovery file instead; so do records the data file cannot take.
    WriteOutcome writePending(const QString& userId, const std::vector<PendingRecord>& pending);

    enum class ReadState {
        Agrees,    // the data file is exactly as the program last left it
        Differs,   // another program changed it
        Unreadable // the data file or its seal is missing, or an append cannot be finished
    };
    struct ReadCheck {
        ReadState state;
        QString problem; // what is missing or pending, when Unreadable
    };
    // Before the data file is read: finishes under the lock an append that was cut short,
    // so the program's own half-done work is never taken for an edit, then checks the seal.
    ReadCheck prepareForReading() const;
    bool sealAgrees() const;

    // Reports check any source whose name ends in "varen.dat" against the seal.
    static bool isGuardedBySeal(const QString& sourceName);

private:
    enum class SealState { Agrees, Differs, Missing };
    struct SealCheck {
        SealState state;
        qint64 dataSize = 0;
        QString problem;
        bool shared = false; // vouched for by the seal of an earlier version
    };

    enum class JournalFate { Nothing, Appended, SetAside, Kept };
    struct JournalResult {
        JournalFate fate;
        QString detail; // where set-aside records went, or why the journal was kept
    };

    QString lockFilePath() const;
    std::optional<QString> ensureFiles() const;
    SealCheck checkSeal() const;
    JournalResult finishJournal() const;
    void adoptSharedJournal() const;
    bool journalFits(const AppendJournal::Entry& entry) const;
    std::optional<QString> appendRest(const AppendJournal::Entry& entry) const;
    QString saveForRecovery(const QByteArray& lines) const;
    WriteOutcome notWritten(const QByteArray& lines, const QString& problem) const;

    const FileLocations& m_locations;
    const Clock& m_clock;
    AppendJournal m_journal;
};

} // namespace tonalyst
