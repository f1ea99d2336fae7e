#include "device/ui/MainWindow.h"

#include "device/CheckResourceFiles.h"
#include "device/DrfLookUp.h"
#include "device/FrameworkSettings.h"
#include "device/ProgressStatus.h"
#include "device/ui/MainPages.h"
#include "echlog/EchLog.h"
#include "editors/ui/Editors.h"
#include "editors/ui/RedFields.h"
#include "editors/ui/TabRules.h"
#include "files/ui/HelpMenu.h"
#include "files/ui/ParameterFiles.h"
#include "files/ui/Printing.h"
#include "host/AppContext.h"
#include "host/BestEffort.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/ProgressDisplay.h"
#include "host/RegistryKeys.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/object_server/Error.h"
#include "host/object_server/ObjectServer.h"
#include "host/ui/ApplyControlTexts.h"
#include "transfer/ui/Apply.h"
#include "transfer/ui/CancelEdits.h"
#include "transfer/ui/DeviceSelection.h"
#include "transfer/ui/Monitoring.h"
#include "transfer/ui/fStatus.h"
#include "ui/AccessibleNames.h"
#include "ui/StatusPanels.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Large enough for the widest page and the log beneath it.
constexpr QSize DefaultSize(1100, 820);
// Room beside the tab bar for the tab control's frame.
constexpr int TabBarMargin = 40;

QAction* menuItem(QMenu* menu, const char* name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

void menuSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QString::fromLatin1(name));
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

const QString MainWindow::Caption = QStringLiteral("Korvandel Devices GmbH    ");

MainWindow::MainWindow(AppContext& context)
    : m_context(context), m_framework(context, m_controls, m_editorState),
      m_reader(context, m_controls, m_session, m_framework, [this] { return SelectActiveTab(); })
{
    setObjectName(QStringLiteral("fMain"));
    m_context.ui.setParentWindow(this);
    buildShell();
    m_deviceSelection = new DeviceSelection(m_context, m_controls, m_session, m_transfer, this);
    connect(m_controls.cmdGerAuswahl, &QPushButton::clicked, m_deviceSelection,
            &DeviceSelection::cmdGerAuswahl_Click);
    EditorContext::Procedures procedures;
    procedures.func_red_field = [this] { func_red_field(); };
    procedures.set_tabs = [this] { set_tabs(); };
    const auto showHelp = [this](const QString& pointKind, int pointIndex) {
        if (m_session.currentDevice)
            UpdateFramework(m_session.currentDevice->programId(), FrameworkSettings::NoVariant, false,
                            pointKind, static_cast<qint16>(pointIndex));
    };
    procedures.showHelp = showHelp;
    m_editors =
        std::make_unique<Editors>(m_controls, m_editorState, m_context.points, m_context.settings, m_session,
                                  m_context.ui, m_context.catalogue, std::move(procedures));
    m_monitoring = new Monitoring(m_context, m_controls, m_session, showHelp, this);
    buildTransfer();
    Form_Load();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildTransfer()
{
    m_transferStatus = new fStatus(m_context.catalogue, m_transfer, this);
    Apply::Procedures apply;
    apply.Monitor_An = [this](bool on) { return Monitor_An(on); };
    apply.synchronise = [this] { return m_deviceSelection->synchronise(); };
    apply.KnotenReset = [this] { m_deviceSelection->KnotenReset(); };
    apply.func_red_field = [this] { func_red_field(); };
    apply.transferRunning = [this](bool running) { transferRunning(running); };
    m_apply = std::make_unique<Apply>(m_context, m_controls, m_session, m_editorState, m_transfer,
                                      *m_transferStatus, std::move(apply));
    CancelEdits::Procedures cancel;
    cancel.KnotenReset = [this] { m_deviceSelection->KnotenReset(); };
    cancel.unloadSelection = [this] { m_deviceSelection->invalidate(); };
    cancel.func_red_field = [this] { func_red_field(); };
    m_cancel = std::make_unique<CancelEdits>(m_context, m_controls, m_session, m_transfer, std::move(cancel));
    connect(m_controls.cmdApply, &QPushButton::clicked, this, [this] { m_apply->cmdApply_Click(); });
    connect(m_controls.cmdCancel, &QPushButton::clicked, this, [this] { m_cancel->cmdCancel_Click(); });
}

void MainWindow::transferRunning(bool running)
{
    // A transfer lets events run; nothing that reads, rewrites or replaces the values it writes
    // may start meanwhile. Apply and Cancel follow the marks again once it has ended.
    for (QAction* action : {m_controls.mnuParameter_laden, m_controls.mnuParameter_speichern,
                            m_controls.mnuDrucken, m_controls.mnuExit})
        action->setEnabled(!running);
    m_controls.cmdGerAuswahl->setEnabled(!running && m_session.currentDevice);
    // The editors are read-only while their values are written: an edit made meanwhile would be
    // sent to some devices and not to others, and the read-back at the end would replace it.
    for (int page = 0; page < m_controls.tabData->count(); ++page)
        m_controls.tabData->widget(page)->setEnabled(!running);
    if (running) {
        m_controls.cmdApply->setEnabled(false);
        m_controls.cmdCancel->setEnabled(false);
    } else {
        runWaitingCommand();
    }
}

void MainWindow::runWaitingCommand()
{
    if (m_deferredCommand && !m_transfer.transferRunning && !m_deviceCommandRunning)
        QTimer::singleShot(0, this, std::exchange(m_deferredCommand, nullptr));
}

void MainWindow::buildShell()
{
    m_controls.fMain = this;
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* splitter = new QSplitter(Qt::Vertical, central);
    splitter->setChildrenCollapsible(false);

    m_controls.tabData = new QTabWidget(splitter);
    m_controls.tabData->setObjectName(QStringLiteral("tabData"));
    m_controls.tabData->setAccessibleName(QStringLiteral("Device data"));
    splitter->addWidget(m_controls.tabData);
    splitter->addWidget(buildBottomArea());
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 0);
    layout->addWidget(splitter);
    setCentralWidget(central);

    m_controls.PlugInStatus = new StatusPanels(this);
    setStatusBar(m_controls.PlugInStatus);
    buildMenus();

    buildMainPages(m_controls);
    connect(m_controls.tabData, &QTabWidget::currentChanged, this, [this] { tabData_Click(); });
}

QWidget* MainWindow::buildBottomArea()
{
    auto* area = new QWidget;
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* texts = new QSplitter(Qt::Horizontal, area);
    texts->setChildrenCollapsible(false);
    m_controls.RTHinweis = new QTextEdit(texts);
    m_controls.RTHinweis->setObjectName(QStringLiteral("RTHinweis"));
    m_controls.RTHinweis->setAccessibleName(QStringLiteral("Description"));
    m_controls.RTHinweis->setReadOnly(true);
    auto* echLog = new EchLog(m_context.ui, texts);
    echLog->setObjectName(QStringLiteral("EchLog"));
    echLog->setAccessibleName(QStringLiteral("Log"));
    m_controls.echLog = echLog;
    texts->addWidget(m_controls.RTHinweis);
    texts->addWidget(echLog);
    texts->setStretchFactor(0, 1);
    texts->setStretchFactor(1, 1);
    layout->addWidget(texts, 1);

    auto* buttons = new QVBoxLayout;
    m_controls.cmdApply = addButton(area, "cmdApply", QStringLiteral("&Übernehmen"));
    m_controls.cmdCancel = addButton(area, "cmdCancel", QStringLiteral("A&bbrechen"));
    m_controls.cmdGerAuswahl = addButton(area, "cmdGerAuswahl", QStringLiteral("&Geräteauswahl"));
    m_controls.cmdGerAuswahl->setToolTip(
        QStringLiteral("zeigt alle Geräte im Netzwerk mit der entspr. ProgId an"));
    // Apply and Cancel wait for a marked field; the device selection window comes with the transfer.
    m_controls.cmdApply->setEnabled(false);
    m_controls.cmdCancel->setEnabled(false);
    m_controls.cmdGerAuswahl->setEnabled(false);
    buttons->addWidget(m_controls.cmdApply);
    buttons->addWidget(m_controls.cmdCancel);
    buttons->addStretch(1);
    buttons->addWidget(m_controls.cmdGerAuswahl);
    layout->addLayout(buttons);

    area->setMinimumHeight(120);
    return area;
}

void MainWindow::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&Datei"));
    file->setObjectName(QStringLiteral("mnuOptionen"));
    m_controls.mnuOptionen = file;
    m_controls.mnuClearLog = menuItem(file, "mnuClearLog", QStringLiteral("Clear Log"));
    m_controls.mnuSaveLog = menuItem(file, "mnuSaveLog", QStringLiteral("&Save Log"));
    m_controls.mnuSaveLogAs = menuItem(file, "mnuSaveLogAs", QStringLiteral("Save Log &As..."));
    menuSeparator(file, "mnuDummy");
    m_controls.mnuParameter_laden = menuItem(file, "mnuParameter_laden", QStringLiteral("Parameter laden"));
    m_controls.mnuParameter_speichern =
        menuItem(file, "mnuParameter_speichern", QStringLiteral("Parameter speichern"));
    menuSeparator(file, "mnuDummy3");
    m_controls.mnuDrucken = menuItem(file, "mnuDrucken", QStringLiteral("Drucken"));
    menuSeparator(file, "mnuDummy4");
    m_controls.mnuExit = menuItem(file, "mnuExit", QStringLiteral("B&eenden"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    help->setObjectName(QStringLiteral("mnuHilfe"));
    m_controls.mnuHilfe = help;
    m_controls.mnuAbout = menuItem(help, "mnuAbout", QStringLiteral("About"));
    m_controls.mnuBeschreibung = menuItem(help, "mnuBeschreibung", QStringLiteral("Gerätebeschreibung"));
    m_controls.mnuReadme = menuItem(help, "mnuReadme", QStringLiteral("Readme"));

    auto* parameterFiles = new ParameterFiles(m_context, m_controls, m_session, this);
    connect(m_controls.mnuParameter_speichern, &QAction::triggered, parameterFiles,
            &ParameterFiles::mnuParameter_speichern_Click);
    connect(m_controls.mnuParameter_laden, &QAction::triggered, parameterFiles,
            &ParameterFiles::mnuParameter_laden_Click);
    auto* printing = new Printing(m_context, m_controls, m_session, this);
    connect(m_controls.mnuDrucken, &QAction::triggered, printing, &Printing::mnuDrucken_Click);
    auto* helpMenu = new HelpMenu(m_context, m_controls, this);
    connect(m_controls.mnuBeschreibung, &QAction::triggered, helpMenu, &HelpMenu::mnuBeschreibung_Click);
    connect(m_controls.mnuReadme, &QAction::triggered, helpMenu, &HelpMenu::mnuReadme_Click);
    connect(m_controls.mnuAbout, &QAction::triggered, helpMenu, &HelpMenu::mnuAbout_Click);

    Log* log = m_controls.echLog;
    connect(m_controls.mnuClearLog, &QAction::triggered, this, [log] { log->clear(); });
    connect(m_controls.mnuSaveLog, &QAction::triggered, this, [log] { log->save(); });
    connect(m_controls.mnuSaveLogAs, &QAction::triggered, this, [log] { log->saveAs(); });
    connect(m_controls.mnuExit, &QAction::triggered, this, [this] { mnuExit_Click(); });
}

void MainWindow::Form_Load()
{
    setWindowTitle(Caption);
    resizeToContent();
    placeOnScreen();

    const MessageCatalogue::WindowTexts texts = m_context.catalogue.LoadTexts(0);
    m_context.ui.setLanguage(m_context.catalogue.currentLanguage());
    applyControlTexts(this, texts.controls);
    // The names screen readers speak are made of the captions just set.
    accessible_names::refresh(this);
    m_controls.RTHinweis->setPlainText(texts.helpIntro);

    m_context.progress.showSplash();
    m_context.progress.showProgress(false);
}

void MainWindow::resizeToContent()
{
    // Every tab caption visible without scrolling the tab bar, also once a device switches on
    // all function tabs: measure with every tab shown.
    QTabBar* tabBar = m_controls.tabData->tabBar();
    QList<bool> visible;
    for (int tab = 0; tab < tabBar->count(); ++tab) {
        visible.append(tabBar->isTabVisible(tab));
        tabBar->setTabVisible(tab, true);
    }
    const int tabBarWidth = tabBar->sizeHint().width();
    for (int tab = 0; tab < tabBar->count(); ++tab)
        tabBar->setTabVisible(tab, visible.at(tab));
    QSize size = sizeHint().expandedTo(DefaultSize);
    size.setWidth(std::max(size.width(), tabBarWidth + TabBarMargin));
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableGeometry().size());
    resize(size);
}

void MainWindow::placeOnScreen()
{
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    // A window larger than the screen keeps its title bar reachable.
    move(available.left() + std::max(0, (available.width() - width()) / 2),
         available.top() + std::max(0, (available.height() - height()) / 2));
}

void MainWindow::Form_Resize()
{
    if (!isMinimized()) {
        setWindowTitle(Caption);
        return;
    }
    if (m_session.currentDevice)
        bestEffort([this] { setWindowTitle(m_session.currentDevice->name()); });
}

void MainWindow::Form_Unload()
{
    closeProgressWindows(m_context);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* other : windows) {
        if (other != this && other->isVisible())
            other->close();
    }
}

bool MainWindow::SelectActiveTab()
{
    m_controls.tabData->setCurrentIndex(0);
    return true;
}

void MainWindow::set_tabs()
{
    ::set_tabs(m_controls, m_editorState);
}

void MainWindow::func_red_field()
{
    red_fields::scan(m_controls, m_context.points);
}

void MainWindow::tabData_Click()
{
    // Before the first device there is nothing to refresh.
    if (!m_session.currentDevice)
        return;
    try {
        UpdateFramework(m_session.currentDevice->programId(), FrameworkSettings::NoVariant, false, QString(),
                        0);
    } catch (const lns::Error& error) {
        m_controls.echLog->addError(error.description() + QStringLiteral(" tabData(fMain)"));
    }
}

void MainWindow::mnuExit_Click()
{
    const qint16 directors = m_context.connection.directorCount;
    if (directors <= 0) {
        EndPlugIn();
        return;
    }
    const TextArray<83>& texts = m_context.catalogue.MainTexts;
    const QString question = directors == 1
                                 ? texts[main_text::OneDirectorExitQuestion]
                                 : texts[main_text::DirectorsExitQuestionStart] + QString::number(directors) +
                                       texts[main_text::DirectorsExitQuestionEnd];
    if (m_context.ui.message(question, registry_keys::ProductKey, UiServices::Icon::None,
                             UiServices::Buttons::YesNo, 1) == UiServices::Answer::Yes)
        EndPlugIn();
}

bool MainWindow::Monitor_An(bool on)
{
    return m_monitoring->Monitor_An(on);
}

void MainWindow::EndPlugIn()
{
    if (m_ending)
        return;
    m_ending = true;
    hide();
    m_session.currentDevice.reset();
    m_session.nvCollection.reset();

    ConnectionState& connection = m_context.connection;
    bestEffort([&connection] {
        if (connection.system && connection.system->isOpen())
            connection.system->close();
    });
    connection.system.reset();
    bestEffort([&connection] {
        if (connection.network && connection.network->isOpen())
            connection.network->close();
    });
    connection.network.reset();
    bestEffort([this] {
        if (m_context.objectServer.isOpen())
            m_context.objectServer.close();
    });
    connection.ServerOpen = false;
    connection.NetworkOpen = false;

    Form_Unload();
    if (m_context.endProgram)
        m_context.endProgram();
}

void MainWindow::ProcessDeviceCommand(std::shared_ptr<lns::AppDevice>& device, PlugInCommand& command)
{
    UiServices& ui = m_context.ui;
    const TextArray<83>& texts = m_context.catalogue.MainTexts;
    if (m_transfer.transferRunning || m_deviceCommandRunning) {
        // A director's command can arrive while a transfer or another device command lets events
        // run: the device must not change under them, so the command waits for their end.
        m_deferredCommand = [this, device, command]() mutable { ProcessDeviceCommand(device, command); };
        return;
    }
    m_deviceCommandRunning = true;
    const auto ended = qScopeGuard([this] {
        m_deviceCommandRunning = false;
        runWaitingCommand();
    });
    m_controls.PlugInStatus->setSummary(QString());
    emit deviceCommandStarted();
    try {
        m_monitoring->leaveDevice();
        // Devices chosen for the previous device must never receive this one's values.
        m_deviceSelection->invalidate();
        m_controls.cmdGerAuswahl->setEnabled(false);
        m_session.currentDevice = device;
        m_session.lastCommandId = command.CommandId;
        if (!device)
            throw lns::Error(lns::errors::NotFound, QStringLiteral("No device was handed over."));

        bool proceed = true;
        if (!CheckResourceFiles(m_session, m_context))
            proceed =
                ui.message(texts[main_text::ResourceFilesMissingQuestion], registry_keys::ProductKey,
                           UiServices::Icon::Warning, UiServices::Buttons::YesNo) == UiServices::Answer::Yes;
        else if (!m_context.connection.RemoteClient && !DrfLookUp(*device, m_context))
            proceed =
                ui.message(texts[main_text::LonMarkModeQuestion], registry_keys::ProductKey,
                           UiServices::Icon::Warning, UiServices::Buttons::YesNo) == UiServices::Answer::Yes;
        if (!proceed) {
            closeProgressWindows(m_context);
            return;
        }

        m_context.settings.settingsStale = true;
        UpdateFramework(device->programId(), FrameworkSettings::NoVariant, false, QString(), 0);
        // The language was just read afresh: Qt's own dialogs follow it from this device on.
        ui.setLanguage(m_context.settings.language);
        if (InitDevice()) {
            m_monitoring->deviceRead();
            closeProgressWindows(m_context);
            m_controls.cmdGerAuswahl->setEnabled(true);
            emit deviceOpened();
        }
    } catch (const lns::Error&) {
        closeProgressWindows(m_context);
        ui.message(QStringLiteral(
                       "Error: ProcessDeviceCommand in fMain\r\nDevice not online? Press Ok to Resume..."),
                   registry_keys::ProductKey, UiServices::Icon::None, UiServices::Buttons::OkCancel);
    }
}

bool MainWindow::InitDevice()
{
    // The values about to be read are the new references: no field differs from them yet.
    m_editors->unmarkAll();
    return m_reader.InitDevice();
}

bool MainWindow::ReadInitValues()
{
    return m_reader.ReadInitValues();
}

void MainWindow::UpdateFramework(const QString& programId, qint16 variantSelector, bool loadEditors,
                                 const QString& pointKind, qint16 pointIndex)
{
    m_framework.UpdateFramework(programId, variantSelector, loadEditors, pointKind, pointIndex);
}

void MainWindow::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (m_ending) {
        event->accept();
        return;
    }
    // Closing the window in the middle of a transfer cancels the transfer before its next step.
    if (m_transfer.transferRunning) {
        event->ignore();
        m_transfer.transferCancelled = true;
        return;
    }
    // Closing is the exit command: it asks first while directors hold the plug-in.
    event->ignore();
    mnuExit_Click();
}
