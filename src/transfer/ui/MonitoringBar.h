#pragma once

class QWidget;
struct MainControls;

// The monitoring switch and the poll interval: chkMonitor with lbl_Monitoring, txtPoll with
// lblPolling and the button cmd_Poll_ok, which appears once the interval is changed.
QWidget* buildMonitoringBar(MainControls& controls);
