#pragma once

#include <QString>

// Removes leading and trailing blanks only; tabs and line breaks stay part of the text.
QString trimBlanks(const QString& text);
