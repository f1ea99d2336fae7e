#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class SelfLauncher;
struct AppContext;
struct PlugInCommand;

namespace lns {
class System;
}

// Undoing the registration: the plug-in's commands in every network of the local object
// server (optionally offering to remove unused device templates), the automation server and
// the plug-in's registry key. A director's command 51 removes the commands of the open network.
class PlugInDeregistration final
{
public:
    // -1 skips the networks, 0 removes the commands, 1 also offers template removal.
    enum Mode
    {
        SkipNetworks = -1,
        RemoveCommands = 0,
        RemoveCommandsAndTemplates = 1
    };

    PlugInDeregistration(AppContext& context, SelfLauncher& launcher);
    PlugInDeregistration(const PlugInDeregistration&) = delete;
    PlugInDeregistration& operator=(const PlugInDeregistration&) = delete;

    // False when the plug-in's key could not be removed.
    bool DeregisterPlugIn(int mode, bool showProgress);
    void DeregisterFromNetworks(bool removeTemplates);
    void DeregisterFromNetwork(lns::System& system, bool removeTemplates, bool includeServerLevel);
    void RemoveCommand(lns::System& system, int targetKind, const PlugInCommand& row,
                       const QString& programId, const QString& lonMarkObjectName);
    // True when the registry key was deleted.
    bool UnregisterPlugIn(bool verbose);

    // Without progress no progress texts are written and no template question is asked;
    // off while the program serves a director.
    void setShowProgress(bool show) { m_showProgress = show; }

private:
    void status(const QString& text);
    QStringList servedProgramIds(lns::System& system) const;
    void offerTemplateRemoval(lns::System& system, const QStringList& programIds);
    QString interfaceNameForRetry() const;

    AppContext& m_context;
    SelfLauncher& m_launcher;
    bool m_showProgress = false;
};
