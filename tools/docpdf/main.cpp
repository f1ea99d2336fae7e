// Renders one of our plain-text documents into a PDF: docpdf INPUT.txt OUTPUT.pdf.
// Runs at build time on the offscreen platform.
#include "CommandArguments.h"
#include "UsageError.h"
#include "host/AtomicFile.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    try {
        CommandArguments(arguments.mid(1), {}).requirePositional(2, 2);
    } catch (const UsageError& error) {
        std::fprintf(stderr, "docpdf: %s\nusage: docpdf INPUT.txt OUTPUT.pdf\n", qPrintable(error.message()));
        return 2;
    }
    QFile input(arguments.at(1));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "docpdf: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QTextDocument document;
    document.setPlainText(QString::fromUtf8(input.readAll()));
    // Rendered in memory and written whole, so that a failed build step leaves no broken document.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setTitle(document.toPlainText().section(QLatin1Char('\n'), 0, 0));
        writer.setCreator(QStringLiteral("Korvandel Devices GmbH"));
        document.print(&writer);
    }
    const Expected<void> written = AtomicFile::write(arguments.at(2), pdf.data());
    if (!written) {
        std::fprintf(stderr, "docpdf: cannot write %s: %s\n", qPrintable(arguments.at(2)),
                     qPrintable(written.error()));
        return 1;
    }
    return 0;
}
