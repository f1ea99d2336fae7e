#pragma once

#include <QStatusBar>
#include <array>

class QLabel;

// The main window's status bar with its five text panels, numbered from 1: device name,
// model, Neuron ID, device state and monitoring state.
class StatusPanels final : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int PanelCount = 5;
    static constexpr int DevicePanel = 1;
    static constexpr int ModelPanel = 2;
    static constexpr int NeuronIdPanel = 3;
    static constexpr int StatePanel = 4;
    static constexpr int MonitoringPanel = 5;

    explicit StatusPanels(QWidget* parent = nullptr);
    StatusPanels(const StatusPanels&) = delete;
    StatusPanels& operator=(const StatusPanels&) = delete;

    // A panel number outside 1..5 is a bounds error (std::out_of_range).
    QString panelText(int panel) const;
    void setPanelText(int panel, const QString& text);
    // The device state panel reads "Cnfg Online".
    bool online() const;

    // How the last transfer to several devices ended, left of the panels; hidden while empty.
    QString summary() const;
    void setSummary(const QString& text);

private:
    QLabel* label(int panel) const;

    std::array<QLabel*, PanelCount> m_panels{};
    QLabel* m_summary = nullptr;
};
