#pragma once

#include "host/ControlText.h"
#include "host/TextArray.h"

#include <QList>
#include <QString>

// The catalogue's data, one table per array; MessageCatalogue decides when which is used.
namespace catalogue {

enum class Language
{
    English,
    German
};

// One row of a fixed text table, kept as UTF-8 exactly as the program shows it.
struct TextRow
{
    int index;
    const char* english;
    const char* german;

    QString text(Language language) const
    {
        return QString::fromUtf8(language == Language::English ? english : german);
    }
};

// One row of a help array: the point's type and name and its description in both languages.
struct NvHelpRow
{
    const char* typeName;
    int typeIndex;
    const char* name;
    const char* english;
    const char* german;

    QString description(Language language) const
    {
        return QString::fromUtf8(language == Language::English ? english : german);
    }
};

// Keyed by the point's catalogue position (for a switch object's property: its place in the group).
struct CpHelpRow
{
    int position;
    const char* name;
    int typeIndex;
    const char* valueType;
    const char* english;
    const char* german;

    QString description(Language language) const
    {
        return QString::fromUtf8(language == Language::English ? english : german);
    }
};

void fillRegTexts(TextArray<31>& texts, Language language);
void fillApiTexts(TextArray<11>& texts, Language language);
void fillMainTexts(TextArray<83>& texts, Language language);
void fillNviHelp(TextArray<26>& texts, Language language);
void fillNvoHelp(TextArray<24>& texts, Language language);
void fillCpHelp(TextArray<66>& texts, Language language);

// The introduction shown in the main window's help box before any point has the focus.
QString helpIntro(Language language);

// Help paragraphs: a header line with the type, the point and "Function:" before the description.
QString nviHelpText(const QString& typeName, int typeIndex, const QString& name, Language language,
                    const QString& description);
QString nvoHelpText(const QString& typeName, int typeIndex, const QString& name, Language language,
                    const QString& description);
QString cpHelpText(const QString& name, int typeIndex, const QString& valueType, Language language,
                   const QString& description);

// Texts of the rows repeated per switch object: "%1" stands for the object (0-7), "%2" for the
// number its NVs carry (1-8).
QString forSwitchObject(const QString& text, int object);

// The English captions, tooltips and list items of the windows: group 0 main window and
// transfer status, 1 device selection, 2 about box, 3 print selection. Empty for other groups.
QList<ControlText> englishCaptions(int group);

} // namespace catalogue
