#pragma once

class PointTables;

namespace lns {
class AppDevice;
}

// Fills the point tables from the catalogue at the start of every read of a device and, when
// the device is online, reads the values of its NVs. Nothing is reported: a step that fails
// is skipped and the field it would have set keeps its content. Offline, the NV tables and
// their counts stay as they are.
void BuildPointCatalogue(PointTables& points, const lns::AppDevice* device, bool online);
