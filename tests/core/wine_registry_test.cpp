#include "platform/wine_registry.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace std::string_view_literals;
using platform::look_up_wine_registry;
using platform::RegistryValue;

namespace {

std::string read_fixture() {
    std::ifstream in(std::string(TESSARY_FIXTURES_DIR) + "/wine-system.reg", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::optional<RegistryValue> look_up(std::string_view text, const std::string& key,
                                     std::string_view name) {
    const std::vector<std::string> keys{key};
    return look_up_wine_registry(text, keys, name).values.at(0);
}

// `data` spells out the exact bytes, embedded NULs included (use the sv suffix).
testing::AssertionResult is_value(const std::optional<RegistryValue>& value, std::uint32_t type,
                                  std::string_view data) {
    if (!value)
        return testing::AssertionFailure() << "no value";
    const std::string got(value->data.begin(), value->data.end());
    if (value->type != type || got != data)
        return testing::AssertionFailure() << "type " << value->type << ", " << got.size()
                                           << " bytes: " << testing::PrintToString(got);
    return testing::AssertionSuccess();
}

std::string with_crlf(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

} // namespace

TEST(WineRegistry, ReadsEveryKindOfValueWineWrote) {
    const std::string text = read_fixture();
    ASSERT_FALSE(text.empty());
    const std::string fixture_key = "Software\\Tessary Fixture";

    const auto directory = look_up_wine_registry(
        text, std::vector<std::string>{"Software\\Sierra OnLine\\Setup\\CSTRIKE"}, "Directory");
    EXPECT_TRUE(directory.readable);
    EXPECT_TRUE(directory.win64);
    EXPECT_TRUE(is_value(directory.values.at(0), 2, "C:\\Sierra\\\xC3\x9Cnicode\0"sv));

    EXPECT_TRUE(is_value(look_up(text, fixture_key, ""), 1, "default value\0"sv));
    EXPECT_TRUE(is_value(look_up(text, fixture_key, "Blob"), 3, "\x00\xff\x10"sv));
    EXPECT_TRUE(is_value(look_up(text, fixture_key, "Empty"), 1, "\0"sv));
    EXPECT_TRUE(is_value(look_up(text, fixture_key, "Long"), 1, std::string(1100, 'x') + '\0'));
    EXPECT_TRUE(is_value(look_up(text, fixture_key, "Multi"), 7, "one\0two\0\0"sv));
    EXPECT_TRUE(is_value(look_up(text, fixture_key, "Number"), 4, "\x78\x56\x34\x12"sv));
    EXPECT_TRUE(is_value(look_up(text, fixture_key, "Quote"), 1, "say \"hi\" \\\\ back\0"sv));
    EXPECT_FALSE(look_up(text, fixture_key, "Missing"));
}

TEST(WineRegistry, OnlyARegistryFileIsRead) {
    const std::string_view text = "WINE REGISTRY Version 2\n;; comment\n\n#arch=win32\n\n"
                                  "[A\\\\B] 1796483848\n#time=1dd84cbbd4fa780\n"
                                  "\"Name\"=\"lf\"\n#arch=win64\n";
    for (const std::string& variant : {std::string(text), with_crlf(text)}) {
        const auto result =
            look_up_wine_registry(variant, std::vector<std::string>{"A\\B"}, "Name");
        EXPECT_TRUE(result.readable);
        EXPECT_FALSE(result.win64) << "#arch after the first key does not count";
        EXPECT_TRUE(is_value(result.values.at(0), 1, "lf\0"sv));
    }
    for (const std::string_view bad :
         {""sv, "WINE REGISTRY Version 1\n[A\\\\B]\n\"Name\"=\"x\"\n"sv,
          "REGEDIT4\n[A\\\\B]\n\"Name\"=\"x\"\n"sv}) {
        const auto result = look_up_wine_registry(bad, std::vector<std::string>{"A\\B"}, "Name");
        EXPECT_FALSE(result.readable);
        EXPECT_FALSE(result.values.at(0));
    }
}

TEST(WineRegistry, FindsKeysHoweverTheyAreWritten) {
    const std::string text = "WINE REGISTRY Version 2\n"
                             "[First]\n\"V\"=\"first\"\n"
                             "[Caf\\xe9\\\\Men\\374] 1\n\"V\"=\"escaped key\"\n"
                             "[Last\\\\Later\\\\Deeper]\n\"V\"=\"child\"\n"
                             "[Last\\\\Later] 1796483848\n@=\"default\"\n\"V\"=\"later\"\n"
                             "[First]\n\"V\"=\"first again\"\n";
    const std::vector<std::string> keys{"last\\later", "CAF\xC3\x89\\mEN\xC3\x9C", "first"};
    const auto result = look_up_wine_registry(text, keys, "v");
    EXPECT_TRUE(is_value(result.values.at(0), 1, "later\0"sv));
    EXPECT_TRUE(is_value(result.values.at(1), 1, "escaped key\0"sv));
    EXPECT_TRUE(is_value(result.values.at(2), 1, "first again\0"sv)) << "the last one wins";
    EXPECT_TRUE(is_value(look_up(text, "Last\\Later", ""), 1, "default\0"sv));
    EXPECT_FALSE(look_up(text, "Last", "V")) << "a parent key is not the key";
}

TEST(WineRegistry, DecodesEscapesAndHexData) {
    const std::string text =
        "WINE REGISTRY Version 2\r\n"
        "[K]\r\n"
        "\"C\"=\"\\a\\e\\n\\t\\101\\0102\\x41\\x00e9\\xd83d\\xde00\xC3\xA9\"\r\n"
        "\"Na\\x006de\"=str(2):\"%PATH%\"\r\n"
        "\"Multi\"=str(7):\"a\\0\\0b\\0\"\r\n"
        "\"Sz\"=hex(1):61,00,62,00\r\n"
        "\"Odd\"=hex(1):61,00,62\r\n"
        "\"Long\"=hex:01,02,\\\r\n"
        "  03,04,\\\r\n"
        "  05\r\n"
        "\"After\"=dword:0000002a\r\n";
    EXPECT_TRUE(is_value(look_up(text, "K", "C"), 1,
                         "\a\x1b\n\tA\b2A\xC3\xA9\xF0\x9F\x98\x80\xC3\xA9\0"sv));
    EXPECT_TRUE(is_value(look_up(text, "K", "NAME"), 2, "%PATH%\0"sv));
    EXPECT_TRUE(is_value(look_up(text, "K", "Multi"), 7, "a\0\0b\0\0"sv));
    EXPECT_TRUE(is_value(look_up(text, "K", "Sz"), 1, "ab"sv)) << "no NUL is added";
    EXPECT_TRUE(is_value(look_up(text, "K", "Odd"), 1, "ab"sv)) << "the odd byte is kept";
    EXPECT_TRUE(is_value(look_up(text, "K", "Long"), 3, "\1\2\3\4\5"sv));
    EXPECT_TRUE(is_value(look_up(text, "K", "After"), 4, "\x2a\0\0\0"sv));
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
                             "\"Broken\"=hex:01,\\\n"
                             "  zz\n"
                             "\"Good2\"=\"two\"\n"
                             "\"CutOff\"=hex:01,\\\n"
                             "[L]\n"
                             "\"Good3\"=\"three\"\n"
                             "garbage line\n"
                             "[Unclosed\\\\Key\n"
                             "\"Good1\"=\"must not land in K\"\n";
    for (const char* name : {"Orphan", "Unterminated", "BadEscape", "BadHex", "ShortDword",
                             "Trailing", "Broken", "CutOff"}) {
        const auto result = look_up_wine_registry(text, std::vector<std::string>{"K", "L"}, name);
        EXPECT_FALSE(result.values[0] || result.values[1]) << name;
    }
    EXPECT_TRUE(is_value(look_up(text, "K", "Good1"), 1, "one\0"sv));
    EXPECT_TRUE(is_value(look_up(text, "K", "Good2"), 1, "two\0"sv));
    EXPECT_TRUE(is_value(look_up(text, "L", "Good3"), 1, "three\0"sv))
        << "a key line that cuts a continuation short is still a key";
}
