#pragma once

#include <QString>

// The device state texts of the status bar's state panel. The panel reading Online is the
// test for "the device is online" everywhere in the program.
namespace device_state {

inline const QString Online = QStringLiteral("Cnfg Online");
inline const QString Offnet = QStringLiteral("Offnet");
inline const QString NotCommissioned = QStringLiteral("Not Commissioned yet");
inline const QString Unknown = QStringLiteral("?");

// The text of an object server state number; "?" for a number without a text.
QString stateText(int state);

} // namespace device_state
