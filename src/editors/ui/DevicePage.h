#pragma once

class QWidget;
struct MainControls;

// "Device": the device type, the menu buttons, the picture of the unit's front and the button
// rows T1-T12 (object, function or scene number, element text).
QWidget* buildDevicePage(MainControls& controls);
