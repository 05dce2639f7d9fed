#pragma once

namespace gui {

enum class FontSize {
    layouts, // the size Tessary's fixed layouts were drawn for
    system,  // the system's usual size, for windows that lay themselves out
};

// Draws the application's windows in Tessary's face (platform::window_faces(), else the
// system's own) at that size. Tessary's windows and the model viewer share the face.
void use_window_font(FontSize size);

} // namespace gui
