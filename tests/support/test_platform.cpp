#include "test_platform.h"

void TestRegistry::set_dword(const std::string& key, const std::string& name, std::uint32_t value,
                             View view) {
    set(key, name,
        {4,
         {static_cast<unsigned char>(value), static_cast<unsigned char>(value >> 8),
          static_cast<unsigned char>(value >> 16), static_cast<unsigned char>(value >> 24)}},
        view);
}
