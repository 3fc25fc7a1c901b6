#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tonalyst {

// The lines of a run on their way into the data file, with the data file's size before
// they go in. It is on the disk before the data file is touched and removed only once
// the data file and its seal both show the lines, so an append cut short by a crash, a
// kill or a full disk can be finished later: every line lands once, none is lost.
class AppendJournal {
public:
    struct Entry {
        qint64 baseSize = 0;
        QByteArray lines;
    };

    enum class State { Absent, Present, Damaged };

    explicit AppendJournal(QString path);

    const QString& path() const { return m_path; }

    // Empty on success, otherwise what failed.
    std::optional<QString> commit(const Entry& entry) const;
    std::optional<QString> remove() const;

    State state() const;
    // The entry of a present journal; nullopt when it is absent or damaged.
    std::optional<Entry> load() const;
    // Keeps a damaged journal for inspection under another name, out of the way of the next.
    std::optional<QString> setAside() const;

private:
    QString m_path;
};

} // namespace tonalyst
