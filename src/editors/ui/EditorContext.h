#pragma once

#include "editors/KeyRules.h"

#include <QString>
#include <functional>
#include <memory>

class ControlEvents;
class FrameworkSettings;
class PointTables;
class QKeyEvent;
class QLineEdit;
class UiServices;
struct DeviceSession;
struct EditorState;
struct MainControls;

namespace lns {
class NetworkVariable;
}

// What every editor of the main window works with: the controls, the shared editor state, the
// point tables, the settings and the device, plus the window's own procedures the editors call.
class EditorContext final
{
public:
    struct Procedures
    {
        std::function<void()> func_red_field;
        std::function<void()> set_tabs;
        // Shows the help of a point in the description box; may throw lns::Error.
        std::function<void(const QString& pointKind, int pointIndex)> showHelp;
    };

    EditorContext(MainControls& controls, EditorState& state, PointTables& points,
                  const FrameworkSettings& settings, DeviceSession& session, UiServices& ui,
                  ControlEvents& events, Procedures procedures);
    EditorContext(const EditorContext&) = delete;
    EditorContext& operator=(const EditorContext&) = delete;

    MainControls& controls;
    EditorState& state;
    PointTables& points;
    const FrameworkSettings& settings;
    DeviceSession& session;
    UiServices& ui;
    ControlEvents& events;
    const Procedures procedures;

    // Change handlers that follow typing work only while the window is shown.
    bool windowVisible() const;
    const QString& separator() const;
    // Monitoring is on while its check box is ticked.
    bool monitoring() const;

    // Element of an array CP as the device holds it; null when there is no device or no such CP.
    // Object server failures throw lns::Error.
    QString elementReference(int cpPosition, int element) const;
    // The input NV at a position of the NV table, from the device's NV collection.
    std::shared_ptr<lns::NetworkVariable> inputNv(int position) const;

    // The key filter of a field class. Enter moves the focus to the device selection button;
    // keys that edit nothing (arrows, Tab, shortcuts) pass. Returns true to swallow the key.
    bool filterKey(QLineEdit* field, QKeyEvent& event, key_rules::KeyClass keyClass) const;
    bool moveFocusOnEnter(QKeyEvent& event) const;
};

// Sets a text only when it differs, so that the cursor of a field being typed in stays put.
void setTextIfDifferent(QLineEdit* field, const QString& text);
