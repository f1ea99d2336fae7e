#include "transfer/DeviceDirectory.h"

#include "host/object_server/Subsystem.h"
#include "host/object_server/System.h"

#include <QHash>

namespace {

std::shared_ptr<lns::Subsystem> firstSubsystem(const lns::AppDevice& device)
{
    const std::shared_ptr<lns::Collection<lns::Subsystem>> subsystems = device.subsystems();
    return subsystems->item(1);
}

} // namespace

DeviceDirectory::DeviceDirectory(const lns::System& system) : m_system(system) {}

DeviceDirectory::Listing DeviceDirectory::search(const lns::AppDevice& current,
                                                 const Progress& progress) const
{
    Listing listing;
    try {
        listing.deviceTemplate = m_system.deviceTemplates()->findByProgramId(current.programId());
        const QString currentNeuronId = current.neuronId();
        const std::shared_ptr<lns::AppDevices> devices = listing.deviceTemplate->devices();
        const int count = devices->count();
        if (progress.counted)
            progress.counted(count);

        QHash<QString, int> groupOf;
        for (int number = 1; number <= count; ++number) {
            const std::shared_ptr<lns::AppDevice> device = devices->item(number);
            Device entry{number, device->name(), device->neuronId()};
            const QString subsystem = firstSubsystem(*device)->name();

            auto found = groupOf.constFind(subsystem);
            if (found == groupOf.constEnd()) {
                found = groupOf.insert(subsystem, static_cast<int>(listing.groups.size()));
                listing.groups.push_back(Group{subsystem, {}});
            }
            std::vector<Device>& members = listing.groups[static_cast<size_t>(*found)].devices;
            if (entry.neuronId == currentNeuronId) {
                listing.currentGroup = *found;
                listing.currentPosition = static_cast<int>(members.size());
            }
            members.push_back(std::move(entry));

            if (progress.found && !progress.found(number))
                return listing;
        }
        listing.complete = true;
    } catch (const lns::Error& error) {
        listing.failure = error;
    }
    return listing;
}

DeviceDirectory::Location DeviceDirectory::location(const lns::DeviceTemplate& deviceTemplate, int number)
{
    const std::shared_ptr<lns::AppDevice> device = deviceTemplate.devices()->item(number);
    return Location{device->name(), firstSubsystem(*device)->path()};
}
