#pragma once

#include "host/PlugInWindow.h"
#include "host/ui/WidgetWindow.h"

#include <QList>
#include <QString>
#include <QWidget>
#include <functional>

// A main window stand-in: a plain widget for the window properties, a record of the devices
// handed over, and a count of EndPlugIn calls.
class FakePlugInWindow final : public PlugInWindow
{
public:
    struct HandOver
    {
        QString deviceName;
        qint32 commandId;
    };

    TopLevelWindow& window() override { return m_window; }
    QWidget& widget() { return m_widget; }
    void ProcessDeviceCommand(std::shared_ptr<lns::AppDevice>& device, PlugInCommand& command) override;
    void EndPlugIn() override
    {
        ++m_endCalls;
        m_widget.hide();
    }

    // Runs inside ProcessDeviceCommand, for example to throw or to look at the progress window.
    void onProcess(std::function<void()> action) { m_onProcess = std::move(action); }

    const QList<HandOver>& handOvers() const { return m_handOvers; }
    int endCalls() const { return m_endCalls; }

private:
    QWidget m_widget;
    WidgetWindow m_window{m_widget};
    QList<HandOver> m_handOvers;
    std::function<void()> m_onProcess;
    int m_endCalls = 0;
};
