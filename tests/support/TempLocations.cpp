#include "support/TempLocations.h"

#include <QDir>

namespace tonalyst::test {

TempLocations::TempLocations() {
    QDir root(m_root.path());
    root.mkpath(QStringLiteral("data"));
    root.mkpath(QStringLiteral("state"));
    root.mkpath(QStringLiteral("tones"));
}

} // namespace tonalyst::test
