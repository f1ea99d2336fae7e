#include "device/BuildPointCatalogue.h"

#include "device/point_catalogue/PointTables.h"
#include "host/BestEffort.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/DeviceInterface.h"
#include "host/object_server/Error.h"

#include <memory>

namespace {

std::shared_ptr<lns::NetworkVariables> networkVariablesOf(const lns::AppDevice* device)
{
    if (!device)
        return nullptr;
    try {
        const std::shared_ptr<lns::DeviceInterface> deviceInterface = device->deviceInterface();
        return deviceInterface ? deviceInterface->networkVariables() : nullptr;
    } catch (const lns::Error&) {
        return nullptr;
    }
}

// An NV that cannot be fetched or read keeps the value it had.
void readValue(NvEntry& entry, const lns::NetworkVariables* nvCollection)
{
    if (!nvCollection)
        return;
    bestEffort([&] {
        const std::shared_ptr<lns::NetworkVariable> variable = nvCollection->item(entry.nvIndex);
        if (variable)
            entry.value = variable->value();
    });
}

} // namespace

void BuildPointCatalogue(PointTables& points, const lns::AppDevice* device, bool online)
{
    if (online) {
        const std::shared_ptr<lns::NetworkVariables> nvCollection = networkVariablesOf(device);
        for (int position = 0; position < PointTables::NviTotal; ++position) {
            points.fillNvi(position);
            readValue(points.nvi(position), nvCollection.get());
        }
        points.nviCount = PointTables::NviTotal;
        for (int position = 0; position < PointTables::NvoTotal; ++position) {
            points.fillNvo(position);
            readValue(points.nvo(position), nvCollection.get());
        }
        points.nvoCount = PointTables::NvoTotal;
    }
    points.fillCpTable();
}
