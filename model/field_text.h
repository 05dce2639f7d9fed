#pragma once

#include <string>
#include <string_view>

namespace model {

// A text field of a model file (a sequence, body part, texture, bone or attachment name, the name
// in the header) in UTF-8, to show. Model makers write names on their own systems in whatever
// their code page is, and a file says nothing of which, so the bytes are read as the first of
// these that fits: UTF-8, where they are valid UTF-8; the user's 8-bit code page, where they are
// text in it; Windows-1251, where that reads as Cyrillic words, as the names of models made on
// Russian systems do; else Latin-1, which reads any bytes. Never a replacement character. The
// Latin-script code pages (1250 of Central Europe, 1252 of the West, 1254 Turkish, 1257 Baltic,
// 1258 Vietnamese) read nearly any bytes as letters, so for their users they come after
// Windows-1251, and a Cyrillic name still shows as one; their own names, which mix accented and
// plain Latin letters in a word, do not read as Cyrillic.
std::string field_text(std::string_view bytes, unsigned user_code_page);
// As the user's system reads it: the code page is looked up only for bytes that are not UTF-8.
std::string field_text(std::string_view bytes);

} // namespace model
