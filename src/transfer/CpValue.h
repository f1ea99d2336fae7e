#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// What is written for one configuration property: the whole value, or for the array
// properties every element's text, written element by element.
struct CpValue
{
    QString text;
    QStringList elements;
    // The clock's configuration also sets the time of the device while it is online.
    std::optional<QString> timeSet;
};
