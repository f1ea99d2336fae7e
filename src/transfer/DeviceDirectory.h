#pragma once

#include "host/object_server/DeviceTemplate.h"
#include "host/object_server/Error.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace lns {
class System;
}

// The devices that share the current device's program ID, found through the device template
// and grouped by subsystem in the order the template lists them. The selection window shows
// them; a tool without a window can use the same search.
class DeviceDirectory final
{
public:
    struct Device
    {
        // Item number in the template's device collection, counted from 1.
        int number = 0;
        QString name;
        QString neuronId;
    };

    struct Group
    {
        QString subsystem;
        std::vector<Device> devices;
    };

    struct Listing
    {
        std::shared_ptr<lns::DeviceTemplate> deviceTemplate;
        // One group per subsystem, in the order the subsystems first occur.
        std::vector<Group> groups;
        // Where the current device lies (found by its Neuron ID); -1 when it is not listed.
        int currentGroup = -1;
        int currentPosition = -1;
        // The object server failure that ended the search early; what was found before stays.
        std::optional<lns::Error> failure;
        // False when the search was stopped by the caller.
        bool complete = false;
    };

    // counted: the number of devices, before the walk; found: after each device with its
    // number, returning false to stop the walk.
    struct Progress
    {
        std::function<void(int count)> counted;
        std::function<bool(int number)> found;
    };

    struct Location
    {
        QString name;
        QString path;
    };

    explicit DeviceDirectory(const lns::System& system);

    Listing search(const lns::AppDevice& current, const Progress& progress = {}) const;

    // Name and subsystem path of the template's device with this number. Throws lns::Error.
    static Location location(const lns::DeviceTemplate& deviceTemplate, int number);

private:
    const lns::System& m_system;
};
