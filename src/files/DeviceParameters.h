#pragma once

#include "files/ParameterSet.h"
#include "host/object_server/NetworkVariable.h"

#include <memory>
#include <optional>

class PointTables;
class StepRunner;

namespace lns {
class AppDevice;
}

// The CP values of a device as a parameter file holds them, read straight from the device:
// every CP's whole value and the elements of the array CPs. A CP the device lacks, or whose
// read was ignored, stays empty; nothing when the reading was aborted.
std::optional<ParameterSet> readDeviceParameters(const PointTables& points, const lns::AppDevice& device,
                                                 const std::shared_ptr<lns::NetworkVariables>& nvs,
                                                 StepRunner& steps);
