#pragma once

#include "host/TextArray.h"

#include <QStringList>
#include <optional>

class MessageCatalogue;
class QComboBox;

// The entries of a button row's lists: the object the button drives (byte 0 of its
// UCPTdiConfig element) decides which functions (byte 1) and LED modes (byte 2) it offers.
class ButtonFunctionLists final
{
public:
    enum class ObjectKind
    {
        Switch,
        ScenePanel,
        OccupancySensor,
        SccModule
    };

    static constexpr int ScenePanelObject = 8;
    // Byte 1 of a scene panel's element is its scene number.
    static constexpr int FirstScene = 1;
    static constexpr int LastScene = 255;

    explicit ButtonFunctionLists(const MessageCatalogue& catalogue);
    ButtonFunctionLists(const ButtonFunctionLists&) = delete;
    ButtonFunctionLists& operator=(const ButtonFunctionLists&) = delete;

    // The kind of object byte 0..10; none for any other value.
    static std::optional<ObjectKind> kindOf(int objectByte);
    // "Switch-Object 0" ... "SCC Module", the same in both languages.
    static QStringList objectEntries();
    // What the function lists show before a row is first filled.
    static QStringList formDefaults();

    // Function entries of the kind; the scene panel has none (its byte 1 is a scene number).
    QStringList functions(ObjectKind kind) const;
    QStringList leds(ObjectKind kind) const;
    // Whether byte 1 (function code or scene number) and byte 2 (LED code) mean anything for
    // the kind; codes count from 1.
    static bool definesFunction(ObjectKind kind, int code);
    static bool definesLed(ObjectKind kind, int code);

    // Replace a list's entries by those of the kind, without a selection.
    void fillFunctions(QComboBox* list, ObjectKind kind) const;
    void fillLeds(QComboBox* list, ObjectKind kind) const;

private:
    QStringList texts(int first, int count) const;

    const MessageCatalogue& m_catalogue;
    TextArray<83> m_designTexts;
};
