#pragma once

#include "files/DeviceReport.h"

#include <QDateTime>
#include <functional>

class PointTables;

namespace lns {
class AppDevice;
}

// What the report of a device prints: its identity, read now (throws lns::Error when the
// device cannot tell it), and the values of the point tables. The array CPs print their
// elements as elementText gives them (the window's element boxes, or values read by a tool).
DeviceReport::Data reportData(const PointTables& points, const lns::AppDevice* device,
                              const std::function<QString(int position, int element)>& elementText,
                              const QDateTime& now);
