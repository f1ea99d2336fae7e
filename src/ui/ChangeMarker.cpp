#include "ui/ChangeMarker.h"

#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace change_marker {

namespace {

const QColor Marked(255, 0, 0);

// Line edits draw their text in Text, lists in ButtonText, check boxes and labels in WindowText.
constexpr QPalette::ColorRole ForeRoles[] = {QPalette::Text, QPalette::ButtonText, QPalette::WindowText};

void paint(QWidget* control, const QColor& colour)
{
    QPalette palette = control->palette();
    for (const QPalette::ColorRole role : ForeRoles)
        palette.setColor(role, colour);
    control->setPalette(palette);
}

// A check box or option button without a text of its own draws no fore colour a user could
// see; its caption beside it shows the mark instead.
QWidget* visibleCaption(const QWidget* control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    if (!button || !button->text().isEmpty())
        return nullptr;
    const QList<QWidget*> captions = accessible_names::captions(control);
    return captions.isEmpty() ? nullptr : qobject_cast<QLabel*>(captions.constFirst());
}

} // namespace

void mark(QWidget* control)
{
    paint(control, Marked);
    if (QWidget* caption = visibleCaption(control))
        paint(caption, Marked);
}

void unmark(QWidget* control)
{
    const QColor normal = QApplication::palette(control).color(QPalette::ButtonText);
    paint(control, normal);
    if (QWidget* caption = visibleCaption(control))
        paint(caption, normal);
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
