#pragma once

// While the model viewer that a preview started runs, Tessary's windows go on drawing but refuse
// every input, their close boxes too: they stay held as the preview holds them, and the system
// never shows them as not responding.
namespace ui {

// Draws what needs drawing and lets timers run, refusing what the user does meanwhile; the
// previews call it again and again until the viewer has ended.
void keep_drawn_while_viewing();

} // namespace ui
