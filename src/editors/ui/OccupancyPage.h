#pragma once

class QWidget;
struct MainControls;

// "Occupancy": the occupancy sensor's send and bypass times and its output.
QWidget* buildOccupancyPage(MainControls& controls);
