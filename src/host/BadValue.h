#pragma once

#include <stdexcept>

// A value from a device or a file that does not decode: bad data to be reported or skipped,
// never a fault of the program (those stay std::logic_error and end the test or the run).
class BadValue final : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
