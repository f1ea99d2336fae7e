// Every menu item of the main window chosen through a real X server, by pointer or by Alt and
// the item's key (xdotool), and its job checked. Run by the end-to-end screen test with DISPLAY
// set; pictures of each open menu and each dialog go to $ZEP31_ARTIFACTS.
#include "device/point_catalogue/PointCatalogue.h"
#include "device/ui/MainWindow.h"
#include "files/ui/fAbout.h"
#include "host/InstalledFiles.h"
#include "host/Log.h"
#include "qt/QtUi.h"
#include "support/DemoSession.h"
#include "transfer/ui/TrendChart.h"
#include "ui/ChangeMarker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QChart>
#include <QCheckBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QScreen>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Rou1 = QStringLiteral("F1/ROU_1");
constexpr int CmdOutputTab = 5;
constexpr int CmdConfigTab = 6;
constexpr int LedTab = 1;
constexpr int MaxSendTime = point_catalogue::cp::CommandModuleMaxSendTime;
// Every wait has a deadline, so that a click that went astray fails the check instead of hanging it.
constexpr int StepTimeout = 15000;

QString artifact(const QString& name)
{
    const QString folder = qEnvironmentVariable("ZEP31_ARTIFACTS", QDir::currentPath());
    return folder + QStringLiteral("/menus-") + name + QStringLiteral(".png");
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What a modal window met while the check drove it.
struct ModalRun
{
    bool seen = false;
    bool leftOpen = false;
};

class MenusScreenCheck : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window->show();
        open();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        focusMain();
    }

    void open() { demo.open(*window, Rou1); }

    void focusMain()
    {
        xdotool({QStringLiteral("windowfocus"), QString::number(window->winId())});
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    // Runs xdotool while the windows go on handling what the X server sends them.
    static void xdotool(const QStringList& arguments)
    {
        QProcess tool;
        tool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(tool.waitForStarted());
        const QDeadlineTimer deadline(StepTimeout);
        while (tool.state() != QProcess::NotRunning && !deadline.hasExpired())
            QTest::qWait(20);
        if (tool.state() != QProcess::NotRunning) {
            tool.kill();
            tool.waitForFinished();
            FAIL() << "xdotool did not end: " << arguments.join(QLatin1Char(' ')).toStdString();
        }
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        // Let the last events arrive.
        QTest::qWait(100);
    }

    static void pointAt(const QWidget* widget, QPoint point)
    {
        const QPoint global = widget->mapToGlobal(point);
        xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())});
    }

    static void click(const QWidget* widget, QPoint point)
    {
        pointAt(widget, point);
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
    }

    static void key(const QString& keys) { xdotool({QStringLiteral("key"), keys}); }

    // The whole screen, so that open menus and dialogs (windows of their own) are in the picture.
    static void keep(const QString& name)
    {
        const QPixmap picture = QGuiApplication::primaryScreen()->grabWindow(0);
        EXPECT_TRUE(picture.save(artifact(name))) << artifact(name).toStdString();
    }

    // Clicks the menu's title in the menu bar and points at the item, leaving a picture of it.
    void pointAtItem(QMenu* menu, QAction* item, const QString& picture)
    {
        QMenuBar* bar = window->menuBar();
        click(bar, bar->actionGeometry(menu->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, StepTimeout));
        pointAt(menu, menu->actionGeometry(item).center());
        ASSERT_EQ(menu->activeAction(), item) << item->objectName().toStdString();
        keep(picture);
    }

    // Chooses the item with the pointer; returns once its job is done.
    void choose(QMenu* menu, QAction* item, const QString& picture)
    {
        ASSERT_NO_FATAL_FAILURE(pointAtItem(menu, item, picture));
        QSignalSpy triggered(item, &QAction::triggered);
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
        ASSERT_TRUE(QTest::qWaitFor([&triggered] { return !triggered.isEmpty(); }, StepTimeout));
        ASSERT_TRUE(QTest::qWaitFor([menu] { return !menu->isVisible(); }, StepTimeout));
    }

    // Opens the menu with Alt and its title's key and presses `keys` on it: the moves to the item,
    // then the key that chooses it. The picture shows the item just before it is chosen.
    void chooseByKeys(QMenu* menu, const QString& altKey, const QStringList& keys, QAction* item,
                      const QString& picture)
    {
        ASSERT_NO_FATAL_FAILURE(focusMain());
        key(QStringLiteral("alt+") + altKey);
        ASSERT_TRUE(QTest::qWaitFor([menu] { return menu->isVisible(); }, StepTimeout));
        for (qsizetype i = 0; i + 1 < keys.size(); ++i)
            key(keys.at(i));
        ASSERT_EQ(menu->activeAction(), item) << item->objectName().toStdString();
        keep(picture);
        QSignalSpy triggered(item, &QAction::triggered);
        key(keys.back());
        ASSERT_TRUE(QTest::qWaitFor([&triggered] { return !triggered.isEmpty(); }, StepTimeout));
    }

    // Drives the modal window `name` from within its own event loop once it is up. A window that
    // is still open when the time is up is closed, so that the check always ends.
    std::shared_ptr<ModalRun> whenModal(const QString& name, std::function<void(QDialog&)> drive)
    {
        return whenModalIs([name](const QDialog& dialog) { return dialog.objectName() == name; },
                           std::move(drive));
    }

    // The same for the first modal window of a kind, such as Qt's own dialogs.
    template <typename Dialog> std::shared_ptr<ModalRun> whenModalOf(std::function<void(Dialog&)> drive)
    {
        return whenModalIs(
            [](const QDialog& dialog) { return qobject_cast<const Dialog*>(&dialog) != nullptr; },
            [drive](QDialog& dialog) { drive(static_cast<Dialog&>(dialog)); });
    }

    std::shared_ptr<ModalRun> whenModalIs(std::function<bool(const QDialog&)> wanted,
                                          std::function<void(QDialog&)> drive)
    {
        auto run = std::make_shared<ModalRun>();
        auto* poll = new QTimer(window.get());
        const QDeadlineTimer deadline(StepTimeout);
        QObject::connect(poll, &QTimer::timeout, poll, [=] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !wanted(*dialog)) {
                if (deadline.hasExpired())
                    poll->deleteLater();
                return;
            }
            poll->stop();
            poll->deleteLater();
            run->seen = true;
            QTimer::singleShot(StepTimeout, dialog, [run, dialog] {
                if (!dialog->isVisible())
                    return;
                run->leftOpen = true;
                dialog->reject();
            });
            drive(*dialog);
        });
        poll->start(50);
        return run;
    }

    // Every control of a control array whose colour says it differs from the device.
    QStringList markedFields() const
    {
        static const QRegularExpression arrayName(QStringLiteral("^\\w+\\(\\d+\\)$"));
        QStringList names;
        for (const QWidget* widget : window->findChildren<QWidget*>(arrayName))
            if (change_marker::isMarked(widget))
                names.append(widget->objectName());
        return names;
    }

    void showTab(int tab)
    {
        QTabBar* tabs = c().tabData->tabBar();
        click(tabs, tabs->tabRect(tab).center());
        ASSERT_EQ(c().tabData->currentIndex(), tab);
    }

    // The size of the file the device's values make: 78 text records of type, count and characters.
    qint64 parameterFileSize() const
    {
        qint64 size = 0;
        const auto add = [&size](const QString& value) { size += 4 + value.toLatin1().size(); };
        for (int position = 0; position < PointTables::CpTotal; ++position) {
            const QString id = demo.points.cp(position).id;
            const int elements = position == 2 ? 12 : position == 5 || position == 6 ? 2 : 0;
            if (elements == 0)
                add(demo.value(Rou1, id));
            for (int element = 0; element < elements; ++element)
                add(demo.value(Rou1, id, element));
        }
        return size;
    }

    MainControls& c() { return window->controls(); }

    QTemporaryDir dir;
    DemoSession demo{QStringLiteral("english"), QStringLiteral(",")};
    std::unique_ptr<MainWindow> window = std::make_unique<MainWindow>(demo.context);
};

TEST_F(MenusScreenCheck, LogItemsClearAndSaveTheLog)
{
    Log& log = *c().echLog;
    log.addInformation(QStringLiteral("ROU_1 read"));
    log.addError(QStringLiteral("Error: a line to keep"));
    const auto* view = window->findChild<QAbstractItemView*>(QStringLiteral("EchLogView"));
    ASSERT_NE(view, nullptr);
    ASSERT_NE(view->model(), nullptr);

    // The first save asks for a file.
    const QString first = dir.filePath(QStringLiteral("first.log"));
    demo.ui.queueFileName(first);
    ASSERT_NO_FATAL_FAILURE(chooseByKeys(c().mnuOptionen, QStringLiteral("f"),
                                         {QStringLiteral("Down"), QStringLiteral("s")}, c().mnuSaveLog,
                                         QStringLiteral("save-log")));
    ASSERT_EQ(demo.ui.fileDialogs().size(), 1);
    QByteArray saved = contentOf(first);
    EXPECT_TRUE(saved.contains("\tI\tROU_1 read\n")) << saved.toStdString();
    EXPECT_TRUE(saved.contains("\tE\tError: a line to keep\n")) << saved.toStdString();

    const QString second = dir.filePath(QStringLiteral("second.log"));
    demo.ui.queueFileName(second);
    ASSERT_NO_FATAL_FAILURE(
        chooseByKeys(c().mnuOptionen, QStringLiteral("f"),
                     {QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("a")}, c().mnuSaveLogAs,
                     QStringLiteral("save-log-as")));
    ASSERT_EQ(demo.ui.fileDialogs().size(), 2);
    EXPECT_EQ(contentOf(second), saved);

    // Saving again goes to the file chosen last, without asking.
    log.addInformation(QStringLiteral("one more line"));
    ASSERT_NO_FATAL_FAILURE(choose(c().mnuOptionen, c().mnuSaveLog, QStringLiteral("save-log-again")));
    EXPECT_EQ(demo.ui.fileDialogs().size(), 2);
    EXPECT_TRUE(contentOf(second).contains("\tI\tone more line\n"));
    EXPECT_EQ(contentOf(first), saved);

    ASSERT_GE(log.entries().size(), 3);
    ASSERT_EQ(view->model()->rowCount(), log.entries().size());
    ASSERT_NO_FATAL_FAILURE(choose(c().mnuOptionen, c().mnuClearLog, QStringLiteral("clear-log")));
    EXPECT_TRUE(log.entries().isEmpty());
    EXPECT_EQ(view->model()->rowCount(), 0);
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(MenusScreenCheck, ParameterItemsSaveAndLoadTheDevicesValues)
{
    // An edit that was not applied is neither saved nor kept by loading the device's own file.
    ASSERT_NO_FATAL_FAILURE(showTab(CmdConfigTab));
    QLineEdit* maxSendTime = c().txtNci(MaxSendTime);
    const QString deviceValue = maxSendTime->text();
    click(maxSendTime, maxSendTime->rect().center());
    key(QStringLiteral("ctrl+a"));
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), QStringLiteral("42")});
    ASSERT_EQ(maxSendTime->text(), QStringLiteral("42"));
    ASSERT_EQ(markedFields(), QStringList{QStringLiteral("txtNci(64)")});

    const QString own = dir.filePath(QStringLiteral("own.par"));
    demo.ui.queueFileName(own);
    ASSERT_NO_FATAL_FAILURE(
        choose(c().mnuOptionen, c().mnuParameter_speichern, QStringLiteral("save-parameters")));
    EXPECT_EQ(QFileInfo(own).size(), parameterFileSize());

    demo.ui.queueFileName(own);
    ASSERT_NO_FATAL_FAILURE(
        choose(c().mnuOptionen, c().mnuParameter_laden, QStringLiteral("load-parameters")));
    EXPECT_EQ(maxSendTime->text(), deviceValue);
    EXPECT_TRUE(markedFields().isEmpty()) << markedFields().join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(c().cmdApply->isEnabled());

    // A file saved while the device had another value marks that one field.
    const QString id = demo.points.cp(MaxSendTime).id;
    const QString original = demo.value(Rou1, id);
    demo.admin.set(DemoSession::Network, Rou1, id, QStringLiteral("1234"));
    const QString changed = demo.value(Rou1, id);
    open();
    const QString other = dir.filePath(QStringLiteral("other.par"));
    demo.ui.queueFileName(other);
    ASSERT_NO_FATAL_FAILURE(
        choose(c().mnuOptionen, c().mnuParameter_speichern, QStringLiteral("save-other")));
    demo.admin.set(DemoSession::Network, Rou1, id, original);
    open();
    ASSERT_TRUE(markedFields().isEmpty()) << markedFields().join(QLatin1Char(' ')).toStdString();

    demo.ui.queueFileName(other);
    ASSERT_NO_FATAL_FAILURE(choose(c().mnuOptionen, c().mnuParameter_laden, QStringLiteral("load-other")));
    // A field of whole numbers shows the device's "1234,0" as 1234.
    EXPECT_EQ(maxSendTime->text(), changed.section(QRegularExpression(QStringLiteral("[.,]")), 0, 0));
    EXPECT_EQ(markedFields(), QStringList{QStringLiteral("txtNci(64)")});
    EXPECT_TRUE(c().cmdApply->isEnabled());
    ASSERT_NO_FATAL_FAILURE(showTab(CmdConfigTab));
    keep(QStringLiteral("loaded-marked"));
    EXPECT_EQ(demo.ui.fileDialogs().size(), 4);
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

TEST_F(MenusScreenCheck, PrintGoesThroughTheSelectionWindowToAPdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString pdf = dir.filePath(QStringLiteral("rou1.pdf"));
    demo.ui.setPrinterAnswer(true);
    demo.ui.setPrinterSetup([pdf](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });

    // The NV lists only, ticked with the pointer.
    const std::shared_ptr<ModalRun> selection = whenModal(QStringLiteral("fDruckmenue"), [](QDialog& menu) {
        for (const char* name : {"chknvi", "chknvo"}) {
            auto* box = menu.findChild<QCheckBox*>(QString::fromLatin1(name));
            click(box, QPoint(8, box->height() / 2));
            EXPECT_TRUE(box->isChecked()) << name;
        }
        EXPECT_FALSE(menu.findChild<QCheckBox*>(QStringLiteral("chknci"))->isChecked());
        keep(QStringLiteral("print-selection"));
        auto* button = menu.findChild<QPushButton*>(QStringLiteral("cmdDruck"));
        click(button, button->rect().center());
    });
    ASSERT_NO_FATAL_FAILURE(choose(c().mnuOptionen, c().mnuDrucken, QStringLiteral("print")));
    EXPECT_TRUE(selection->seen);
    EXPECT_FALSE(selection->leftOpen);
    EXPECT_EQ(demo.ui.printerDialogs(), QStringList{QStringLiteral("Print")});

    ASSERT_TRUE(QFile::exists(pdf));
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(StepTimeout));
    const QString printed = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(printed.contains(QStringLiteral("ROU_1")));
    EXPECT_TRUE(printed.contains(QStringLiteral("nvi's")));
    EXPECT_TRUE(printed.contains(QStringLiteral("nvo's")));
    EXPECT_FALSE(printed.contains(QStringLiteral("Configuration Parameters")));
}

TEST_F(MenusScreenCheck, HelpItemsOpenTheDocumentsAndTheAboutBox)
{
    const QString folder = installed_files::documentFolder();
    ASSERT_NO_FATAL_FAILURE(choose(c().mnuHilfe, c().mnuBeschreibung, QStringLiteral("device-description")));
    ASSERT_NO_FATAL_FAILURE(
        chooseByKeys(c().mnuHilfe, QStringLiteral("h"),
                     {QStringLiteral("Down"), QStringLiteral("Down"), QStringLiteral("Return")},
                     c().mnuReadme, QStringLiteral("readme")));
    ASSERT_EQ(demo.ui.documents().size(), 2);
    EXPECT_EQ(demo.ui.documents().at(0).pathOrUrl,
              folder + QStringLiteral("/Dokumentation/zep31_06_eng.pdf"));
    EXPECT_TRUE(demo.ui.documents().at(0).maximised);
    EXPECT_EQ(demo.ui.documents().at(1).pathOrUrl, folder + QStringLiteral("/readme_eng.txt"));
    EXPECT_FALSE(demo.ui.documents().at(1).maximised);
    EXPECT_TRUE(QFile::exists(demo.ui.documents().at(0).pathOrUrl));
    EXPECT_TRUE(QFile::exists(demo.ui.documents().at(1).pathOrUrl));

    ASSERT_NO_FATAL_FAILURE(choose(c().mnuHilfe, c().mnuAbout, QStringLiteral("about")));
    QPointer<fAbout> about = window->findChild<fAbout*>(QStringLiteral("fAbout"));
    ASSERT_FALSE(about.isNull());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.data()));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    keep(QStringLiteral("about-box"));
    // The main window still takes the pointer while the box is up.
    ASSERT_NO_FATAL_FAILURE(showTab(LedTab));
    EXPECT_TRUE(about->isVisible());

    xdotool({QStringLiteral("windowfocus"), QString::number(about->winId())});
    key(QStringLiteral("Escape"));
    EXPECT_TRUE(QTest::qWaitFor([&about] { return about.isNull() || !about->isVisible(); }, StepTimeout));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MenusScreenCheck, ExitAsksWhileADirectorHoldsThePlugInAndThenEndsIt)
{
    demo.connection.directorCount = 1;
    demo.ui.expectMessage(
        QStringLiteral("A director is using this plug-in.  Exiting may cause the director to "
                       "experience errors.  Are you sure that you want to exit?"),
        QStringLiteral("Korvandel_zep31_PlugIn"), UiServices::Icon::None, UiServices::Buttons::YesNo,
        UiServices::Answer::No);
    ASSERT_NO_FATAL_FAILURE(choose(c().mnuOptionen, c().mnuExit, QStringLiteral("exit-asked")));
    demo.ui.verifyAllShown();
    EXPECT_EQ(demo.endProgramCalls, 0);
    EXPECT_TRUE(window->isVisible());

    demo.connection.directorCount = 0;
    ASSERT_NO_FATAL_FAILURE(choose(c().mnuOptionen, c().mnuExit, QStringLiteral("exit")));
    EXPECT_EQ(demo.endProgramCalls, 1);
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(demo.connection.ServerOpen);
    EXPECT_FALSE(demo.connection.NetworkOpen);
    EXPECT_FALSE(demo.objectServer->isOpen());
}

TEST_F(MenusScreenCheck, TrendChartShowsTheMonitoredOutputsBesideThem)
{
    // Polls every half second, so that each new value shows soon.
    c().txtPoll->setText(QStringLiteral("0,5"));
    c().cmd_Poll_ok->click();
    ASSERT_NO_FATAL_FAILURE(showTab(CmdOutputTab));
    TrendChart* chart = c().trendChart;
    ASSERT_TRUE(chart->isVisible());
    const auto polled = [chart](const QString& name, double value) {
        for (QAbstractSeries* series : chart->chart()->series())
            if (series->objectName() == name + QStringLiteral(" polls"))
                for (const QPointF& point : static_cast<QScatterSeries*>(series)->points())
                    if (point.y() == value)
                        return true;
        return false;
    };
    // A temperature from an external sensor and a set point sent to the unit step its outputs.
    struct Step
    {
        const char* input;
        const char* output;
        double value;
    };
    for (const Step step :
         {Step{"nviSpaceTemp", "nvoSpaceTemp", 20.5}, Step{"nviTempSetpoint", "nvoSetptEffect", 21.0},
          Step{"nviSpaceTemp", "nvoSpaceTemp", 21.25}, Step{"nviTempSetpoint", "nvoSetptEffect", 23.5}}) {
        demo.admin.set(DemoSession::Network, Rou1, QString::fromLatin1(step.input),
                       QString::number(step.value, 'f', 2).replace(QLatin1Char('.'), QLatin1Char(',')));
        ASSERT_TRUE(QTest::qWaitFor([&] { return polled(QString::fromLatin1(step.output), step.value); },
                                    StepTimeout))
            << step.output << ' ' << step.value;
    }
    // The chart draws its scene from posted events; the picture waits for them.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    window->repaint();
    keep(QStringLiteral("trend-chart"));
    EXPECT_TRUE(demo.ui.messages().isEmpty());
}

// With German registered, Qt's own file dialog is German: the real UiServices, not the scripted one, in a
// window of its own.
TEST_F(MenusScreenCheck, QtsOwnDialogsSpeakGermanWhenTheRegistrationSaysSo)
{
    window->hide();
    DemoSession german{QStringLiteral("german"), QStringLiteral(",")};
    QtUi ui;
    AppContext context{german.registry,
                       *german.objectServer,
                       ui,
                       german.progress,
                       german.catalogue,
                       german.connection,
                       german.commands,
                       german.settings,
                       german.points,
                       german.resourceDir,
                       [] {},
                       german.context.openObjectServer};
    auto germanWindow = std::make_unique<MainWindow>(context);
    germanWindow->show();
    german.open(*germanWindow, Rou1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(germanWindow.get()));
    xdotool({QStringLiteral("windowfocus"), QString::number(germanWindow->winId())});
    MainControls& g = germanWindow->controls();
    QMenuBar* bar = germanWindow->menuBar();

    const std::shared_ptr<ModalRun> fileDialog = whenModalOf<QFileDialog>([](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Parameter(nci) speichern"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("fileNameLabel"))->text(),
                  QStringLiteral("Datei&name:"));
        QStringList captions;
        for (const QAbstractButton* button : dialog.findChild<QDialogButtonBox*>()->buttons())
            captions.append(button->text());
        EXPECT_TRUE(captions.contains(QStringLiteral("S&peichern")))
            << captions.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(captions.contains(QStringLiteral("Abbrechen")))
            << captions.join(QLatin1Char('|')).toStdString();
        // The picture shows the dialog drawn, with the menu it came from closed.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_TRUE(
            QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }, StepTimeout));
        dialog.repaint();
        keep(QStringLiteral("german-file-dialog"));
        dialog.reject();
    });
    click(bar, bar->actionGeometry(g.mnuOptionen->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitFor([&g] { return g.mnuOptionen->isVisible(); }, StepTimeout));
    click(g.mnuOptionen, g.mnuOptionen->actionGeometry(g.mnuParameter_speichern).center());
    ASSERT_TRUE(QTest::qWaitFor([&fileDialog] { return fileDialog->seen; }, StepTimeout));
    EXPECT_FALSE(fileDialog->leftOpen);
}

} // namespace

int main(int argc, char** argv)
{
    // The platform comes from the environment: xcb on the test's X server.
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
