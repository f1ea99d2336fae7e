#include "files/ui/Printing.h"

#include "device/DeviceSession.h"
#include "files/ParameterSet.h"
#include "files/ReportData.h"
#include "files/ui/ReportPrinter.h"
#include "files/ui/fDruckmenue.h"
#include "host/AppContext.h"
#include "host/MessageCatalogue.h"
#include "host/RegistryKeys.h"
#include "host/UiServices.h"
#include "host/object_server/Error.h"
#include "ui/MainControls.h"

#include <QDateTime>
#include <QLineEdit>
#include <QPrinter>

Printing::Printing(AppContext& context, MainControls& controls, DeviceSession& session, QObject* parent)
    : QObject(parent), m_context(context), m_controls(controls), m_session(session)
{
}

void Printing::mnuDrucken_Click()
{
    const TextArray<83>& texts = m_context.catalogue.MainTexts;
    {
        fDruckmenue menu(m_context.catalogue.currentLanguage() == QStringLiteral("english"), printCps,
                         printNvis, printNvos, m_controls.fMain);
        menu.exec();
        // Closing the window without its button keeps the previous choice.
        if (menu.chosen()) {
            printCps = menu.cps();
            printNvis = menu.nvis();
            printNvos = menu.nvos();
        }
    }

    QPrinter printer(QPrinter::HighResolution);
    if (!m_context.ui.choosePrinter(printer, texts[25]))
        return;
    DeviceReport::Data data;
    try {
        data = reportData();
    } catch (const lns::Error&) {
        // The device could not tell its identity; nothing is printed.
        return;
    }
    const Expected<void> printed = report_printer::print(
        printer, DeviceReport::Texts{texts[9], texts[10], texts[11], texts[12], texts[43]}, data,
        DeviceReport::Choice{printCps, printNvis, printNvos});
    // Nothing tells the user otherwise that no page came out.
    if (!printed)
        m_context.ui.message(QStringLiteral("The report could not be printed: ") + printed.error(),
                             registry_keys::ProductKey, UiServices::Icon::Critical);
}

DeviceReport::Data Printing::reportData() const
{
    // The array CPs print their element boxes.
    return ::reportData(
        m_context.points, m_session.currentDevice.get(),
        [this](int position, int element) { return m_controls.elementBox(position, element)->text(); },
        QDateTime::currentDateTime());
}
