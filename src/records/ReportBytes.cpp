#include "records/ReportBytes.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tonalyst {

namespace {

QString systemError(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

std::unique_ptr<ReportBytes> ReportBytes::openFile(const QString& path, QString& problem) {
    const QByteArray name = QFile::encodeName(path);
    const QString notAFile = QCoreApplication::translate("ReportBytes", "not a regular file");
    struct stat info {};
    // Looked at before opening: opening a pipe would wait for a writer.
    if (::stat(name.constData(), &info) != 0) {
        problem = systemError(errno);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        problem = notAFile;
        return nullptr;
    }
    // And again once open, in case another file was put in its place meanwhile.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        problem = systemError(errno);
        return nullptr;
    }
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem = notAFile;
        ::close(fd);
        return nullptr;
    }
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    return std::unique_ptr<ReportBytes>(new ReportBytes(fd, static_cast<qint64>(info.st_size)));
}

ReportBytes::ReportBytes(QByteArray held) : m_size(held.size()), m_held(std::move(held)) {}

ReportBytes::~ReportBytes() {
    if (m_fd >= 0)
        ::close(m_fd);
}

const char* ReportBytes::slice(qint64 from, qint64 count, QString& problem) {
    if (m_fd < 0)
        return m_held.constData() + from;
    if (!m_buffer || count > m_capacity) {
        m_capacity = std::max<qint64>(count, 1);
        m_buffer.reset(new char[static_cast<size_t>(m_capacity)]);
    }
    qint64 done = 0;
    while (done < count) {
        const ssize_t got = ::pread(m_fd, m_buffer.get() + done, static_cast<size_t>(count - done),
                                    static_cast<off_t>(from + done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            problem = systemError(errno);
            return nullptr;
        }
        if (got == 0) {
            problem = QCoreApplication::translate("ReportBytes", "the file was cut short while it was read");
            return nullptr;
        }
        done += got;
    }
    return m_buffer.get();
}

} // namespace tonalyst
