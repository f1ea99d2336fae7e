#include "device/point_catalogue/PointCatalogue.h"

#include <stdexcept>

namespace point_catalogue {

namespace {

// The switch objects' groups are alike: whatever is written for Switch[0] holds for the others.
constexpr bool switchGroupsAlike()
{
    for (int object = 1; object < cp::SwitchObjects; ++object) {
        for (int slot = 0; slot < cp::PerSwitch; ++slot) {
            const CpDefinition& first = CpDefinitions[static_cast<std::size_t>(cp::FirstSwitch + slot)];
            const CpDefinition& other =
                CpDefinitions[static_cast<std::size_t>(cp::FirstSwitch + object * cp::PerSwitch + slot)];
            if (std::string_view(first.name) != other.name ||
                std::string_view(first.valueType) != other.valueType)
                return false;
        }
    }
    return true;
}
static_assert(switchGroupsAlike());
static_assert(cp::LastSwitch < cp::Count);

template <std::size_t N, typename T>
const T& at(const std::array<T, N>& table, int position, const char* what)
{
    if (position < 0 || position >= static_cast<int>(N))
        throw std::out_of_range(what);
    return table[static_cast<std::size_t>(position)];
}

} // namespace

const CpDefinition& cpDefinition(int position)
{
    return at(CpDefinitions, position, "no catalogued configuration property at this position");
}

const NvDefinition& nviDefinition(int position)
{
    return at(NviDefinitions, position, "no catalogued input network variable at this position");
}

const NvDefinition& nvoDefinition(int position)
{
    return at(NvoDefinitions, position, "no catalogued output network variable at this position");
}

} // namespace point_catalogue
