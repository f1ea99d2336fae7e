#include "files/ui/Printing.h"

#include "device/DeviceSession.h"
#include "device/point_catalogue/PointTables.h"
#include "device/ui/MainControls.h"
#include "files/ui/PrinterLayout.h"
#include "files/ui/fDruckmenue.h"
#include "host/AppContext.h"
#include "host/MessageCatalogue.h"
#include "host/Ui.h"
#include "host/object_server/Error.h"
#include "host/object_server/Subsystem.h"

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
    PrinterLayout layout(printer);
    DeviceReport report(layout, DeviceReport::Texts{texts[9], texts[10], texts[11], texts[12], texts[43]});
    report.print(data, DeviceReport::Choice{printCps, printNvis, printNvos});
}

DeviceReport::Data Printing::reportData() const
{
    DeviceReport::Data data;
    const QDateTime now = QDateTime::currentDateTime();
    data.date = now.date().toString(QStringLiteral("dd.MM.yyyy"));
    data.time = now.time().toString(QStringLiteral("HH:mm:ss"));
    if (const std::shared_ptr<lns::AppDevice>& device = m_session.currentDevice) {
        data.deviceName = device->name();
        data.neuronId = device->neuronId();
        data.programId = device->programId();
        const std::shared_ptr<lns::Collection<lns::Subsystem>> subsystems = device->subsystems();
        if (subsystems && subsystems->count() > 0)
            data.subsystem = subsystems->item(1)->name();
    }

    const PointTables& points = m_context.points;
    for (int position = 0; position < points.cpCount; ++position) {
        const CpEntry& entry = points.cp(position);
        const auto add = [&](const QString& value) {
            data.cps.append(DeviceReport::Row{entry.owner, entry.name, value, position});
        };
        // The array CPs print their element boxes; every other CP its value last read.
        if (position == 2) {
            for (int element = 0; element < 12; ++element)
                add(m_controls.txtNcielement(element)->text());
        } else if (position == 5 || position == 6) {
            const int first = position == 5 ? 100 : 102;
            add(m_controls.txtNci(first)->text());
            add(m_controls.txtNci(first + 1)->text());
        } else {
            add(entry.value);
        }
    }
    for (int position = 0; position < points.nviCount; ++position) {
        const NvEntry& entry = points.nvi(position);
        data.nvis.append(DeviceReport::Row{entry.owner, entry.name, entry.value, position});
    }
    for (int position = 0; position < points.nvoCount; ++position) {
        const NvEntry& entry = points.nvo(position);
        data.nvos.append(DeviceReport::Row{entry.owner, entry.name, entry.value, position});
    }
    return data;
}
