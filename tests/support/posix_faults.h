#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

#include <sys/resource.h>

// Faults made for real on Linux, for the tests that check nothing is lost when they strike.

// While it lives, no file may grow beyond the given size: a write past it fails part-way, as on a
// full disk (the program reports it rather than being killed by the signal).
class FileSizeLimit final {
public:
    explicit FileSizeLimit(std::size_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
};

// While it lives, the test runs as an unprivileged user where it runs as root, so that file
// permissions bind; the world's folder is handed to that user first.
class Unprivileged final {
public:
    explicit Unprivileged(const std::filesystem::path& world);
    ~Unprivileged();
    Unprivileged(const Unprivileged&) = delete;
    Unprivileged& operator=(const Unprivileged&) = delete;

private:
    bool switched_ = false;
};

// A small file system of its own mounted on an empty folder while it lives: a disk that fills up
// or runs out of inodes. Mounting takes root; where it cannot be done, why is in `skipped`.
class SmallDisk final {
public:
    SmallDisk(const std::filesystem::path& folder, std::size_t bytes, std::size_t inodes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    std::string skipped; // empty when mounted

private:
    std::filesystem::path folder_;
};
