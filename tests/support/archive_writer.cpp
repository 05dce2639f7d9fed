#include "archive_writer.h"

#include "archive/libarchive.h"
#include "platform/utf8.h"
#include "platform/utf8_locale.h"

#include <memory>
#include <stdexcept>

#include <zlib.h>

namespace {

// RAR 5 numbers: seven bits a byte, low bits first, the top bit set where more follow.
std::string numbers(std::initializer_list<std::uint64_t> values) {
    std::string out;
    for (auto value : values) {
        for (; value > 0x7F; value >>= 7)
            out += static_cast<char>(0x80 | (value & 0x7F));
        out += static_cast<char>(value);
    }
    return out;
}

// A RAR 5 header: the CRC-32 of the rest, its size, and its fields, each a number, then the rest
// (a name and extra records).
std::string rar_header(std::initializer_list<std::uint64_t> fields, const std::string& rest = "") {
    const std::string body = numbers(fields) + rest, header = numbers({body.size()}) + body;
    const auto crc = crc32(0, reinterpret_cast<const Bytef*>(header.data()), header.size());
    return std::string{char(crc), char(crc >> 8), char(crc >> 16), char(crc >> 24)} + header;
}

// The extra record that makes an entry a redirection of that type to the target.
std::string rar_redirection(std::uint64_t type, const std::string& target) {
    constexpr std::uint64_t redirection_record = 5, flags = 0;
    const std::string record = numbers({redirection_record, type, flags, target.size()}) + target;
    return numbers({record.size()}) + record;
}

// Stored entries of a Windows host, without times or checksums; links are Windows' symbolic
// links.
std::string rar5_of(const std::vector<ArchiveItem>& items) {
    constexpr std::uint64_t main_header = 1, file_header = 2, end_header = 5, with_extra = 1,
                            with_data = 2;
    constexpr std::uint64_t redirections[] = {0, 0, 2, 3, 5}; // by kind
    std::string rar = std::string("Rar!\x1A\x07\x01\x00", 8) + rar_header({main_header, 0, 0});
    for (const auto& item : items) {
        const bool folder = item.kind == ArchiveItem::Kind::folder;
        const auto redirection = redirections[static_cast<int>(item.kind)];
        const std::string data = redirection ? "" : item.content;
        const std::string extra = redirection ? rar_redirection(redirection, item.content) : "";
        const std::uint64_t size = item.declared.value_or(data.size());
        rar += (extra.empty() ? rar_header({file_header, with_data, data.size(), folder ? 1u : 0u,
                                            size, folder ? 0x10u : 0x20u, 0, 0, item.path.size()},
                                           item.path)
                              : rar_header({file_header, with_extra | with_data, extra.size(),
                                            data.size(), 0, size, 0x20, 0, 0, item.path.size()},
                                           item.path + extra)) +
               data;
    }
    return rar + rar_header({end_header, 0, 0});
}

// The path in the C library's wide characters, UTF-16 on Windows and UTF-32 elsewhere, in which
// libarchive takes it whatever the locale.
std::wstring wide_path(const std::string& path) {
    std::wstring wide;
    char32_t c = 0;
    for (std::size_t at = 0; at < path.size();) {
        if (!platform::decode_utf8(path, at, c))
            throw std::invalid_argument("a path to write is not UTF-8");
        if constexpr (sizeof(wchar_t) == 2) {
            if (c > 0xFFFF) {
                wide += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
                c = 0xDC00 + ((c - 0x10000) & 0x3FF);
            }
        }
        wide += static_cast<wchar_t>(c);
    }
    return wide;
}

la_ssize_t append(archive_handle*, void* out, const void* bytes, std::size_t size) {
    static_cast<std::string*>(out)->append(static_cast<const char*>(bytes), size);
    return static_cast<la_ssize_t>(size);
}

} // namespace

std::string archive_of(const std::string& format, const std::vector<ArchiveItem>& items,
                       const std::string& options) {
    if (format == "rar5")
        return rar5_of(items);
    const platform::Utf8Locale utf8;
    const std::unique_ptr<archive_handle, decltype(&archive_write_free)> writer(
        archive_write_new(), &archive_write_free);
    const auto check = [&writer](bool done) {
        const char* why = archive_error_string(writer.get());
        if (!done)
            throw std::runtime_error(why ? why : "libarchive's writer failed");
    };
    std::string bytes;
    // Zip paths are written in UTF-8 with its flag where the options name no other character set:
    // the C library's locale, which libarchive would follow, is "C" on Windows.
    check(archive_write_set_format_by_name(writer.get(), format.c_str()) == ARCHIVE_OK &&
          (format != "zip" || archive_write_set_format_option(writer.get(), "zip", "hdrcharset",
                                                              "UTF-8") == ARCHIVE_OK) &&
          archive_write_set_options(writer.get(), options.c_str()) == ARCHIVE_OK &&
          archive_write_set_passphrase(writer.get(), "secret") == ARCHIVE_OK &&
          archive_write_set_bytes_in_last_block(writer.get(), 1) == ARCHIVE_OK && // unpadded
          archive_write_open(writer.get(), &bytes, nullptr, append, nullptr) == ARCHIVE_OK);
    for (const auto& item : items) {
        const std::unique_ptr<archive_entry, decltype(&archive_entry_free)> entry(
            archive_entry_new(), &archive_entry_free);
        const bool file = item.kind == ArchiveItem::Kind::file;
        if (item.kind > ArchiveItem::Kind::link)
            throw std::invalid_argument("only RAR 5 archives hold junctions and file copies");
        const unsigned modes[] = {AE_IFREG | 0644, AE_IFDIR | 0755, AE_IFLNK | 0777}; // by kind
        archive_entry_copy_pathname_w(entry.get(), wide_path(item.path).c_str());
        archive_entry_set_mode(entry.get(), modes[static_cast<int>(item.kind)]);
        if (item.kind == ArchiveItem::Kind::link)
            archive_entry_set_symlink_utf8(entry.get(), item.content.c_str());
        archive_entry_set_size(entry.get(),
                               file ? static_cast<la_int64_t>(item.content.size()) : 0);
        check(archive_write_header(writer.get(), entry.get()) == ARCHIVE_OK);
        if (file)
            check(archive_write_data(writer.get(), item.content.data(), item.content.size()) ==
                  static_cast<la_ssize_t>(item.content.size()));
    }
    check(archive_write_close(writer.get()) == ARCHIVE_OK);
    return bytes;
}
