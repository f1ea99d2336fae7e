#include "editors/ui/ChangeMarker.h"

#include <QApplication>
#include <QColor>
#include <QPalette>
#include <QWidget>

namespace change_marker {

namespace {

const QColor Marked(255, 0, 0);

// Line edits draw their text in Text, lists in ButtonText, check boxes and labels in WindowText.
constexpr QPalette::ColorRole ForeRoles[] = {QPalette::Text, QPalette::ButtonText, QPalette::WindowText};

} // namespace

void mark(QWidget* control)
{
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : ForeRoles)
        palette.setColor(role, Marked);
    control->setPalette(palette);
}

void unmark(QWidget* control)
{
    QPalette palette = control->palette();
    const QPalette normal = QApplication::palette(control);
    for (const QPalette::ColorRole role : ForeRoles)
        palette.setColor(role, normal.color(QPalette::ButtonText));
    control->setPalette(palette);
}

void setMarked(QWidget* control, bool marked)
{
    if (marked)
        mark(control);
    else
        unmark(control);
}

bool isMarked(const QWidget* control)
{
    return control->palette().color(QPalette::Text) == Marked;
}

} // namespace change_marker
