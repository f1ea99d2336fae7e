#pragma once

#include <QString>

// Which typed characters a field accepts, by its class. Backspace passes in every class but
// "any"; Enter is the window's business (it moves the focus) and is not judged here.
namespace key_rules {

enum class KeyClass
{
    Digits,
    Decimal,
    SignedDecimal,
    // Value and state of a switch: digits, one blank, one separator and one "-".
    Switch,
    SceneName,
    SceneNumber,
    Date,
    Time,
    Any
};

// The most characters a number field holds; longer texts are refused while typing but never cut.
constexpr int MaxNumberLength = 12;

constexpr QChar Backspace = u'\b';

// text: the field's text without the characters the key replaces (its selection).
bool accepts(KeyClass keyClass, QChar key, const QString& text, const QString& separator);

} // namespace key_rules
