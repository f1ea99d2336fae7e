#pragma once

#include "host/ControlText.h"
#include "host/RegistryStore.h"
#include "host/TextArray.h"

#include <QList>
#include <QString>

// All texts the program builds at run time, in German or English as the registry value
// "Language" of the plug-in key says. The arrays keep their contents for the life of the
// process; LoadTexts(0) refills them.
class MessageCatalogue final
{
public:
    // What a LoadTexts call asks the windows to show.
    struct WindowTexts
    {
        QList<ControlText> controls;
        // Group 0 only: the introduction text of the main window's help box; empty otherwise.
        QString helpIntro;
    };

    explicit MessageCatalogue(RegistryStore& store);

    // Groups: 0 main window (fills the arrays), 1 device selection, 2 about box, 3 print selection.
    // "english" (exactly) performs the English action of the group, "german" the German one of
    // group 0; any other language fills nothing and asks for nothing.
    WindowTexts LoadTexts(int group);

    // The language read by the last LoadTexts call.
    const QString& currentLanguage() const { return m_language; }

    TextArray<31> RegTexts;
    TextArray<11> ApiTexts;
    TextArray<83> MainTexts;
    TextArray<26> NviHelp;
    TextArray<24> NvoHelp;
    TextArray<66> CpHelp;

private:
    RegistryStore& m_store;
    QString m_language;
};
