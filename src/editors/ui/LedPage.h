#pragma once

class QWidget;
struct MainControls;

// "LED": when the LED of each button T1-T12 is lit. The rows follow the button layout of the
// device type like the rows of the "Device" page.
QWidget* buildLedPage(MainControls& controls);
