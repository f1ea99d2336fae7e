#include "editors/KeyRules.h"

namespace key_rules {

namespace {

bool isDigit(QChar key)
{
    return key >= u'0' && key <= u'9';
}

// The separator key is the separator's only character; a longer or empty separator has no key.
bool isSeparator(QChar key, const QString& separator)
{
    return separator.size() == 1 && key == separator.at(0);
}

bool isNumberClass(KeyClass keyClass)
{
    switch (keyClass) {
    case KeyClass::Digits:
    case KeyClass::Decimal:
    case KeyClass::SignedDecimal:
    case KeyClass::Switch:
        return true;
    default:
        return false;
    }
}

bool once(QChar key, const QString& text)
{
    return !text.contains(key);
}

} // namespace

bool accepts(KeyClass keyClass, QChar key, const QString& text, const QString& separator)
{
    if (keyClass == KeyClass::Any)
        return true;
    if (key == Backspace)
        return true;
    if (isNumberClass(keyClass) && text.size() >= MaxNumberLength)
        return false;
    switch (keyClass) {
    case KeyClass::Digits:
    case KeyClass::SceneNumber:
    case KeyClass::Date:
        return isDigit(key);
    case KeyClass::Decimal:
        return isDigit(key) || (isSeparator(key, separator) && once(key, text));
    case KeyClass::SignedDecimal:
        return isDigit(key) || (isSeparator(key, separator) && once(key, text)) ||
               (key == u'-' && once(key, text));
    case KeyClass::Switch:
        return isDigit(key) ||
               ((isSeparator(key, separator) || key == u' ' || key == u'-') && once(key, text));
    case KeyClass::SceneName:
        return (key >= u'A' && key <= u'Z') || (key >= u'a' && key <= u'z') || key == u'_';
    case KeyClass::Time:
        return isDigit(key) || key == u':';
    case KeyClass::Any:
        break;
    }
    return true;
}

} // namespace key_rules
