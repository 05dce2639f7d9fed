#include "platform/wine_registry.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <string_view>

using namespace std::string_view_literals;
using platform::look_up_wine_registry;

namespace {

// The value's type and bytes (embedded NULs included), or "none".
std::string found(std::string_view text, const std::string& key, std::string_view name) {
    const auto lookup = look_up_wine_registry(text, std::vector<std::string>{key}, name);
    const auto& value = lookup.values[0];
    if (!value)
        return "none";
    return std::to_string(value->type) + ":" + std::string(value->data.begin(), value->data.end());
}

} // namespace

TEST(WineRegistry, ReadsEveryKindOfValueWineWrote) {
    const auto text = TestWorld::read(TESSARY_FIXTURES_DIR "/wine-system.reg");
    const auto lookup = look_up_wine_registry(
        text, std::vector<std::string>{"Software\\Sierra OnLine\\Setup\\CSTRIKE"}, "Directory");
    EXPECT_TRUE(lookup.readable && lookup.win64);
    const std::pair<const char*, std::string_view> values[] = {
        {"", "1:default value\0"sv},
        {"Blob", "3:\x00\xff\x10"sv},
        {"Empty", "1:\0"sv},
        {"Multi", "7:one\0two\0\0"sv},
        {"Number", "4:\x78\x56\x34\x12"sv},
        {"Quote", "1:say \"hi\" \\\\ back\0"sv},
        {"Missing", "none"}};
    EXPECT_EQ(found(text, "Software\\Sierra OnLine\\Setup\\CSTRIKE", "Directory"),
              "2:C:\\Sierra\\\xC3\x9Cnicode\0"sv);
    for (const auto& [name, value] : values)
        EXPECT_EQ(found(text, "Software\\Tessary Fixture", name), value) << name;
    EXPECT_EQ(found(text, "Software\\Tessary Fixture", "Long"),
              "1:" + std::string(1100, 'x') + '\0');
}

TEST(WineRegistry, FindsKeysHoweverTheyAreWritten) {
    const std::string text = "WINE REGISTRY Version 2\n"
                             "[First]\n\"V\"=\"first\"\n"
                             "[Caf\\xe9\\\\Men\\374] 1\n\"V\"=\"escaped key\"\n"
                             "[Last\\\\Later\\\\Deeper]\n\"V\"=\"child\"\n"
                             "[Last\\\\Later] 1796483848\n@=\"default\"\n\"V\"=\"later\"\n"
                             "[First]\n\"V\"=\"first again\"\n";
    EXPECT_EQ(found(text, "last\\later", "v"), "1:later\0"sv);
    EXPECT_EQ(found(text, "CAF\xC3\x89\\mEN\xC3\x9C", "v"), "1:escaped key\0"sv);
    EXPECT_EQ(found(text, "first", "v"), "1:first again\0"sv) << "the last one wins";
    EXPECT_EQ(found(text, "Last\\Later", ""), "1:default\0"sv);
    EXPECT_EQ(found(text, "Last", "V"), "none") << "a parent key is not the key";
}

TEST(WineRegistry, DecodesEscapesAndHexData) {
    const std::string text =
        "WINE REGISTRY Version 2\r\n[K]\r\n"
        "\"C\"=\"\\a\\e\\n\\t\\101\\0102\\x41\\x00e9\\xd83d\\xde00\xC3\xA9\"\r\n"
        "\"Na\\x006de\"=str(2):\"%PATH%\"\r\n"
        "\"Multi\"=str(7):\"a\\0\\0b\\0\"\r\n"
        "\"Sz\"=hex(1):61,00,62,00\r\n"
        "\"Odd\"=hex(1):61,00,62\r\n"
        "\"Long\"=hex:01,02,\\\r\n  03,04,\\\r\n  05\r\n"
        "\"After\"=dword:0000002a\r\n";
    const std::pair<const char*, std::string_view> values[] = {
        {"C", "1:\a\x1b\n\tA\b2A\xC3\xA9\xF0\x9F\x98\x80\xC3\xA9\0"sv},
        {"NAME", "2:%PATH%\0"sv},
        {"Multi", "7:a\0\0b\0\0"sv},
        {"Sz", "1:ab"sv},  // no NUL is added
        {"Odd", "1:ab"sv}, // the odd byte is kept
        {"Long", "3:\1\2\3\4\5"sv},
        {"After", "4:\x2a\0\0\0"sv}};
    for (const auto& [name, value] : values)
        EXPECT_EQ(found(text, "K", name), value) << name;
}

TEST(WineRegistry, IgnoresMalformedLinesWithoutGuessing) {
    const std::string text = "WINE REGISTRY Version 2\n"
                             "\"Orphan\"=\"before any key\"\n"
                             "[K]\n"
                             "\"Good1\"=\"one\"\n"
                             "\"Unterminated\"=\"abc\n"
                             "\"BadEscape\"=\"a\\qb\"\n"
                             "\"BadHex\"=hex:01,0g,02\n"
                             "\"ShortDword\"=dword:1234\n"
                             "\"Trailing\"=\"abc\" junk\n"
                             "\"Broken\"=hex:01,\\\n  zz\n"
                             "\"Good2\"=\"two\"\n"
                             "\"CutOff\"=hex:01,\\\n"
                             "[L]\n"
                             "\"Good3\"=\"three\"\n"
                             "garbage line\n"
                             "[Unclosed\\\\Key\n"
                             "\"Good1\"=\"must not land in K\"\n";
    for (const char* name : {"Orphan", "Unterminated", "BadEscape", "BadHex", "ShortDword",
                             "Trailing", "Broken", "CutOff"})
        EXPECT_EQ(found(text, "K", name) + found(text, "L", name), "nonenone") << name;
    EXPECT_EQ(found(text, "K", "Good1"), "1:one\0"sv);
    EXPECT_EQ(found(text, "K", "Good2"), "1:two\0"sv);
    EXPECT_EQ(found(text, "L", "Good3"), "1:three\0"sv)
        << "a key line that cuts a continuation short is still a key";
}
