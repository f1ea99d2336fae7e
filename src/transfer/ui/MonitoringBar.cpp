#include "transfer/ui/MonitoringBar.h"

#include "ui/AccessibleNames.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

QWidget* buildMonitoringBar(MainControls& controls)
{
    auto* bar = new QWidget;
    bar->setObjectName(QStringLiteral("MonitoringBar"));
    auto* layout = new QHBoxLayout(bar);
    layout->setContentsMargins(0, 0, 0, 0);

    controls.lbl_Monitoring = new QLabel(QStringLiteral("Monitoring:"));
    controls.lbl_Monitoring->setObjectName(QStringLiteral("lbl_Monitoring"));
    controls.chkMonitor = new QCheckBox;
    controls.chkMonitor->setObjectName(QStringLiteral("chkMonitor"));
    controls.lbl_Monitoring->setBuddy(controls.chkMonitor);
    accessible_names::link(controls.chkMonitor, {controls.lbl_Monitoring});

    controls.lblPolling = new QLabel(QStringLiteral("Pollintervall [s]:"));
    controls.lblPolling->setObjectName(QStringLiteral("lblPolling"));
    controls.txtPoll = new QLineEdit(QStringLiteral("5"));
    controls.txtPoll->setObjectName(QStringLiteral("txtPoll"));
    controls.txtPoll->setFixedWidth(60);
    controls.lblPolling->setBuddy(controls.txtPoll);
    accessible_names::link(controls.txtPoll, {controls.lblPolling});

    controls.cmd_Poll_ok = new QPushButton(QStringLiteral("Ok"));
    controls.cmd_Poll_ok->setObjectName(QStringLiteral("cmd_Poll_ok"));
    accessible_names::link(controls.cmd_Poll_ok, {controls.cmd_Poll_ok, controls.lblPolling});
    controls.cmd_Poll_ok->hide();

    layout->addWidget(controls.lbl_Monitoring);
    layout->addWidget(controls.chkMonitor);
    layout->addSpacing(24);
    layout->addWidget(controls.lblPolling);
    layout->addWidget(controls.txtPoll);
    layout->addWidget(controls.cmd_Poll_ok);
    layout->addStretch();
    return bar;
}
