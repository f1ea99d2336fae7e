#pragma once

class QWidget;
struct MainControls;

// "Display": what the LCD shows (UCPTdisplConfig), the temperature unit, the update interval
// and the backlight levels.
QWidget* buildDisplayPage(MainControls& controls);
