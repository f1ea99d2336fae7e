// Renders one of our plain-text documents into a PDF: docpdf INPUT.txt OUTPUT.pdf.
// Runs at build time on the offscreen platform.
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
    if (arguments.size() != 3) {
        std::fputs("usage: docpdf INPUT.txt OUTPUT.pdf\n", stderr);
        return 2;
    }
    QFile input(arguments.at(1));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "docpdf: cannot read %s\n", qPrintable(arguments.at(1)));
        return 1;
    }
    QTextDocument document;
    document.setPlainText(QString::fromUtf8(input.readAll()));
    QPdfWriter writer(arguments.at(2));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setTitle(document.toPlainText().section(QLatin1Char('\n'), 0, 0));
    writer.setCreator(QStringLiteral("Korvandel Devices GmbH"));
    document.print(&writer);
    return 0;
}
