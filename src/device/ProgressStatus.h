#pragma once

#include <QString>

struct AppContext;

// Shows a text in the progress window, bringing the window back if a caller unloaded it, and
// lets pending window messages run so that the text is painted.
void showProgressStatus(AppContext& context, const QString& text);

// Unloads the progress and the splash window.
void closeProgressWindows(AppContext& context);
