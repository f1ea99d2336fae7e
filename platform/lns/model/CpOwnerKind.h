#pragma once

namespace lnssim {

// What a configuration property applies to; the numbers are stored in the network database.
enum class CpOwnerKind
{
    Block = 0,
    Nv = 1,
    Interface = 2
};

} // namespace lnssim
