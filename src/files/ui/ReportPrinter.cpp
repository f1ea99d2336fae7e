#include "files/ui/ReportPrinter.h"

#include "files/ui/PrinterLayout.h"
#include "host/AtomicFile.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>

namespace report_printer {

Expected<void> print(QPrinter& printer, const DeviceReport::Texts& texts, const DeviceReport::Data& data,
                     const DeviceReport::Choice& choice)
{
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        {
            QPdfWriter writer(&pdf);
            writer.setResolution(printer.resolution());
            writer.setPageLayout(printer.pageLayout());
            writer.setTitle(printer.docName());
            writer.setCreator(printer.creator());
            PrinterLayout layout(writer);
            if (!layout.started())
                return Failure{QStringLiteral("the PDF document cannot be started")};
            DeviceReport(layout, texts).print(data, choice);
        }
        return AtomicFile::write(file, pdf.data());
    }
    {
        PrinterLayout layout(printer);
        if (!layout.started())
            return Failure{QStringLiteral("the printer \"%1\" cannot be started").arg(printer.printerName())};
        DeviceReport(layout, texts).print(data, choice);
    }
    if (printer.printerState() == QPrinter::Error)
        return Failure{QStringLiteral("the printer \"%1\" reported an error").arg(printer.printerName())};
    return {};
}

} // namespace report_printer
