#include "library/library_tree.h"

#include "library/name_lists.h"
#include "platform/file_system.h"
#include "platform/message.h"
#include "platform/program_folder.h"

#include <string>
#include <vector>

namespace library {

void create_library_tree() {
    if (const auto problem = check_name_lists(); !problem.empty()) {
        platform::show_message(problem +
                               " The model library was not created; mend the file and start "
                               "Tessary again.");
        return;
    }

    const auto& program = platform::program_folder();
    std::vector<std::string> folders{program + "\\models", program + "\\models\\player",
                                     program + "\\models\\weapon"};
    for (const auto& weapon : weapon_names)
        folders.push_back(program + "\\models\\weapon\\" + weapon);
    for (const auto& type : player_types)
        folders.push_back(program + "\\models\\player\\" + type);
    folders.push_back(program + "\\models\\player\\hostage");
    folders.push_back(program + "\\models\\player\\scientist");

    for (const auto& folder : folders) {
        if (const auto error = platform::create_folder(folder)) {
            platform::show_message("The folder " + platform::native_path(folder) +
                                   " could not be created: " + error.message() + ".");
            return;
        }
    }
}

} // namespace library
