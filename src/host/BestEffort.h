#pragma once

#include "host/object_server/Error.h"

#include <utility>

// Runs an object server call that a procedure goes on without, unasked and unreported (closing
// objects at the end, a name or a count that may stay as it was); true when the call worked.
// Only lns::Error is swallowed: anything else is a fault of the program and passes on.
template <typename Call> bool bestEffort(Call&& call)
{
    try {
        std::forward<Call>(call)();
        return true;
    } catch (const lns::Error&) {
        return false;
    }
}
