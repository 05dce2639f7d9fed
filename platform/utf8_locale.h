#pragma once

namespace platform {

// While it lives, the C library takes multibyte text on this thread for UTF-8, whatever locale the
// user set, so that a C library that passes names through it, as libarchive does on Linux, hands
// Tessary's UTF-8 over whole. On Windows such a library passes names in UTF-16: nothing changes.
class Utf8Locale final {
public:
    Utf8Locale();
    ~Utf8Locale();
    Utf8Locale(const Utf8Locale&) = delete;
    Utf8Locale& operator=(const Utf8Locale&) = delete;

private:
    void* previous_ = nullptr; // the thread's locale before, where it was changed
};

} // namespace platform
