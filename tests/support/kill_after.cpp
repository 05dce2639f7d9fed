// Loaded into a child process with LD_PRELOAD, kills it for real, with SIGKILL, right after the
// call that TESSARY_KILL_AFTER names has succeeded for the nth time: "rename:3" (rename and
// renameat2 alike), "unlink:1", "fsync:2", or "copy:2" (a copy_file_range that copied bytes).
// The tests stop an operation at a chosen point this way and look at what the next start of
// Tessary makes of it.
#include <dlfcn.h>
#include <signal.h>
#include <stdio.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

// Kills the process when the call has succeeded as often as TESSARY_KILL_AFTER says.
int counted(std::string_view call, int outcome) {
    static const char* const wanted = std::getenv("TESSARY_KILL_AFTER");
    static const char* const colon = wanted ? std::strchr(wanted, ':') : nullptr;
    static long successes = 0;
    if (outcome == 0 && colon && call == std::string_view(wanted, colon - wanted) &&
        ++successes == std::strtol(colon + 1, nullptr, 10))
        kill(getpid(), SIGKILL);
    return outcome;
}

template <typename Function> Function next(const char* name) {
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" {

int rename(const char* from, const char* to) {
    static const auto real = next<decltype(&rename)>("rename");
    return counted("rename", real(from, to));
}

int renameat2(int from_dir, const char* from, int to_dir, const char* to, unsigned flags) {
    static const auto real = next<decltype(&renameat2)>("renameat2");
    return counted("rename", real(from_dir, from, to_dir, to, flags));
}

int unlink(const char* path) {
    static const auto real = next<decltype(&unlink)>("unlink");
    return counted("unlink", real(path));
}

int fsync(int fd) {
    static const auto real = next<decltype(&fsync)>("fsync");
    return counted("fsync", real(fd));
}

ssize_t copy_file_range(int in, loff_t* in_at, int out, loff_t* out_at, size_t size,
                        unsigned flags) {
    static const auto real = next<decltype(&copy_file_range)>("copy_file_range");
    const auto copied = real(in, in_at, out, out_at, size, flags);
    counted("copy", copied > 0 ? 0 : -1);
    return copied;
}
}
