#pragma once

class QWidget;
struct MainControls;

// "Time / Date": how the LCD shows weekday, date and time (UCPTtimeConfig) and the date and
// time sent with nviTimeSet.
QWidget* buildTimeDatePage(MainControls& controls);
