#pragma once

#include <functional>
#include <memory>

class CommandTable;
class FrameworkSettings;
class MessageCatalogue;
class PointTables;
class ProgressDisplay;
class RegistryStore;
class UiServices;
struct ConnectionState;
struct ResourceDirSpec;

namespace lns {
class ObjectServer;
}

// The process-wide state and services, created once by main() and handed by reference to
// whoever needs them.
struct AppContext
{
    RegistryStore& registry;
    lns::ObjectServer& objectServer;
    UiServices& ui;
    ProgressDisplay& progress;
    MessageCatalogue& catalogue;
    ConnectionState& connection;
    CommandTable& commands;
    FrameworkSettings& settings;
    PointTables& points;
    ResourceDirSpec& resourceDir;
    // Ends the program (the application's event loop); tests pass their own.
    std::function<void()> endProgram;
    // Another object server over the same network databases, for a thread of its own (an object
    // server belongs to the thread that uses it); none where work stays on this thread.
    std::function<std::unique_ptr<lns::ObjectServer>()> openObjectServer;
};
