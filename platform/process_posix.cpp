#include "platform/process.h"

#include "platform/file_system.h"
#include "platform/wine_prefix.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string_view>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

// How long a wait for a program lasts between two calls of its while_running.
constexpr useconds_t wait_step_microseconds = 20'000;

// Windows programs start with the "MZ" of their header.
bool is_windows_program(const std::string& native) {
    std::FILE* file = std::fopen(native.c_str(), "rb");
    if (!file)
        return false;
    char magic[2] = {};
    const bool windows = std::fread(magic, 1, 2, file) == 2 && magic[0] == 'M' && magic[1] == 'Z';
    std::fclose(file);
    return windows;
}

std::optional<std::string> find_on_path(std::string_view name) {
    const char* path = std::getenv("PATH");
    std::string_view folders = path ? path : "";
    while (!folders.empty()) {
        const auto colon = folders.find(':');
        const auto folder = folders.substr(0, colon);
        folders = colon == std::string_view::npos ? std::string_view{} : folders.substr(colon + 1);
        const std::string candidate =
            std::string(folder.empty() ? "." : folder) + '/' + std::string(name);
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return std::nullopt;
}

// The native argument vector: a Windows program is run through Wine, and handed its files in the
// form Wine gives their paths.
std::vector<std::string> native_command(const Command& command) {
    const auto program = native_path(command.program);
    std::vector<std::string> argv;
    const auto wine = is_windows_program(program) ? find_on_path("wine") : std::nullopt;
    if (wine)
        argv.push_back(*wine);
    argv.push_back(program);
    for (const auto& file : command.files)
        argv.push_back(wine ? windows_path_in_prefix(native_path(file)) : native_path(file));
    return argv;
}

std::vector<char*> pointers_to(std::vector<std::string>& argv) {
    std::vector<char*> pointers;
    for (auto& argument : argv)
        pointers.push_back(argument.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

bool run_and_wait(const Command& command, const std::function<void()>& while_running) {
    auto argv = native_command(command);
    auto pointers = pointers_to(argv);
    pid_t child = 0;
    if (posix_spawn(&child, pointers[0], nullptr, nullptr, pointers.data(), environ) != 0)
        return false;
    if (!while_running) {
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
        return true;
    }
    for (;;) {
        const pid_t ended = waitpid(child, nullptr, WNOHANG);
        if (ended == child || (ended < 0 && errno != EINTR))
            return true;
        while_running();
        usleep(wait_step_microseconds);
    }
}

bool start_program(const Command& command) {
    auto argv = native_command(command);
    auto pointers = pointers_to(argv);

    // The program is started from a short-lived child, so that it is nobody's child to reap;
    // the pipe carries an exec failure back and closes by itself on success.
    int report[2];
    if (pipe2(report, O_CLOEXEC) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        const pid_t program = fork();
        if (program == 0)
            execv(pointers[0], pointers.data());
        if (program <= 0) {
            const int error = errno;
            [[maybe_unused]] const auto ignored = write(report[1], &error, sizeof error);
        }
        _exit(0);
    }
    close(report[1]);
    int error = 0;
    ssize_t got = -1;
    if (child > 0) {
        while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
        }
        while ((got = read(report[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
    }
    close(report[0]);
    return child > 0 && got == 0;
}

namespace {

// The executable a process runs, by the link the kernel keeps.
std::string executable_of(const std::string& process) {
    char target[4096];
    const auto length = ::readlink((process + "/exe").c_str(), target, sizeof target);
    return length > 0 && static_cast<std::size_t>(length) < sizeof target
               ? std::string(target, static_cast<std::size_t>(length))
               : std::string();
}

// The first argument a process was started with; Wine sets it to the Windows path of the program
// it runs ("C:\...\hl.exe"), which is mapped into the Wine prefix.
std::string windows_program_of(const std::string& process) {
    std::FILE* file = std::fopen((process + "/cmdline").c_str(), "rb");
    if (!file)
        return {};
    char line[4096];
    const auto length = std::fread(line, 1, sizeof line - 1, file);
    std::fclose(file);
    const std::string first(line, std::find(line, line + length, '\0'));
    const bool drive = first.size() > 2 && std::isalpha(static_cast<unsigned char>(first[0])) &&
                       first[1] == ':' && first[2] == '\\';
    return drive ? native_path(Path(first)) : std::string();
}

struct DirCloser {
    void operator()(DIR* dir) const { closedir(dir); }
};

} // namespace

std::vector<std::string> programs_running_from(const Path& folder) {
    std::vector<std::string> programs;
    const auto resolved = resolved_folder(folder);
    const std::unique_ptr<DIR, DirCloser> processes(opendir("/proc"));
    if (!resolved || !processes)
        return programs;
    const std::string inside = *resolved + '/';
    while (const dirent* entry = readdir(processes.get())) {
        const std::string_view name = entry->d_name;
        if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c));
            }))
            continue;
        const std::string process = "/proc/" + std::string(name);
        for (const auto& program : {executable_of(process), windows_program_of(process)}) {
            const std::unique_ptr<char, decltype(&std::free)> real(
                program.empty() ? nullptr : realpath(program.c_str(), nullptr), &std::free);
            if (!real || !std::string_view(real.get()).starts_with(inside))
                continue;
            const std::string file_name(Path(real.get()).file_name());
            if (std::find(programs.begin(), programs.end(), file_name) == programs.end())
                programs.push_back(file_name);
            break;
        }
    }
    return programs;
}

} // namespace platform
