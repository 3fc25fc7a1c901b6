#include "records/PerformanceDataFile.h"

#include "records/DurableFile.h"
#include "records/PerformanceRecord.h"
#include "records/RecordMessages.h"
#include "records/RecordsLock.h"
#include "records/Seal.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace tonalyst {

namespace {

const QString kDataFileName = QStringLiteral("varen.dat");
// Before each data file had its own seal and journal, one of each served every folder.
const QString kSharedSealFileName = QStringLiteral(".vrsec.chk");
const QString kSharedJournalFileName = QStringLiteral(".varen.journal");
const QString kLockFileName = QStringLiteral(".varen.lock");
const QString kRecoveryFileName = QStringLiteral("varen-recovered.dat");

std::optional<QString> makeFolder(const QString& path) {
    if (QDir().mkpath(path))
        return std::nullopt;
    return QCoreApplication::translate("PerformanceDataFile", "cannot create the folder %1")
        .arg(QDir::toNativeSeparators(path));
}

// Names the data file of a folder in the state folder's file names: the same folder
// reached through another path or a symbolic link gives the same name.
QString dataFileKey(const QString& dataDir) {
    QString folder = QFileInfo(dataDir).canonicalFilePath();
    if (folder.isEmpty())
        folder = QDir(dataDir).absolutePath();
    const QByteArray path = QDir(folder).filePath(kDataFileName).toUtf8();
    return QString::fromLatin1(QCryptographicHash::hash(path, QCryptographicHash::Sha256).toHex().left(16));
}

} // namespace

PerformanceDataFile::PerformanceDataFile(const FileLocations& locations, const Clock& clock)
    : m_locations(locations), m_clock(clock),
      m_journal(QDir(locations.stateDir())
                    .filePath(QStringLiteral(".varen-%1.journal").arg(dataFileKey(locations.dataDir())))) {}

QString PerformanceDataFile::dataFilePath() const {
    return QDir(m_locations.dataDir()).filePath(kDataFileName);
}

QString PerformanceDataFile::sealFilePath() const {
    return QDir(m_locations.stateDir())
        .filePath(QStringLiteral(".vrsec-%1.chk").arg(dataFileKey(m_locations.dataDir())));
}

QString PerformanceDataFile::sharedSealFilePath() const {
    return QDir(m_locations.stateDir()).filePath(kSharedSealFileName);
}

QString PerformanceDataFile::sharedJournalFilePath() const {
    return QDir(m_locations.stateDir()).filePath(kSharedJournalFileName);
}

QString PerformanceDataFile::recoveryFilePath() const {
    return QDir(m_locations.dataDir()).filePath(kRecoveryFileName);
}

QString PerformanceDataFile::fallbackRecoveryFilePath() const {
    return QDir(m_locations.stateDir()).filePath(kRecoveryFileName);
}

QString PerformanceDataFile::lockFilePath() const {
    return QDir(m_locations.stateDir()).filePath(kLockFileName);
}

bool PerformanceDataFile::isGuardedBySeal(const QString& sourceName) {
    return sourceName.right(kDataFileName.size()).toLower() == kDataFileName;
}

WriteOutcome PerformanceDataFile::ensureseal() {
    std::optional<QString> problem = makeFolder(m_locations.stateDir());
    RecordsLock lock(lockFilePath());
    if (!problem && !lock.acquire())
        problem = lock.problem();
    if (problem)
        return {false, cannotKeepRecordsMessage(dataFilePath(), *problem), Prompter::Icon::Exclamation};

    const JournalResult interrupted = finishJournal();
    problem = ensureFiles();
    WriteOutcome outcome{!problem && interrupted.fate != JournalFate::Kept, {}, Prompter::Icon::None};
    QStringList messages;
    if (interrupted.fate == JournalFate::SetAside)
        messages << interruptedRunSetAsideMessage(dataFilePath(), interrupted.detail);
    else if (interrupted.fate == JournalFate::Kept)
        messages << recordsHeldBackMessage(dataFilePath(), interrupted.detail);
    if (problem)
        messages << cannotKeepRecordsMessage(dataFilePath(), *problem);
    if (!messages.isEmpty()) {
        outcome.message = messages.join(QStringLiteral("\r\n\r\n"));
        outcome.icon = Prompter::Icon::Exclamation;
    }
    return outcome;
}

WriteOutcome PerformanceDataFile::writePending(const QString& userId,
                                               const std::vector<PendingRecord>& pending) {
    if (pending.empty())
        return {};
    // Every record of the run carries the day the run ended.
    const QDate today = m_clock.now().date();
    QByteArray lines;
    for (const PendingRecord& record : pending)
        lines += recordLine(PerformanceRecord::fromPending(record, userId, today));

    if (const auto problem = makeFolder(m_locations.stateDir()))
        return notWritten(lines, *problem);
    RecordsLock lock(lockFilePath());
    if (!lock.acquire())
        return notWritten(lines, lock.problem());

    QString problem;
    bool journaled = false;
    // One try, and one more after recreating whatever file was missing.
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt > 0) {
            if (const auto missing = ensureFiles())
                problem = *missing;
        }
        // A journal left here is this run's from the first try, or one a crashed
        // Tonalyst left; either way it must be finished before anything else is appended.
        const JournalResult earlier = finishJournal();
        if (journaled) {
            if (earlier.fate == JournalFate::Appended)
                return {true, {}, Prompter::Icon::None};
            if (earlier.fate == JournalFate::SetAside)
                return {false, refusedRecordsMessage(earlier.detail), Prompter::Icon::Exclamation};
            problem = earlier.detail;
            continue;
        }
        if (earlier.fate == JournalFate::Kept) {
            problem = earlier.detail;
            continue;
        }

        const SealCheck check = checkSeal();
        if (check.state == SealState::Missing) {
            problem = check.problem;
            continue;
        }
        if (check.state == SealState::Differs) {
            // The changed file is left as it is; the run is kept apart rather than lost.
            return {false, refusedRecordsMessage(saveForRecovery(lines)), Prompter::Icon::Exclamation};
        }
        if (const auto failed = m_journal.commit({check.dataSize, lines})) {
            problem = *failed;
            continue;
        }
        journaled = true;
        const JournalResult own = finishJournal();
        if (own.fate == JournalFate::Appended)
            return {true, {}, Prompter::Icon::None};
        if (own.fate == JournalFate::SetAside)
            return {false, refusedRecordsMessage(own.detail), Prompter::Icon::Exclamation};
        problem = own.detail;
    }
    if (journaled)
        return {false, recordsHeldBackMessage(dataFilePath(), problem), Prompter::Icon::Exclamation};
    return notWritten(lines, problem);
}

PerformanceDataFile::ReadCheck PerformanceDataFile::prepareForReading() const {
    // A writer renews the seal just after its append; waiting for its lock keeps a reader
    // from catching the file between the two, and lets it finish an append that a killed
    // or stopped writer left, which would otherwise look like an edit. Without the lock
    // the check is still made.
    RecordsLock lock(lockFilePath());
    if (!makeFolder(m_locations.stateDir()) && lock.acquire()) {
        const JournalResult pending = finishJournal();
        if (pending.fate == JournalFate::Kept)
            return {ReadState::Unreadable,
                    QCoreApplication::translate(
                        "PerformanceDataFile",
                        "the records of an interrupted run are still waiting to be added to %1 (%2)")
                        .arg(QDir::toNativeSeparators(dataFilePath()), pending.detail)};
    }
    const SealCheck check = checkSeal();
    switch (check.state) {
    case SealState::Agrees:
        if (check.shared) // the seal of an earlier version, taken over for this file alone
            replaceDurably(sealFilePath(), Seal::ofFile(dataFilePath())->line());
        return {ReadState::Agrees, {}};
    case SealState::Differs:
        return {ReadState::Differs, {}};
    case SealState::Missing:
        break;
    }
    return {ReadState::Unreadable, check.problem};
}

bool PerformanceDataFile::sealAgrees() const {
    return prepareForReading().state == ReadState::Agrees;
}

std::optional<QString> PerformanceDataFile::ensureFiles() const {
    if (const auto problem = makeFolder(m_locations.dataDir()))
        return problem;
    const QString data = dataFilePath();
    const bool dataMissing = !QFileInfo::exists(data);
    if (dataMissing) {
        if (const auto problem = appendDurably(data, {}))
            return problem;
    }
    // A new data file needs a new seal even if an old seal is still there: the old one
    // described a file that was renamed or deleted.
    if (dataMissing || !QFileInfo::exists(sealFilePath())) {
        const auto stamp = Seal::ofFile(data);
        if (!stamp)
            return QCoreApplication::translate("PerformanceDataFile", "%1 vanished")
                .arg(QDir::toNativeSeparators(data));
        if (const auto problem = replaceDurably(sealFilePath(), stamp->line()))
            return problem;
    }
    return std::nullopt;
}

PerformanceDataFile::SealCheck PerformanceDataFile::checkSeal() const {
    const auto stamp = Seal::ofFile(dataFilePath());
    if (!stamp)
        return {SealState::Missing, 0,
                QCoreApplication::translate("PerformanceDataFile", "%1 is missing")
                    .arg(QDir::toNativeSeparators(dataFilePath()))};
    // Until this file has a seal of its own, the one seal of an earlier version vouches for
    // it, if it describes it: so an upgrade never turns the student's file into a stranger.
    const bool shared = !QFileInfo::exists(sealFilePath());
    QFile sealFile(shared ? sharedSealFilePath() : sealFilePath());
    if (!sealFile.open(QIODevice::ReadOnly))
        return {SealState::Missing, 0,
                shared ? QCoreApplication::translate("PerformanceDataFile", "the seal of %1 is missing")
                             .arg(QDir::toNativeSeparators(dataFilePath()))
                       : QCoreApplication::translate("PerformanceDataFile", "cannot read %1")
                             .arg(QDir::toNativeSeparators(sealFilePath()))};
    const auto seal = Seal::parse(sealFile.readLine(200));
    const qint64 size = QFileInfo(dataFilePath()).size();
    if (!seal || !seal->agreesWith(*stamp)) {
        // A shared seal that does not fit was left by another folder's file.
        if (shared)
            return {SealState::Missing, size,
                    QCoreApplication::translate("PerformanceDataFile", "the seal of %1 is missing")
                        .arg(QDir::toNativeSeparators(dataFilePath()))};
        return {SealState::Differs, size, {}};
    }
    return {SealState::Agrees, size, {}, shared};
}

PerformanceDataFile::JournalResult PerformanceDataFile::finishJournal() const {
    if (m_journal.state() == AppendJournal::State::Absent)
        adoptSharedJournal();
    switch (m_journal.state()) {
    case AppendJournal::State::Absent:
        return {JournalFate::Nothing, {}};
    case AppendJournal::State::Damaged:
        // Nothing in it can be trusted to append; keep it for inspection, out of the way.
        if (const auto problem = m_journal.setAside())
            return {JournalFate::Kept, *problem};
        return {JournalFate::Nothing, {}};
    case AppendJournal::State::Present:
        break;
    }
    const auto entry = m_journal.load();
    if (!entry)
        return {JournalFate::Kept,
                QCoreApplication::translate("PerformanceDataFile", "cannot read %1").arg(m_journal.path())};

    if (!journalFits(*entry)) {
        const QString where = saveForRecovery(entry->lines);
        if (where.isEmpty())
            return {JournalFate::Kept,
                    QCoreApplication::translate("PerformanceDataFile", "no folder could take the records")};
        if (const auto problem = m_journal.remove())
            return {JournalFate::Kept, *problem};
        return {JournalFate::SetAside, where};
    }
    if (const auto problem = appendRest(*entry))
        return {JournalFate::Kept, *problem};
    const auto stamp = Seal::ofFile(dataFilePath());
    if (!stamp)
        return {JournalFate::Kept,
                QCoreApplication::translate("PerformanceDataFile", "%1 vanished").arg(dataFilePath())};
    if (const auto problem = replaceDurably(sealFilePath(), stamp->line()))
        return {JournalFate::Kept, *problem};
    if (const auto problem = m_journal.remove())
        return {JournalFate::Kept, *problem};
    return {JournalFate::Appended, {}};
}

// A journal an earlier version left, when every folder shared one, is this file's if it
// fits it; otherwise it is left for the folder it was written for.
void PerformanceDataFile::adoptSharedJournal() const {
    const AppendJournal shared(sharedJournalFilePath());
    const auto entry = shared.load();
    if (entry && journalFits(*entry))
        QFile::rename(shared.path(), m_journal.path());
}

// True when the data file is the one the journal was written for: nothing or a first
// part of the journal's lines after the size it had, and if nothing yet, still sealed.
bool PerformanceDataFile::journalFits(const AppendJournal::Entry& entry) const {
    const QFileInfo info(dataFilePath());
    if (!info.exists())
        return false;
    const qint64 appended = info.size() - entry.baseSize;
    if (appended < 0 || appended > entry.lines.size())
        return false;
    if (appended == 0) {
        const SealCheck check = checkSeal();
        return check.state != SealState::Differs;
    }
    QFile data(dataFilePath());
    if (!data.open(QIODevice::ReadOnly) || !data.seek(entry.baseSize))
        return false;
    return data.read(appended) == entry.lines.first(appended);
}

std::optional<QString> PerformanceDataFile::appendRest(const AppendJournal::Entry& entry) const {
    const qint64 appended = QFileInfo(dataFilePath()).size() - entry.baseSize;
    if (appended == entry.lines.size())
        return std::nullopt;
    return appendDurably(dataFilePath(), QByteArrayView(entry.lines).sliced(appended));
}

QString PerformanceDataFile::saveForRecovery(const QByteArray& lines) const {
    for (const QString& path : {recoveryFilePath(), fallbackRecoveryFilePath()}) {
        if (!makeFolder(QFileInfo(path).absolutePath()) && !appendDurably(path, lines))
            return path;
    }
    return {};
}

WriteOutcome PerformanceDataFile::notWritten(const QByteArray& lines, const QString& problem) const {
    return {false, recordsNotWrittenMessage(dataFilePath(), problem, saveForRecovery(lines)),
            Prompter::Icon::Exclamation};
}

} // namespace tonalyst
