#pragma once

#include "core/result.h"

#include <vector>

namespace core {

// What an operation has made on disk: unless the operation keeps it, it is removed again, newest
// first, so a failure leaves nothing half-made. Only what the operation made itself is listed,
// never anything that was there before.
class Undo final {
public:
    Undo() = default;
    Undo(const Undo&) = delete;
    Undo& operator=(const Undo&) = delete;
    ~Undo();

    void made_folder(Path folder) { made_.push_back({std::move(folder), true}); }
    void made_file(Path file) { made_.push_back({std::move(file), false}); }

    // The operation got to its end: what it made stays.
    void keep() { made_.clear(); }

private:
    struct Made {
        Path path;
        bool folder;
    };
    std::vector<Made> made_;
};

} // namespace core
