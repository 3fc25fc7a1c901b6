#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace tonalyst {

// The bytes a report is compiled from, handed out a slice at a time: a data file read
// into one buffer that every slice uses again, or bytes already held in memory. Copying
// a slice with one read costs a fraction of what mapping the file does (each page mapped
// is a fault, dearer still on a virtual machine), and the memory used stays the size of
// one slice whatever the file's size.
class ReportBytes {
public:
    // nullptr, with `problem` saying why, for anything but a readable regular file. A
    // pipe, a device or a folder is refused at once, without waiting on it.
    static std::unique_ptr<ReportBytes> openFile(const QString& path, QString& problem);
    explicit ReportBytes(QByteArray held);
    ~ReportBytes();
    ReportBytes(const ReportBytes&) = delete;
    ReportBytes& operator=(const ReportBytes&) = delete;

    qint64 size() const { return m_size; }
    // Bytes [from, from + count) of at most size(), good until the next call; nullptr,
    // with `problem` saying why, when they cannot be read.
    const char* slice(qint64 from, qint64 count, QString& problem);

private:
    ReportBytes(int fd, qint64 size) : m_fd(fd), m_size(size) {}

    int m_fd = -1;
    qint64 m_size = 0;
    QByteArray m_held;
    std::unique_ptr<char[]> m_buffer;
    qint64 m_capacity = 0;
};

} // namespace tonalyst
