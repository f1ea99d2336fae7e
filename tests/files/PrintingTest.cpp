#include "device/ui/MainWindow.h"
#include "support/DemoSession.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Answers the print selection window once it is up: checks the given boxes and presses its button.
void choose(bool cps, bool nvis, bool nvos)
{
    QTimer::singleShot(0, [=] {
        auto* menu = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), QStringLiteral("fDruckmenue"));
        menu->findChild<QCheckBox*>(QStringLiteral("chknci"))->setChecked(cps);
        menu->findChild<QCheckBox*>(QStringLiteral("chknvi"))->setChecked(nvis);
        menu->findChild<QCheckBox*>(QStringLiteral("chknvo"))->setChecked(nvos);
        if (const QString artifacts = qEnvironmentVariable("ZEP31_ARTIFACTS"); !artifacts.isEmpty())
            menu->grab().save(artifacts + QStringLiteral("/print-selection.png"));
        menu->findChild<QPushButton*>(QStringLiteral("cmdDruck"))->click();
    });
}

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintingTest : public ::testing::TestWithParam<const char*>
{
};

TEST_P(PrintingTest, PrintsRou1ToPdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const bool english = QString::fromLatin1(GetParam()) == QStringLiteral("english");
    DemoSession demo(QString::fromLatin1(GetParam()));
    MainWindow window(demo.context);
    demo.open(window, QStringLiteral("F1/ROU_1"));

    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("rou1.pdf"));
    demo.ui.setPrinterAnswer(true);
    demo.ui.setPrinterSetup([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    choose(true, true, true);
    window.controls().mnuDrucken->trigger();
    ASSERT_EQ(demo.ui.printerDialogs(),
              QStringList{english ? QStringLiteral("Print") : QStringLiteral("Drucken")});

    // CPs on two pages (the second from position 37), inputs on the third, outputs on the fourth.
    EXPECT_TRUE(
        run(QStringLiteral("pdfinfo"), {pdf}).contains(QRegularExpression(QStringLiteral("Pages:\\s+4\\n"))));
    const QString text =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    // Ligatures and the column gaps do not matter here: one blank between words, "fi" as two letters.
    QStringList pages = text.split(QLatin1Char('\f'));
    for (QString& page : pages)
        page = page.replace(QChar(0xFB01), QStringLiteral("fi")).simplified();
    const auto rowText = [&demo](int position) {
        const CpEntry& entry = demo.points.cp(position);
        return entry.owner + QLatin1Char(' ') + entry.name + QLatin1Char(' ') + entry.value;
    };
    ASSERT_GE(pages.size(), 4);
    for (const QString& page : pages.mid(0, 4)) {
        EXPECT_TRUE(page.contains(QStringLiteral("ROU_1")));
        EXPECT_TRUE(page.contains(QStringLiteral("NeuronID:") + QStringLiteral(" ")));
        EXPECT_TRUE(page.contains(window.session().currentDevice->neuronId()));
        EXPECT_TRUE(page.contains(english ? QStringLiteral("Object") : QStringLiteral("Objekt")));
    }
    const QString cps =
        english ? QStringLiteral("Configuration Parameters") : QStringLiteral("Konfigurationsparameter");
    EXPECT_TRUE(pages.at(0).contains(cps));
    EXPECT_TRUE(pages.at(1).contains(cps));
    EXPECT_TRUE(pages.at(0).contains(rowText(36)));
    EXPECT_FALSE(pages.at(0).contains(rowText(37)));
    EXPECT_TRUE(pages.at(1).contains(rowText(37)));
    EXPECT_FALSE(pages.at(1).contains(rowText(36)));
    EXPECT_TRUE(pages.at(2).contains(QStringLiteral("nvi's")));
    EXPECT_TRUE(pages.at(2).contains(demo.points.nvi(0).name));
    EXPECT_TRUE(pages.at(3).contains(QStringLiteral("nvo's")));
    EXPECT_TRUE(pages.at(3).contains(demo.points.nvo(0).name));
}

INSTANTIATE_TEST_SUITE_P(Languages, PrintingTest, ::testing::Values("english", "german"));

TEST(PrintingMenuTest, CancelledPrinterDialogPrintsNothingAndKeepsTheChoice)
{
    DemoSession demo;
    MainWindow window(demo.context);
    choose(true, false, true);
    window.controls().mnuDrucken->trigger();
    EXPECT_EQ(demo.ui.printerDialogs().size(), 1);
    EXPECT_TRUE(demo.ui.messages().isEmpty());

    // Closing the selection window without its button keeps the previous choice.
    QTimer::singleShot(0, [] {
        auto* menu = QApplication::activeModalWidget();
        ASSERT_NE(menu, nullptr);
        EXPECT_TRUE(menu->findChild<QCheckBox*>(QStringLiteral("chknci"))->isChecked());
        EXPECT_FALSE(menu->findChild<QCheckBox*>(QStringLiteral("chknvi"))->isChecked());
        menu->findChild<QCheckBox*>(QStringLiteral("chknvi"))->setChecked(true);
        menu->close();
    });
    window.controls().mnuDrucken->trigger();
    EXPECT_EQ(demo.ui.printerDialogs().size(), 2);
    QTimer::singleShot(0, [] {
        auto* menu = QApplication::activeModalWidget();
        ASSERT_NE(menu, nullptr);
        EXPECT_FALSE(menu->findChild<QCheckBox*>(QStringLiteral("chknvi"))->isChecked());
        menu->close();
    });
    window.controls().mnuDrucken->trigger();
}

} // namespace

namespace {

TEST(PrintingMenuTest, AReportThatCannotBeWrittenIsToldAndTheOldFileStays)
{
    DemoSession demo;
    MainWindow window(demo.context);
    demo.open(window, QStringLiteral("F1/ROU_1"));
    QTemporaryDir dir;
    // A folder where the PDF file should go: QPrinter gave up without a word.
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    ASSERT_TRUE(QDir().mkpath(pdf));
    demo.ui.setPrinterAnswer(true);
    demo.ui.setPrinterSetup([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    demo.ui.expectMessage(QStringLiteral("The report could not be printed: it is a folder"),
                          QStringLiteral("Korvandel_zep31_PlugIn"), UiServices::Icon::Critical,
                          UiServices::Buttons::Ok, UiServices::Answer::Ok);
    choose(true, false, false);
    window.controls().mnuDrucken->trigger();
    demo.ui.verifyAllShown();
    EXPECT_TRUE(QFileInfo(pdf).isDir());
}

} // namespace
