#pragma once

#include "host/ControlText.h"

#include <QList>

class QWidget;

// Shows the catalogue's texts in a window: the entries for this window (matched by its
// objectName) go to its caption or to the controls, menus and actions of the same objectName.
// Names the window does not have are skipped, so one list can serve several windows.
void applyControlTexts(QWidget* window, const QList<ControlText>& texts);
