#include "editors/ui/ButtonFunctionLists.h"

#include "host/MessageCatalogue.h"
#include "host/catalogue/CatalogueTables.h"

#include <QComboBox>

namespace {

struct TextRange
{
    int first;
    int count;
};

// Rows of the main texts that hold the lists, per object kind.
TextRange functionRange(ButtonFunctionLists::ObjectKind kind)
{
    switch (kind) {
    case ButtonFunctionLists::ObjectKind::Switch:
        return {48, 12};
    case ButtonFunctionLists::ObjectKind::OccupancySensor:
        return {60, 4};
    case ButtonFunctionLists::ObjectKind::SccModule:
        return {64, 7};
    case ButtonFunctionLists::ObjectKind::ScenePanel:
        break;
    }
    return {0, 0};
}

TextRange ledRange(ButtonFunctionLists::ObjectKind kind)
{
    switch (kind) {
    case ButtonFunctionLists::ObjectKind::Switch:
        return {71, 5};
    case ButtonFunctionLists::ObjectKind::ScenePanel:
        return {76, 2};
    case ButtonFunctionLists::ObjectKind::OccupancySensor:
        return {78, 3};
    case ButtonFunctionLists::ObjectKind::SccModule:
        return {81, 2};
    }
    return {0, 0};
}

void replaceEntries(QComboBox* list, const QStringList& entries)
{
    list->clear();
    list->addItems(entries);
    list->setCurrentIndex(-1);
}

} // namespace

ButtonFunctionLists::ButtonFunctionLists(const MessageCatalogue& catalogue) : m_catalogue(catalogue)
{
    // Without a recognised language the catalogue stays empty and the windows keep their German
    // design captions; the lists then show the German entries rather than blank lines.
    catalogue::fillMainTexts(m_designTexts, catalogue::Language::German);
}

std::optional<ButtonFunctionLists::ObjectKind> ButtonFunctionLists::kindOf(int objectByte)
{
    if (objectByte >= 0 && objectByte < ScenePanelObject)
        return ObjectKind::Switch;
    switch (objectByte) {
    case ScenePanelObject:
        return ObjectKind::ScenePanel;
    case 9:
        return ObjectKind::OccupancySensor;
    case 10:
        return ObjectKind::SccModule;
    default:
        return std::nullopt;
    }
}

QStringList ButtonFunctionLists::objectEntries()
{
    QStringList entries;
    for (int k = 0; k < ScenePanelObject; ++k)
        entries.append(QStringLiteral("Switch-Object %1").arg(k));
    entries << QStringLiteral("Scene Panel") << QStringLiteral("Occupancy Sensor")
            << QStringLiteral("SCC Module");
    return entries;
}

QStringList ButtonFunctionLists::formDefaults()
{
    return {QStringLiteral("1 Status"),
            QStringLiteral("2 Toggle"),
            QStringLiteral("3 EIN"),
            QStringLiteral("4 AUS"),
            QStringLiteral("5 Toggle Dimmen / Max-Wert"),
            QStringLiteral("6 Toggle Dimmen / Ein-Wert"),
            QStringLiteral("7 Heller Dimmen / Max-Wert"),
            QStringLiteral("8 Heller Dimmen / Ein-Wert"),
            QStringLiteral("9 Dunkler Dimmen"),
            QStringLiteral("A Jalousie Auf"),
            QStringLiteral("B Jalousie Ab"),
            QStringLiteral("C Automatik ")};
}

QStringList ButtonFunctionLists::functions(ObjectKind kind) const
{
    const TextRange range = functionRange(kind);
    return texts(range.first, range.count);
}

QStringList ButtonFunctionLists::leds(ObjectKind kind) const
{
    const TextRange range = ledRange(kind);
    return texts(range.first, range.count);
}

bool ButtonFunctionLists::definesFunction(ObjectKind kind, int code)
{
    if (kind == ObjectKind::ScenePanel)
        return code >= FirstScene && code <= LastScene;
    return code >= 1 && code <= functionRange(kind).count;
}

bool ButtonFunctionLists::definesLed(ObjectKind kind, int code)
{
    return code >= 1 && code <= ledRange(kind).count;
}

void ButtonFunctionLists::fillFunctions(QComboBox* list, ObjectKind kind) const
{
    replaceEntries(list, functions(kind));
}

void ButtonFunctionLists::fillLeds(QComboBox* list, ObjectKind kind) const
{
    replaceEntries(list, leds(kind));
}

QStringList ButtonFunctionLists::texts(int first, int count) const
{
    QStringList entries;
    for (int index = first; index < first + count; ++index) {
        const QString& text = m_catalogue.MainTexts[index];
        entries.append(text.isEmpty() ? m_designTexts[index] : text);
    }
    return entries;
}
