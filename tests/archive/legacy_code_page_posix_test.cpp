#include "archive/entry_names.h"
#include "test_world.h"

#include <gtest/gtest.h>

#include <cstdlib>

// The code page that a Windows system in the user's language would read names without the UTF-8
// flag in, after the locale's variables in the order the C library reads them.
TEST(ArchiveNames, TheLegacyCodePageFollowsTheUsersLanguage) {
    const struct {
        const char *all, *ctype, *lang;
        unsigned code_page;
    } cases[] = {
        {"", "", "ru_RU.UTF-8", 866},
        {"", "", "uk_UA", 866},
        {"", "", "zh_CN.GB18030", 936},
        {"", "", "zh_SG.UTF-8", 936},
        {"", "", "zh_TW.UTF-8", 950},
        {"", "", "zh_HK.BIG5-HKSCS", 950},
        {"", "", "ja_JP.eucJP", 932},
        {"", "", "ko_KR.UTF-8", 949},
        {"", "", "de_DE.UTF-8@euro", 850},
        {"", "", "pt_BR.UTF-8", 850},
        {"", "", "en_GB.UTF-8", 850},
        {"", "", "en_US.UTF-8", 437},
        {"", "", "pl_PL.UTF-8", 437},
        {"", "", "C.UTF-8", 437},
        {"", "", "", 437},
        {"", "fr_FR.UTF-8", "ru_RU.UTF-8", 850},
        {"ja_JP.UTF-8", "fr_FR.UTF-8", "ru_RU.UTF-8", 932},
    };
    const char* const names[] = {"LC_ALL", "LC_CTYPE", "LANG"};
    std::string before[3];
    for (int i = 0; i < 3; ++i)
        before[i] = std::getenv(names[i]) ? std::getenv(names[i]) : "";
    for (const auto& [all, ctype, lang, code_page] : cases) {
        set_environment("LC_ALL", all);
        set_environment("LC_CTYPE", ctype);
        set_environment("LANG", lang);
        EXPECT_EQ(archive::legacy_code_page(), code_page) << all << " " << ctype << " " << lang;
    }
    for (int i = 0; i < 3; ++i)
        set_environment(names[i], before[i]);
}
