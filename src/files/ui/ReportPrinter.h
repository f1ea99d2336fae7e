#pragma once

#include "files/DeviceReport.h"
#include "host/Expected.h"

#include <QString>

class QPrinter;

// The report on the printer the user or the command line chose. A printer that prints into a PDF
// file gets the document drawn in memory and written whole through AtomicFile: QPrinter would
// write the file itself, piece by piece, and never tell of a full disk.
namespace report_printer {

// On failure, why the report was not printed; an existing PDF file is left as it was.
Expected<void> print(QPrinter& printer, const DeviceReport::Texts& texts, const DeviceReport::Data& data,
                     const DeviceReport::Choice& choice);

} // namespace report_printer
