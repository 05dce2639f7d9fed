#include "posix_faults.h"

#include <cerrno>
#include <cstring>

#include <sys/mount.h>
#include <unistd.h>

namespace fs = std::filesystem;

FileSizeLimit::FileSizeLimit(std::size_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
}

Unprivileged::Unprivileged(const fs::path& world) {
    if (geteuid() != 0)
        return;
    constexpr uid_t nobody = 65534;
    // The world becomes the user's own, so the test can still change its files' modes.
    for (const auto& entry : fs::recursive_directory_iterator(world))
        (void)lchown(entry.path().c_str(), nobody, nobody);
    (void)lchown(world.c_str(), nobody, nobody);
    switched_ = seteuid(nobody) == 0;
}

Unprivileged::~Unprivileged() {
    if (switched_)
        (void)seteuid(0);
}

SmallDisk::SmallDisk(const fs::path& folder, std::size_t bytes, std::size_t inodes)
    : folder_(folder) {
    fs::create_directories(folder);
    const auto options = "size=" + std::to_string(bytes) + ",nr_inodes=" + std::to_string(inodes);
    if (mount("tessary-test", folder.c_str(), "tmpfs", 0, options.c_str()) != 0)
        skipped = "a small disk cannot be mounted here: " + std::string(std::strerror(errno));
}

SmallDisk::~SmallDisk() {
    if (skipped.empty())
        umount2(folder_.c_str(), MNT_DETACH);
}
