// Runs one of Tessary's operations on a program folder, as a child process that a test can stop
// at a chosen point:
//   run_operation <program folder> install player|weapon <type> <model> <file>...
//   run_operation <program folder> restore player|weapon <set>
//   run_operation <program folder> import-weapon <source folder> <picked file> <model name>
// The game is found as Tessary finds it, through the environment the test gave.
#include "core/changes/backup_sets.h"
#include "core/changes/model_import.h"
#include "core/changes/model_install.h"
#include "test_world.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const auto arguments = std::vector<std::string>(argv + 1, argv + argc);
    if (arguments.size() < 3)
        return 2;
    MemorySettings settings;
    const core::Library library{platform::Path(arguments[0]), settings};
    const auto kind = arguments[2] == "player" ? core::ModelKind::player : core::ModelKind::weapon;
    platform::Result<> done = platform::fail(platform::said("unknown operation %1", arguments[1]));
    if (arguments[1] == "install" && arguments.size() >= 6)
        done = core::install_model(library, {kind, arguments[3], arguments[4]},
                                   {arguments.begin() + 5, arguments.end()});
    else if (arguments[1] == "restore" && arguments.size() == 4)
        done = core::restore_backup_set(library, {kind, arguments[3]});
    else if (arguments[1] == "import-weapon" && arguments.size() == 5) {
        const auto imported = core::import_weapon_model(
            library, {source_folder(arguments[2]), arguments[3], arguments[4]},
            delivered_weapons());
        done = imported ? platform::Result<>() : imported.failure();
    }
    for (const auto& message : done.messages())
        std::fprintf(stderr, "%s\n", platform::english(message).c_str());
    return done ? 0 : 1;
}
