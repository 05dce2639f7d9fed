#include "app/app_icon.h"

namespace app {

QIcon app_icon() {
    // One icon file, in every size a desktop asks for, serves the windows here and, as a resource
    // of the Windows executable, the file manager too. Loaded once: the application and the main
    // window both ask for it as Tessary starts.
    static const QIcon icon(QStringLiteral(":/tessary.ico"));
    return icon;
}

} // namespace app
