#pragma once

class QWidget;
struct MainControls;

// "CMD Config": the configuration of the SCC command module (temperature, set point, fan stages).
QWidget* buildCmdConfigPage(MainControls& controls);
