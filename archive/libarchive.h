#pragma once

// libarchive's C interface, for the files of this layer that talk to it. libarchive calls its
// reader and writer `struct archive`, which is this layer's namespace in the same global scope, so
// here the type goes by the name archive_handle; the functions are the same.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <cwchar>

#include <sys/types.h>

#define archive archive_handle
#include <archive.h>
#include <archive_entry.h>
#undef archive
