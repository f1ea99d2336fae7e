#pragma once

class QWidget;
struct MainControls;

// "Switch k" (k = 0..7): the configuration, feedback input and outputs of switch object k.
QWidget* buildSwitchPage(MainControls& controls, int switchObject);
