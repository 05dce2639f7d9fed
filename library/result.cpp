#include "library/result.h"

#include "platform/message.h"

namespace library {

bool ok_or_report(const Result& result) {
    if (!result.ok())
        platform::show_message(result.message());
    return result.ok();
}

} // namespace library
