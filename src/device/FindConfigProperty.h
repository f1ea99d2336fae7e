#pragma once

#include "host/object_server/ConfigProperty.h"
#include "host/object_server/NetworkVariable.h"

#include <QString>
#include <memory>

class StepRunner;
class UiServices;

namespace lns {
class AppDevice;
}

// Resolves a CP identifier of the catalogue on a device: "F:b/C:s:i" (functional block b,
// counted from 0), "N:n/C:s:i" (the NV with index n) or "C:s:i" (the device interface), each
// naming the CP type by scope s and type index i. Returns nothing when no CP matches or the
// identifier is malformed. N: identifiers use nvCollection, the device's NV collection, or
// the interface's own when it is null. A failing object server call shows its number and
// description with Abort / Retry / Ignore: Retry asks again, Ignore goes on where that is
// possible, Abort returns nothing.
std::shared_ptr<lns::ConfigProperty> FindConfigProperty(const QString& id, const lns::AppDevice& device,
                                                        std::shared_ptr<lns::NetworkVariables> nvCollection,
                                                        UiServices& ui);
// The same with the caller's steps, whose retries and handler decide about failing calls.
std::shared_ptr<lns::ConfigProperty> FindConfigProperty(const QString& id, const lns::AppDevice& device,
                                                        std::shared_ptr<lns::NetworkVariables> nvCollection,
                                                        StepRunner& steps);
