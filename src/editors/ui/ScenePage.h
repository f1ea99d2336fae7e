#pragma once

class QWidget;
struct MainControls;

// "Scene": the scene feedback input, split into scene function and number, and the scene output.
QWidget* buildScenePage(MainControls& controls);
