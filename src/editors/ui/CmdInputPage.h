#pragma once

class QWidget;
struct MainControls;

// "CMD Input": test values for the input NVs of the SCC command module.
QWidget* buildCmdInputPage(MainControls& controls);
