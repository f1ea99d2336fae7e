#include "host/catalogue/CatalogueTables.h"

#include <QStringList>

namespace catalogue {

namespace {

const QString mainWindow = QStringLiteral("fMain");

ControlText caption(const QString& window, const QString& control, const char* text)
{
    return ControlText{window, control, ControlText::Kind::Caption, QString::fromUtf8(text), {}};
}

ControlText toolTip(const QString& window, const QString& control, const char* text)
{
    return ControlText{window, control, ControlText::Kind::ToolTip, QString::fromUtf8(text), {}};
}

// Captions of a control array, one per element, starting at the given index.
void appendArray(QList<ControlText>& texts, const char* array, int firstIndex, const QStringList& captions)
{
    int index = firstIndex;
    for (const QString& text : captions) {
        texts.append(ControlText{mainWindow,
                                 QStringLiteral("%1(%2)").arg(QString::fromUtf8(array)).arg(index),
                                 ControlText::Kind::Caption,
                                 text,
                                 {}});
        ++index;
    }
}

void appendTimeLists(QList<ControlText>& texts)
{
    const QStringList language{QStringLiteral("faded out"), QStringLiteral("English"),
                               QStringLiteral("German")};
    const QList<QStringList> lists{
        language,
        language,
        {QStringLiteral("faded out"), QStringLiteral("with seconds"), QStringLiteral("without seconds")},
        {QStringLiteral("24-hours-mode"), QStringLiteral("12-hours-mode")},
    };
    for (int k = 0; k < lists.size(); ++k)
        texts.append(ControlText{
            mainWindow, QStringLiteral("cmb_time(%1)").arg(k), ControlText::Kind::Items, {}, lists[k]});
}

QList<ControlText> mainWindowCaptions()
{
    QList<ControlText> texts;
    texts.append(caption(QStringLiteral("fStatus"), {}, "State"));
    appendTimeLists(texts);
    appendArray(texts, "lblNc", 18,
                {QStringLiteral("Setpoint [°C]:"), QStringLiteral("Offset range [K]:"),
                 QStringLiteral("Step value [K]:")});
    appendArray(texts, "lblNc", 22, {QStringLiteral("Device type"), QStringLiteral("Fan stages")});
    appendArray(texts, "lblSection", 0,
                {QStringLiteral("Fan stage"), QStringLiteral("Setpoint"), QStringLiteral("Temperature"),
                 QStringLiteral("Date / Time "), QStringLiteral("Button LED"), QStringLiteral("Display"),
                 QStringLiteral("Background illumination")});
    appendArray(
        texts, "lbldisplay", 0,
        {QStringLiteral("Room temperature displayed"), QStringLiteral("Outdoor temperature displayed"),
         QStringLiteral("Setpoint temperature displayed"), QStringLiteral("Setpoint offset displayed"),
         QStringLiteral("Unit temperature      °C      or   °F      :"),
         QStringLiteral("Decimal point temperature displayed"),
         QStringLiteral("Relative humidity room air displayed"),
         QStringLiteral("Relative humidity outdoor air displayed"),
         QStringLiteral("Decimal point rel. humidity displayed"), QStringLiteral("Room occupany displayed"),
         QStringLiteral("Fan displayed"), QStringLiteral("Setpoint offset on adjustment"),
         QStringLiteral("Call setpoint by first press"),
         QStringLiteral("Use effective setpoint for nviTempSetpoint")});
    appendArray(texts, "lblNctime", 0,
                {QStringLiteral("Weekday"), QStringLiteral("Date"), QStringLiteral("Time"),
                 QStringLiteral("Year"), QStringLiteral("Update interval [s]:"), QStringLiteral("Hour"),
                 QStringLiteral("Month"), QStringLiteral("Day"), QStringLiteral("Minute"),
                 QStringLiteral("Second"), QStringLiteral("Date"), QStringLiteral("Time")});
    appendArray(texts, "lblNcback", 0,
                {QStringLiteral("Inactive state"), QStringLiteral("Button actuation")});
    appendArray(texts, "lblNcback", 3, {QStringLiteral("Label field")});
    appendArray(texts, "lblNvi", 18,
                {QStringLiteral("Symbol heat"), QStringLiteral("Symbol cool"), QStringLiteral("Symbol alarm"),
                 QStringLiteral("Symbol window")});
    appendArray(texts, "lblButtonHeading", 0,
                {QStringLiteral("Button Allocation"), QStringLiteral("Button Function")});
    texts.append(caption(mainWindow, QStringLiteral("lblMenucheck"), "Menu buttons available "));
    texts.append(caption(mainWindow, QStringLiteral("cmdApply"), "A&pply"));
    texts.append(caption(mainWindow, QStringLiteral("cmdCancel"), "&Cancel"));
    texts.append(caption(mainWindow, QStringLiteral("cmdGerAuswahl"), "&Device selection"));
    texts.append(toolTip(mainWindow, QStringLiteral("cmdGerAuswahl"),
                         "shows a list with all devices of the same program-id "));
    texts.append(caption(mainWindow, QStringLiteral("mnuOptionen"), "&File"));
    texts.append(caption(mainWindow, QStringLiteral("mnuParameter_laden"), "Load Parameters"));
    texts.append(caption(mainWindow, QStringLiteral("mnuParameter_speichern"), "Save Parameters"));
    texts.append(caption(mainWindow, QStringLiteral("mnuDrucken"), "Print"));
    texts.append(caption(mainWindow, QStringLiteral("mnuExit"), "Exit"));
    texts.append(caption(mainWindow, QStringLiteral("mnuHilfe"), "&Help"));
    texts.append(caption(mainWindow, QStringLiteral("mnuBeschreibung"), "Device description"));
    texts.append(caption(mainWindow, QStringLiteral("lblPolling"), "Pollinterval (s):"));
    return texts;
}

QList<ControlText> deviceSelectionCaptions()
{
    const QString window = QStringLiteral("fGeraeteauswahl");
    return {
        caption(window, QStringLiteral("cmdFertig"), "Done"),
        caption(window, QStringLiteral("cmdreset"), "Reset selection"),
        caption(window, {}, "select Devices..."),
        caption(window, QStringLiteral("chksynchronisiern"), "sync. Devices"),
        toolTip(window, QStringLiteral("chksynchronisiern"),
                "By activating this option, 'all' parameters will be transmit to the selcted devices."),
    };
}

// The about box's product and disclaimer labels have no English wording of their own.
QList<ControlText> aboutBoxCaptions()
{
    const QString window = QStringLiteral("fAbout");
    return {caption(window, QStringLiteral("lblVersion"), ""),
            caption(window, QStringLiteral("lbl_Software_Hinweis"), "")};
}

QList<ControlText> printSelectionCaptions()
{
    const QString window = QStringLiteral("fDruckmenue");
    return {
        caption(window, {}, "Print properties"),
        caption(window, QStringLiteral("cmdDruck"), "Printmenu"),
        caption(window, QStringLiteral("lblDruckauswahl"), "Print properties"),
    };
}

} // namespace

QList<ControlText> englishCaptions(int group)
{
    switch (group) {
    case 0:
        return mainWindowCaptions();
    case 1:
        return deviceSelectionCaptions();
    case 2:
        return aboutBoxCaptions();
    case 3:
        return printSelectionCaptions();
    default:
        return {};
    }
}

QString helpIntro(Language language)
{
    if (language == Language::English)
        return QStringLiteral(
            "\r\n\r\nIf you want some informations about a Networkvariable, then  feel free and click "
            "in the Textbox.\r\n\r\nThe whole Korvandel Team wish you a lot of fun by using this "
            "tool,which helps to save your time. ");
    return QStringLiteral(
        "\r\n\r\nWenn Sie Informationen über eine Netzwerkvariable wünschen, dann klicken Sie in "
        "das entsprechende Textfeld.\r\n\r\nDas Korvandel Team wünscht: viel Spass beim "
        "parametrieren!");
}

} // namespace catalogue
