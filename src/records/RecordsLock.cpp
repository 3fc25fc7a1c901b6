#include "records/RecordsLock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <chrono>
#include <thread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tonalyst {

namespace {

// A writer holds the lock for one append of a run, a few milliseconds.
constexpr int kWaitMs = 10000;
constexpr auto kPollInterval = std::chrono::milliseconds(2);

} // namespace

RecordsLock::RecordsLock(QString path) : m_path(std::move(path)) {}

RecordsLock::~RecordsLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

bool RecordsLock::acquire() {
    // The file itself stays; removing it could let two writers lock two different files.
    m_fd = ::open(QFile::encodeName(m_path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0) {
        m_problem = QCoreApplication::translate("RecordsLock", "cannot create the lock file %1")
                        .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    const QDeadlineTimer deadline(kWaitMs);
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
            m_problem =
                QCoreApplication::translate("RecordsLock", "another Tonalyst keeps the data file locked");
            ::close(m_fd);
            m_fd = -1;
            return false;
        }
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

} // namespace tonalyst
