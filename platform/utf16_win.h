#pragma once

#include "platform/path.h"

#include <string>
#include <string_view>

// Windows' own functions take text in UTF-16; Tessary holds it in UTF-8. Every name, path and
// registry text crosses here, so that "C:\Users\Jürgen" or a Cyrillic folder name arrives whole.
namespace platform {

std::wstring widened(std::string_view text);
std::string narrowed(std::wstring_view text);

// The path as the wide file functions take it: backslashes throughout, and where it is longer
// than the old limit of 260 characters, made absolute under the "\\?\" prefix that lifts it.
std::wstring wide_path(const Path& path);

// A wide path made absolute under the "\\?\" prefix whatever its length, for paths that are built
// longer from it, name by name.
std::wstring extended_path(const std::wstring& path);

} // namespace platform
