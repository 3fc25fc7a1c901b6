#include "startup/DesktopLibrary.h"

#include <dlfcn.h>

namespace tonalyst {

DesktopLibrary loadDesktopLibrary(const char* fileName) {
    DesktopLibrary library;
    const auto refuse = [&](const char* detail) {
        library = DesktopLibrary{};
        library.problem = std::string("Tonalyst is not installed completely: ") + (detail ? detail : fileName) +
                          ". Install it again.";
        return library;
    };
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return refuse(dlerror());
    library.openDesktop = reinterpret_cast<decltype(library.openDesktop)>(dlsym(handle, "tonalyst_open_desktop"));
    if (!library.openDesktop)
        return refuse(dlerror());
    library.runCommand = reinterpret_cast<decltype(library.runCommand)>(dlsym(handle, "tonalyst_run_command"));
    if (!library.runCommand)
        return refuse(dlerror());
    return library;
}

} // namespace tonalyst
