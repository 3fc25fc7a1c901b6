#include "startup/DesktopLibrary.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

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

DesktopLibrary loadProgramsDesktopLibrary() {
    // Found from the program's own file rather than by the program's run path: the
    // address sanitizer's dlopen() hides which file asks, and with it the run path.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path beside = folder / kDesktopLibraryFile;
    const std::filesystem::path installed =
        (folder / TONALYST_LIBRARY_DIR_FROM_PROGRAM / kDesktopLibraryFile).lexically_normal();
    return loadDesktopLibrary(std::filesystem::exists(beside, error) ? beside.c_str() : installed.c_str());
}

} // namespace tonalyst
