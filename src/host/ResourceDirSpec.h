#pragma once

#include <QString>

// The plug-in's device resource files: folder below the LonWorks path, program-ID template, scope.
struct ResourceDirSpec
{
    QString directory = QStringLiteral("\\Types\\User\\Korvandel");
    QString programIdTemplate = QStringLiteral("9FFF3C0000000000");
    int scope = 3;
};
