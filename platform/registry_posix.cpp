#include "platform/registry.h"

#include "platform/file_system.h"
#include "platform/names.h"
#include "platform/wine_prefix.h"
#include "platform/wine_registry.h"

#include <map>
#include <string_view>
#include <utility>

#include <sys/stat.h>

namespace platform {

namespace {

// Real prefixes keep a few megabytes here; anything far larger is not a registry.
constexpr std::size_t largest_registry = 256 * 1024 * 1024;

bool starts_with_software(const std::string& key_path) {
    static constexpr std::string_view software = "SOFTWARE\\";
    return key_path.size() >= software.size() &&
           same_name(std::string_view(key_path).substr(0, software.size()), software);
}

// What tells one state of a file from another without reading it.
struct FileStamp {
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    long long modified = 0;
    long long changed = 0;
    bool operator==(const FileStamp&) const = default;
};

std::optional<FileStamp> stamp_of(const std::string& native) {
    struct stat info;
    if (stat(native.c_str(), &info) != 0)
        return std::nullopt;
    const auto nanoseconds = [](const timespec& time) {
        return static_cast<long long>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    return FileStamp{info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim),
                     nanoseconds(info.st_ctim)};
}

// The values looked up in one state of the registry file. Operations look the game up once for
// every file they touch, and a well-used prefix's registry takes a while to read; as long as the
// file stays as it was, what was found in it stands.
class RegistryCache {
public:
    // The value in each view of the key that the prefix has, the 32-bit installers' view first.
    explicit RegistryCache(bool machine) : machine_(machine) {}

    std::vector<RegistryValue> look_up(const std::string& file, const std::string& key_path,
                                       const std::string& value_name) {
        const auto stamp = stamp_of(file);
        if (stamp != stamp_) {
            found_.clear();
            stamp_ = stamp;
        }
        const auto address = std::make_pair(key_path, value_name);
        if (const auto known = found_.find(address); known != found_.end())
            return known->second;
        auto value = read(file, key_path, value_name);
        // A file that changed while it was read is read again next time.
        if (stamp_of(file) == stamp_)
            found_.emplace(address, value);
        return value;
    }

private:
    std::vector<RegistryValue> read(const std::string& file, const std::string& key_path,
                                    const std::string& value_name) const {
        std::vector<RegistryValue> values;
        const auto text = read_file(Path(file), largest_registry);
        if (!text)
            return values;

        // In a 64-bit prefix the 32-bit view of SOFTWARE lies under Software\Wow6432Node.
        std::vector<std::string> keys{key_path};
        if (machine_ && starts_with_software(key_path))
            keys.insert(keys.begin(), "Software\\Wow6432Node\\" + key_path.substr(9));
        const auto lookup = look_up_wine_registry(*text, keys, value_name);
        if (!lookup.readable)
            return values;
        for (std::size_t i = lookup.win64 ? 0 : keys.size() - 1; i < keys.size(); ++i) {
            if (lookup.values[i])
                values.push_back(std::move(*lookup.values[i]));
        }
        return values;
    }

    bool machine_;
    std::optional<FileStamp> stamp_;
    std::map<std::pair<std::string, std::string>, std::vector<RegistryValue>> found_;
};

} // namespace

// The machine-wide registry of the Wine prefix is its text file system.reg, the user's is
// user.reg.
std::optional<RegistryValue> query_registry_value(RegistryRoot root, const std::string& key_path,
                                                  const std::string& value_name,
                                                  std::size_t buffer_size) {
    static RegistryCache machine(true), user(false);
    const bool for_machine = root == RegistryRoot::local_machine;
    auto& cache = for_machine ? machine : user;
    const auto file = wine_prefix() + (for_machine ? "/system.reg" : "/user.reg");
    for (auto& value : cache.look_up(file, key_path, value_name)) {
        if (value.data.size() <= buffer_size)
            return std::move(value);
    }
    return std::nullopt;
}

} // namespace platform
