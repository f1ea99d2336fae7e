#pragma once

#include "device/ui/EditorLoader.h"

#include <QString>

struct AppContext;
struct EditorState;
struct MainControls;

// The framework routine every part of the main window calls around a device: refreshes the
// settings when stale, stores a model variant, checks the program ID, loads the read values
// into the editors on request and shows the help text of a point in the description box.
class FrameworkUpdater final
{
public:
    FrameworkUpdater(AppContext& context, MainControls& controls, EditorState& state);
    FrameworkUpdater(const FrameworkUpdater&) = delete;
    FrameworkUpdater& operator=(const FrameworkUpdater&) = delete;

    // variantSelector 0 or 1 stores that model variant, any other value none. pointKind "Nvi",
    // "Nci" or "Nvo" with the point's table position shows its help; empty shows none.
    // A device whose program ID is not accepted gets no editor loading and no help.
    void UpdateFramework(const QString& programId, qint16 variantSelector, bool loadEditors,
                         const QString& pointKind, qint16 pointIndex);

private:
    void showPointHelp(const QString& pointKind, qint16 pointIndex);

    AppContext& m_context;
    MainControls& m_controls;
    EditorLoader m_loader;
};
