#include "CountInWords.h"

#include <array>

QString countInWords(int count)
{
    static const std::array<const char*, 13> words{"no",   "one",    "two",   "three", "four",
                                                   "five", "six",    "seven", "eight", "nine",
                                                   "ten",  "eleven", "twelve"};
    if (count >= 0 && count < static_cast<int>(words.size()))
        return QString::fromLatin1(words[static_cast<std::size_t>(count)]);
    return QString::number(count);
}
