#pragma once

namespace gui {

// The application title: the caption of the main window and of every message box, and the
// application name under which the settings are stored.
inline constexpr char app_title[] = "Tessary";

} // namespace gui
