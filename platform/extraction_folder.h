#pragma once

namespace platform {

// The hidden folder in the program folder into which Tessary takes the files it imports out of an
// archive. Each import from an archive empties it, so nothing of the user's may be kept there; the
// model viewer knows a model opened from it by this name.
inline constexpr char extraction_folder_name[] = ".extracted.tessary-new";

} // namespace platform
