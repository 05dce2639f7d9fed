#include "platform/process.h"

#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/wine_prefix.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace platform {

namespace {

bool is_native_file(const std::string& native) {
    struct stat info;
    return stat(native.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

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

bool looks_like_path(const std::string& argument) {
    const bool drive = argument.size() >= 2 && argument[1] == ':' &&
                       std::isalpha(static_cast<unsigned char>(argument[0]));
    return drive || argument.find_first_of("\\/") != std::string::npos;
}

// The native argument vector for a command line: paths turned native, and a Windows program
// run through Wine with its paths in the form Wine gives them.
std::vector<std::string> native_command(const std::string& command_line) {
    const auto command = split_command_line(command_line, [](const std::string& path) {
        return is_native_file(native_path(Path(path)));
    });
    const auto program = native_path(Path(command.program));

    std::vector<std::string> argv;
    const auto wine = is_windows_program(program) ? find_on_path("wine") : std::nullopt;
    if (wine)
        argv.push_back(*wine);
    argv.push_back(program);
    for (const auto& argument : command.arguments) {
        if (!looks_like_path(argument))
            argv.push_back(argument);
        else if (wine)
            argv.push_back(windows_path_in_prefix(native_path(Path(argument))));
        else
            argv.push_back(native_path(Path(argument)));
    }
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

bool run_and_wait(const std::string& command_line) {
    auto argv = native_command(command_line);
    auto pointers = pointers_to(argv);
    pid_t child = 0;
    if (posix_spawn(&child, pointers[0], nullptr, nullptr, pointers.data(), environ) != 0)
        return false;
    while (waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    return true;
}

bool start_program(const std::string& command_line) {
    auto argv = native_command(command_line);
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

} // namespace platform
