#pragma once

#include <QString>
#include <functional>

class FrameworkUpdater;
struct AppContext;
struct DeviceSession;
struct MainControls;

// Initialises the main window on the session's current device: its state in the status bar
// and every value read into the point tables, the value boxes and the editors.
class DeviceReader final
{
public:
    DeviceReader(AppContext& context, MainControls& controls, DeviceSession& session,
                 FrameworkUpdater& framework, std::function<bool()> selectActiveTab);
    DeviceReader(const DeviceReader&) = delete;
    DeviceReader& operator=(const DeviceReader&) = delete;

    // State, point catalogue, values and status bar. True when the device was read; false
    // when the user aborted after an error or the reading failed.
    bool InitDevice();
    // NVs (when online) and every CP into the model and the value boxes, then the editors.
    bool ReadInitValues();

private:
    bool online() const;
    void setState(const QString& text);

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
    FrameworkUpdater& m_framework;
    std::function<bool()> m_selectActiveTab;
};
