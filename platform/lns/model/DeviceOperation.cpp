#include "lns/model/DeviceOperation.h"

#include <array>

namespace lnssim::device_operation {

namespace {
struct Entry
{
    DeviceOperation operation;
    const char* name;
    const char* description;
};

constexpr std::array<Entry, 7> Entries{{
    {DeviceOperation::Any, "Any", "operation"},
    {DeviceOperation::NvRead, "NvRead", "NV read"},
    {DeviceOperation::NvWrite, "NvWrite", "NV write"},
    {DeviceOperation::CpRead, "CpRead", "CP read"},
    {DeviceOperation::CpWrite, "CpWrite", "CP write"},
    {DeviceOperation::Poll, "Poll", "poll"},
    {DeviceOperation::StateQuery, "StateQuery", "state query"},
}};

const Entry& entryOf(DeviceOperation operation)
{
    return Entries[static_cast<std::size_t>(operation)];
}
} // namespace

QString name(DeviceOperation operation)
{
    return QString::fromLatin1(entryOf(operation).name);
}

QString description(DeviceOperation operation)
{
    return QString::fromLatin1(entryOf(operation).description);
}

} // namespace lnssim::device_operation
