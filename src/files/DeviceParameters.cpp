#include "files/DeviceParameters.h"

#include "device/FindConfigProperty.h"
#include "device/point_catalogue/PointTables.h"
#include "host/StepRunner.h"

#include <algorithm>

std::optional<ParameterSet> readDeviceParameters(const PointTables& points, const lns::AppDevice& device,
                                                 const std::shared_ptr<lns::NetworkVariables>& nvs,
                                                 StepRunner& steps)
{
    ParameterSet set;
    const int count = std::min<int>(points.cpCount, ParameterSet::Positions);
    for (int position = 0; position < count; ++position) {
        const std::shared_ptr<lns::ConfigProperty> property =
            FindConfigProperty(points.cp(position).id, device, nvs, steps);
        if (!property)
            continue;
        steps.run([&] { set.values.at(static_cast<std::size_t>(position)) = property->value(); });
        const std::span<ParameterSet::Value> elements = set.elements(position);
        for (std::size_t element = 0; element < elements.size(); ++element)
            steps.run([&] { elements[element] = property->elementValue(static_cast<int>(element)); });
        if (steps.aborted())
            return std::nullopt;
    }
    if (steps.aborted())
        return std::nullopt;
    return set;
}
