#include "library/system_info.h"

#include "library/game_directory.h"
#include "platform/file_system.h"
#include "platform/message.h"
#include "platform/process.h"

namespace library {

void StartSysInfo() {
    using platform::RegistryRoot;
    bool started = false;
    if (const auto path = GetKeyValue(RegistryRoot::local_machine,
                                      "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
        path.found) {
        started = platform::start_program(path.text);
    } else if (const auto folder =
                   GetKeyValue(RegistryRoot::local_machine,
                               "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
               folder.found) {
        const auto program = folder.text + "\\MSINFO32.EXE";
        started = platform::exists(program) && platform::start_program(program);
    }
    if (!started)
        platform::show_message("System Information Is Unavailable At This Time");
}

} // namespace library
