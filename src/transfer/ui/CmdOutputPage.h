#pragma once

class QWidget;
struct MainControls;

// "CMD Output": the monitoring controls and the output NVs of the SCC command module.
QWidget* buildCmdOutputPage(MainControls& controls);
