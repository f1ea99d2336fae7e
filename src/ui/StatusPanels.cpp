#include "ui/StatusPanels.h"

#include "device/DeviceStateText.h"

#include <QFrame>
#include <QLabel>
#include <stdexcept>
#include <string>

namespace {

struct PanelLayout
{
    const char* accessibleName;
    int stretch;
};

// Name and state get the most room; the model needs little.
constexpr std::array<PanelLayout, StatusPanels::PanelCount> Layout{{
    {"Device name", 3},
    {"Model", 1},
    {"Neuron ID", 3},
    {"Device state", 2},
    {"Monitoring state", 2},
}};

} // namespace

StatusPanels::StatusPanels(QWidget* parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("PlugInStatus"));
    setAccessibleName(QStringLiteral("Status"));
    setSizeGripEnabled(true);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("PlugInStatus.Summary"));
    m_summary->setAccessibleName(QStringLiteral("Transfer result"));
    m_summary->setTextFormat(Qt::PlainText);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    addWidget(m_summary, 4);
    m_summary->hide();
    for (int index = 0; index < PanelCount; ++index) {
        auto* panel = new QLabel(this);
        panel->setObjectName(QStringLiteral("PlugInStatus.Panel(%1)").arg(index + 1));
        panel->setAccessibleName(QString::fromLatin1(Layout[static_cast<std::size_t>(index)].accessibleName));
        panel->setTextFormat(Qt::PlainText);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        panel->setMinimumWidth(60);
        addPermanentWidget(panel, Layout[static_cast<std::size_t>(index)].stretch);
        m_panels[static_cast<std::size_t>(index)] = panel;
    }
}

QString StatusPanels::panelText(int panel) const
{
    return label(panel)->text();
}

void StatusPanels::setPanelText(int panel, const QString& text)
{
    label(panel)->setText(text);
}

QString StatusPanels::summary() const
{
    return m_summary->text();
}

void StatusPanels::setSummary(const QString& text)
{
    m_summary->setText(text);
    m_summary->setToolTip(text);
    m_summary->setVisible(!text.isEmpty());
}

QLabel* StatusPanels::label(int panel) const
{
    if (panel < 1 || panel > PanelCount)
        throw std::out_of_range("status bar panel " + std::to_string(panel) + " does not exist");
    return m_panels[static_cast<std::size_t>(panel - 1)];
}

bool StatusPanels::online() const
{
    return panelText(StatePanel) == device_state::Online;
}
