#include "classserver/PgLibrary.h"

#include <dlfcn.h>

#include <QStringList>

#include <cstring>

namespace tonalyst {

PgLibrary PgLibrary::load(const char* fileName) {
    PgLibrary library;
    void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        library.problem =
            QStringLiteral("the PostgreSQL client library %1 is missing (install the libpq5 package): %2")
                .arg(QString::fromUtf8(fileName), QString::fromUtf8(dlerror()));
        return library;
    }
    QStringList unresolved;
    const auto resolve = [handle, &unresolved](auto& function, const char* name) {
        void* symbol = dlsym(handle, name);
        if (!symbol)
            unresolved << QString::fromLatin1(name);
        std::memcpy(&function, &symbol, sizeof function);
    };
#define TONALYST_PQ_RESOLVE(name) resolve(library.name, #name);
    TONALYST_PQ_FUNCTIONS(TONALYST_PQ_RESOLVE)
#undef TONALYST_PQ_RESOLVE
    if (!unresolved.isEmpty())
        library.problem = QStringLiteral("the PostgreSQL client library %1 is too old (it lacks %2)")
                              .arg(QString::fromUtf8(fileName), unresolved.join(QStringLiteral(", ")));
    return library;
}

const PgLibrary& PgLibrary::shared() {
    static const PgLibrary library = load("libpq.so." TONALYST_LIBPQ_SONAME_MAJOR);
    return library;
}

} // namespace tonalyst
