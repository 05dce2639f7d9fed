#include "core/program/system_info.h"

#include "core/game/game_directory.h"
#include "platform/file_system.h"
#include "platform/process.h"

namespace core {

Result<> start_system_information() {
    using platform::RegistryRoot;
    bool started = false;
    if (const auto path = read_registry_text(RegistryRoot::local_machine,
                                             "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH")) {
        started = platform::start_program({Path(*path)});
    } else if (const auto folder =
                   read_registry_text(RegistryRoot::local_machine,
                                      "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
        const auto program = Path(*folder) / "MSINFO32.EXE";
        started = platform::exists(program) && platform::start_program({program});
    }
    if (!started)
        return fail(said("System Information Is Unavailable At This Time"));
    return {};
}

} // namespace core
