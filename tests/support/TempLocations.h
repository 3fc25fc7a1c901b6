#pragma once

#include "platform/FileLocations.h"

#include <QTemporaryDir>

namespace tonalyst::test {

// Data and state folders inside a fresh temporary folder, removed afterwards.
class TempLocations final : public FileLocations {
public:
    TempLocations();

    QString dataDir() const override { return m_root.filePath(QStringLiteral("data")); }
    QString stateDir() const override { return m_root.filePath(QStringLiteral("state")); }
    QString toneDir() const override { return m_root.filePath(QStringLiteral("tones")); }
    QString root() const { return m_root.path(); }

private:
    QTemporaryDir m_root;
};

} // namespace tonalyst::test
