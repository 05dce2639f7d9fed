#include "core/library/undo.h"

#include "platform/file_system.h"

namespace core {

Undo::~Undo() {
    for (auto made = made_.rbegin(); made != made_.rend(); ++made) {
        if (made->folder)
            (void)platform::remove_empty_folder(made->path);
        else
            (void)platform::delete_file(made->path);
    }
}

} // namespace core
