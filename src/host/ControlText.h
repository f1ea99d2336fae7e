#pragma once

#include <QString>
#include <QStringList>

// One text the message catalogue asks a window to show: a control's caption, its tooltip or
// the items of a list. Windows apply these to their controls found by objectName; an empty
// control name means the window's own caption.
struct ControlText
{
    enum class Kind
    {
        Caption,
        ToolTip,
        Items
    };

    QString window;
    QString control;
    Kind kind = Kind::Caption;
    QString text;
    QStringList items;
};
