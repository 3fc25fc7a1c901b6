// Linked into the test programs of the ThreadSanitizer build only (tests/CMakeLists.txt).
//
// QProcess starts a program with clone(CLONE_VM | CLONE_VFORK): until the program is
// executed, the child runs in the parent's memory. ThreadSanitizer's runtime (GCC 12)
// intercepts clone() and takes every call for a fork, so its bookkeeping for parent and
// child runs twice over the one state they share, and the starting thread is left with its
// lock and wait calls no longer recorded: from then on whatever that thread hands over under
// a mutex is reported as a race. A process started that way is started as an ordinary fork
// instead, which the runtime does handle -- as it does itself for vfork().

#include <cstdarg>
#include <dlfcn.h>
#include <sched.h>
#include <sys/types.h>

extern "C" int clone(int (*run)(void*), void* stack, int flags, void* argument, ...) {
    va_list rest;
    va_start(rest, argument);
    auto* parentTid = va_arg(rest, pid_t*);
    void* tls = va_arg(rest, void*);
    auto* childTid = va_arg(rest, pid_t*);
    va_end(rest);
    using Clone = int (*)(int (*)(void*), void*, int, void*, ...);
    // The runtime's own clone(), which forks properly.
    static const auto intercepted = reinterpret_cast<Clone>(dlsym(RTLD_NEXT, "clone"));
    if (flags & CLONE_VFORK)
        flags &= ~(CLONE_VM | CLONE_VFORK);
    return intercepted(run, stack, flags, argument, parentTid, tls, childTid);
}
