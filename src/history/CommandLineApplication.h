#pragma once

#include <QCoreApplication>

#include <memory>

namespace tonalyst {

// The database driver is a plugin, found through the application object: commands that
// read the history make one for the while, unless the program has one already.
inline std::unique_ptr<QCoreApplication> coreApplicationIfNone() {
    static int argc = 1;
    static char name[] = "tonalyst";
    static char* argv[] = {name, nullptr};
    return QCoreApplication::instance() ? nullptr : std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace tonalyst
