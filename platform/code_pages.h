#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text in the 8-bit code pages of Windows systems, in which files made there hold their names.
namespace platform {

// The code pages of a Windows system in the user's language: the ANSI one, in which programs
// write text, and the OEM one of the console and of Windows' own compressed folders. On Windows,
// the system's own. On Linux, those a Windows system in the user's language would use, after the
// first of LC_ALL, LC_CTYPE and LANG that is set: 1251 and 866 for Russian, Ukrainian, Belarusian,
// Bulgarian and Macedonian, 1250 and 852 for the languages of Central Europe (Polish, Czech,
// Hungarian, ...), 1254 and 857 for Turkish and Azerbaijani, 1253 and 737 for Greek, 1257 and 775
// for the Baltic languages, 1255 and 862 for Hebrew, 1258 for Vietnamese, 874 for Thai, 936 for
// Chinese (950 for Taiwan, Hong Kong and Macau), 932 for Japanese, 949 for Korean, 1252 and 850
// for the languages of Western Europe, and 1252 and 437 for any other.
unsigned ansi_code_page();
unsigned oem_code_page();

// The bytes read in the code page, in UTF-8; nothing where they are not text in it.
std::optional<std::string> from_code_page(std::string_view bytes, unsigned code_page);

} // namespace platform
