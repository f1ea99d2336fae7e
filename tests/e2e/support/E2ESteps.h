#pragma once

#include "e2e/support/PrivateSession.h"

#include <QMap>
#include <QString>

// Steps the end-to-end tests share.
namespace e2e_steps {

inline const QString Rou1 = QStringLiteral("Demo/Building/Floor 1:F1/Room 1:ROU_1");

// The demo network, then the plug-in registered in English and activatable on the bus.
// Empty on success, otherwise what failed.
QString setUpRegisteredPlugIn(PrivateSession& session);

// The plug-in's commands (component applications with its ProgID) at each of its device
// templates in the network, read through the object server; by program ID.
QMap<QString, int> registeredCommands(const PrivateSession& session, const QString& network);

// The text of a run for a failure message.
std::string describe(const PrivateSession::Run& run);

} // namespace e2e_steps
