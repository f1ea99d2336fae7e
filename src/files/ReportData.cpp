#include "files/ReportData.h"

#include "device/point_catalogue/PointTables.h"
#include "files/ParameterSet.h"
#include "host/object_server/AppDevice.h"
#include "host/object_server/Subsystem.h"

DeviceReport::Data reportData(const PointTables& points, const lns::AppDevice* device,
                              const std::function<QString(int position, int element)>& elementText,
                              const QDateTime& now)
{
    DeviceReport::Data data;
    data.date = now.date().toString(QStringLiteral("dd.MM.yyyy"));
    data.time = now.time().toString(QStringLiteral("HH:mm:ss"));
    if (device) {
        data.deviceName = device->name();
        data.neuronId = device->neuronId();
        data.programId = device->programId();
        const std::shared_ptr<lns::Collection<lns::Subsystem>> subsystems = device->subsystems();
        if (subsystems && subsystems->count() > 0)
            data.subsystem = subsystems->item(1)->name();
    }

    const ParameterSet shape;
    for (int position = 0; position < points.cpCount; ++position) {
        const CpEntry& entry = points.cp(position);
        const auto add = [&](const QString& value) {
            data.cps.append(DeviceReport::Row{entry.owner, entry.name, value, position});
        };
        // The array CPs print their elements; every other CP its value last read.
        const auto elements = static_cast<int>(shape.elements(position).size());
        for (int element = 0; element < elements; ++element)
            add(elementText(position, element));
        if (elements == 0)
            add(entry.value);
    }
    for (int position = 0; position < points.nviCount; ++position) {
        const NvEntry& entry = points.nvi(position);
        data.nvis.append(DeviceReport::Row{entry.owner, entry.name, entry.value, position});
    }
    for (int position = 0; position < points.nvoCount; ++position) {
        const NvEntry& entry = points.nvo(position);
        data.nvos.append(DeviceReport::Row{entry.owner, entry.name, entry.value, position});
    }
    return data;
}
