#pragma once

#include "device/DeviceSession.h"
#include "device/EditorState.h"
#include "device/ui/DeviceReader.h"
#include "device/ui/FrameworkUpdater.h"
#include "host/PlugInWindow.h"
#include "host/ui/WidgetWindow.h"
#include "transfer/TransferState.h"
#include "ui/MainControls.h"

#include <QMainWindow>
#include <functional>

class Apply;
class CancelEdits;
class DeviceSelection;
class Editors;
class Monitoring;
class fStatus;
struct AppContext;

// The plug-in's configuration window fMain: the tabs with every editor, the status bar with
// the device, the description box, the log, the menus and the device session. It is loaded
// hidden when the first automation object is created; the director shows it.
class MainWindow final : public QMainWindow, public PlugInWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppContext& context);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    TopLevelWindow& window() override { return m_topLevel; }
    // Opens, initialises and shows the device; problems are told to the user, never raised.
    void ProcessDeviceCommand(std::shared_ptr<lns::AppDevice>& device, PlugInCommand& command) override;
    // Every step runs even when an earlier one fails; ends with the program.
    void EndPlugIn() override;

    bool InitDevice();
    bool ReadInitValues();
    // The given routine's fourth argument was never read; it has no place here.
    void UpdateFramework(const QString& programId, qint16 variantSelector, bool loadEditors,
                         const QString& pointKind, qint16 pointIndex);

    void Form_Load();

    void Form_Resize();
    void Form_Unload();
    bool SelectActiveTab();
    void set_tabs();
    // Apply and Cancel are enabled exactly while some field is marked as changed.
    void func_red_field();
    void tabData_Click();
    void mnuExit_Click();
    // Configures (True) or releases (False) the monitoring of the current device's NVs; False after Abort.
    bool Monitor_An(bool on);

    MainControls& controls() { return m_controls; }
    DeviceSession& session() { return m_session; }
    EditorState& editorState() { return m_editorState; }
    Editors& editors() { return *m_editors; }
    TransferState& transfer() { return m_transfer; }
    DeviceSelection& deviceSelection() { return *m_deviceSelection; }
    fStatus& transferStatus() { return *m_transferStatus; }

    // The window caption while the window is not minimised.
    static const QString Caption;

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

signals:
    // A device command starts opening its device (one that had to wait starts when it runs).
    void deviceCommandStarted();
    // A device command has loaded its device into the editors.
    void deviceOpened();

private:
    void buildShell();
    void buildTransfer();
    void transferRunning(bool running);
    // Runs the device command that waited, once nothing holds the window any more.
    void runWaitingCommand();
    void buildMenus();
    QWidget* buildBottomArea();
    void resizeToContent();
    void placeOnScreen();

    AppContext& m_context;
    MainControls m_controls;
    EditorState m_editorState;
    DeviceSession m_session;
    FrameworkUpdater m_framework;
    DeviceReader m_reader;
    WidgetWindow m_topLevel{*this};
    std::unique_ptr<Editors> m_editors;
    TransferState m_transfer;
    DeviceSelection* m_deviceSelection = nullptr;
    Monitoring* m_monitoring = nullptr;
    fStatus* m_transferStatus = nullptr;
    std::unique_ptr<Apply> m_apply;
    std::unique_ptr<CancelEdits> m_cancel;
    // A device command that came while a transfer or another device command ran; it runs once
    // that has ended. A later one replaces it: the window shows one device, the last handed over.
    std::function<void()> m_deferredCommand;
    // A device command is opening its device (it lets events run while it reads).
    bool m_deviceCommandRunning = false;
    bool m_ending = false;
};
