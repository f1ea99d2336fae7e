#pragma once

#include <QString>

// A count as a help text writes it: a word up to twelve ("five"), digits beyond.
QString countInWords(int count);
