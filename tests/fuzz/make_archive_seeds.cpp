// Writes the seeds of the archive target that are made rather than kept: make_archive_seeds
// <folder> writes into it
// - deep.zip, a file 1000 folders deep beside one as deep as Tessary reads, and
// - companions.zip, a main file whose header names a texture file and 99 sequence-group files,
//   with all of them beside it.
#include "archive_writer.h"
#include "model/companions.h"
#include "model_writer.h"

#include <cstdint>
#include <fstream>
#include <iostream>
#include <stdexcept>

namespace {

using Kind = ArchiveItem::Kind;

void write(const std::string& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary) << bytes;
}

std::string deep_zip() {
    std::string deepest, deep;
    for (int level = 0; level < 1000; ++level)
        deepest += "d/";
    for (int level = 1; level < 64; ++level)
        deep += "d/";
    return archive_of("zip",
                      {{Kind::file, deep + "v.mdl", "v"}, {Kind::file, deepest + "v.mdl", "v"}});
}

std::string companions_zip() {
    // The header's count of sequence groups; each after the first lies in a file of its own.
    constexpr std::int32_t groups = 100;
    const auto main =
        model_writer::with(model_writer::tiny_model_in_two_files(true).first, 172, groups);
    const auto needs =
        model::companion_needs({reinterpret_cast<const std::uint8_t*>(main.data()), main.size()});
    if (!needs || !needs->texture_file || needs->group_files != 99)
        throw std::logic_error("the main file does not name its 100 companions");
    std::vector<ArchiveItem> files{{Kind::file, "gign.mdl", main},
                                   {Kind::file, model::texture_file_name("gign"),
                                    model_writer::tiny_model_in_two_files(true).second}};
    for (int group = 1; group < static_cast<int>(groups); ++group)
        files.push_back({Kind::file, model::group_file_name("gign", group), "IDSQ"});
    return archive_of("zip", files);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_archive_seeds <folder>\n";
        return 2;
    }
    const std::string folder = argv[1];
    write(folder + "/deep.zip", deep_zip());
    write(folder + "/companions.zip", companions_zip());
    return 0;
}
