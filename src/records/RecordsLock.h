#pragma once

#include <QString>

namespace tonalyst {

// Keeps other Tonalyst processes (and other writers in this one) out of the data file
// and its seal while one of them checks, appends and reseals.
//
// The lock is an flock() on a file in the state folder, not a QLockFile: the kernel
// drops it the moment its holder dies, however it dies. A QLockFile whose holder is
// killed between creating the file and writing its process ID into it looks held by a
// live process, and blocks every writer until it counts as stale.
class RecordsLock {
public:
    explicit RecordsLock(QString path);
    ~RecordsLock();
    RecordsLock(const RecordsLock&) = delete;
    RecordsLock& operator=(const RecordsLock&) = delete;

    // Waits a few seconds at most; true once the lock is held. Released on destruction.
    bool acquire();
    // Why acquire() failed.
    QString problem() const { return m_problem; }

private:
    QString m_path;
    int m_fd = -1;
    QString m_problem;
};

} // namespace tonalyst
