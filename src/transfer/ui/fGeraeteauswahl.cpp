#include "transfer/ui/fGeraeteauswahl.h"

#include "device/DeviceSession.h"
#include "device/point_catalogue/PointTables.h"
#include "host/AppContext.h"
#include "host/ConnectionState.h"
#include "host/MessageCatalogue.h"
#include "host/ProgressDisplay.h"
#include "host/RegistryKeys.h"
#include "host/UiServices.h"
#include "host/catalogue/TextIds.h"
#include "host/ui/ApplyControlTexts.h"
#include "transfer/DeviceDirectory.h"
#include "transfer/TransferState.h"
#include "transfer/ui/DeviceTree.h"
#include "ui/ChangeMarker.h"
#include "ui/HelpBox.h"
#include "ui/MainControls.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr QSize DefaultSize(380, 460);
const QColor CheckedColour(255, 0, 0);
const QColor UncheckedColour(0, 0, 0);

void paint(QTreeWidgetItem* node, bool checked)
{
    node->setForeground(0, checked ? CheckedColour : UncheckedColour);
}

bool isRoot(const QTreeWidgetItem* node)
{
    return node->parent() == nullptr;
}

} // namespace

fGeraeteauswahl::fGeraeteauswahl(AppContext& context, MainControls& controls, DeviceSession& session,
                                 TransferState& transfer, QWidget* parent)
    : QDialog(parent), m_context(context), m_controls(controls), m_session(session), m_transfer(transfer)
{
    setObjectName(QStringLiteral("fGeraeteauswahl"));
    setWindowTitle(QStringLiteral("Geräteauswahl"));

    TreeView1 = new DeviceTree(this);
    TreeView1->setObjectName(QStringLiteral("TreeView1"));
    TreeView1->setHeaderHidden(true);
    TreeView1->setAccessibleName(QStringLiteral("Devices"));
    chksynchronisiern = new QCheckBox(QStringLiteral("synchronisieren"), this);
    chksynchronisiern->setObjectName(QStringLiteral("chksynchronisiern"));
    chksynchronisiern->setToolTip(
        QStringLiteral("es werden ' alle'  Parameter zu den gewählten Geräten übertragen"));
    cmdreset = new QPushButton(QStringLiteral("Auswahl &reset"), this);
    cmdreset->setObjectName(QStringLiteral("cmdreset"));
    cmdFertig = new QPushButton(QStringLiteral("Auswahl &beendet"), this);
    cmdFertig->setObjectName(QStringLiteral("cmdFertig"));
    cmdFertig->setAutoDefault(false);
    cmdreset->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TreeView1, 1);
    layout->addWidget(chksynchronisiern);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdreset);
    buttons->addStretch(1);
    buttons->addWidget(cmdFertig);
    layout->addLayout(buttons);

    connect(TreeView1, &QTreeWidget::itemChanged, this,
            [this](QTreeWidgetItem* node, int) { TreeView1_NodeCheck(node); });
    connect(TreeView1, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* node, int) { TreeView1_NodeClick(node); });
    connect(TreeView1, &DeviceTree::mouseReleased, this, &fGeraeteauswahl::TreeView1_MouseUp);
    // A key toggle must not leave the current device out either.
    connect(TreeView1, &DeviceTree::checkKeyHandled, this, &fGeraeteauswahl::TreeView1_MouseUp);
    connect(cmdreset, &QPushButton::clicked, this, &fGeraeteauswahl::cmdreset_Click);
    connect(cmdFertig, &QPushButton::clicked, this, &fGeraeteauswahl::cmdFertig_Click);
}

void fGeraeteauswahl::Form_Load()
{
    resize(DefaultSize);
    placeOnScreen();
    applyControlTexts(this, m_context.catalogue.LoadTexts(1).controls);
    m_context.ui.setPointer(UiServices::Pointer::Hourglass);

    m_context.progress.setSearchVisible(true);
    Geraetefinden();
    m_context.progress.setSearchVisible(false);
    m_context.ui.setPointer(UiServices::Pointer::Default);

    checkCurrentDevice();
}

void fGeraeteauswahl::placeOnScreen()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    move(available.left() + std::max(0, (available.width() - width()) / 2),
         available.top() + std::max(0, (available.height() - height()) / 2));
}

void fGeraeteauswahl::Geraetefinden()
{
    m_transfer.deviceListBuilt = true;
    const std::shared_ptr<lns::System>& system = m_context.connection.system;
    const std::shared_ptr<lns::AppDevice>& current = m_session.currentDevice;
    ProgressDisplay& progress = m_context.progress;
    const QString found = m_context.catalogue.MainTexts[main_text::DevicesFound];

    DeviceDirectory::Listing listing;
    if (system && current) {
        DeviceDirectory::Progress steps;
        steps.counted = [&progress](int count) { progress.setSearchRange(count); };
        steps.found = [this, &progress, &found](int number) {
            progress.setSearchValue(number);
            progress.setSearchText(found + QString::number(number));
            m_context.ui.processEvents();
            return !m_stopSearch;
        };
        listing = DeviceDirectory(*system).search(*current, steps);
    } else {
        listing.failure = lns::Error(lns::errors::NotOpen, QStringLiteral("No device is open."));
    }
    m_transfer.deviceTemplate = listing.deviceTemplate;

    // Filled in one go: a signal per node would only repaint a tree nobody sees yet.
    const QSignalBlocker blocker(TreeView1);
    for (size_t group = 0; group < listing.groups.size(); ++group) {
        const DeviceDirectory::Group& members = listing.groups[group];
        auto* root = new QTreeWidgetItem(TreeView1, {members.subsystem});
        root->setFlags(root->flags() | Qt::ItemIsUserCheckable);
        root->setCheckState(0, Qt::Unchecked);
        paint(root, false);
        for (size_t position = 0; position < members.devices.size(); ++position) {
            const DeviceDirectory::Device& device = members.devices[position];
            auto* node = new QTreeWidgetItem(root, {device.name});
            node->setFlags(node->flags() | Qt::ItemIsUserCheckable);
            node->setCheckState(0, Qt::Unchecked);
            node->setData(0, NumberRole, device.number);
            node->setData(0, NeuronIdRole, device.neuronId);
            paint(node, false);
            if (static_cast<int>(group) == listing.currentGroup &&
                static_cast<int>(position) == listing.currentPosition)
                m_currentNode = node;
        }
    }

    if (listing.failure)
        m_context.ui.message(QStringLiteral("Error: Geraetefinden(fGeraeteauswahl)"),
                             registry_keys::ProductKey, UiServices::Icon::None, UiServices::Buttons::Ok);
}

void fGeraeteauswahl::checkCurrentDevice()
{
    if (m_currentNode)
        m_currentNode->setCheckState(0, Qt::Checked);
}

void fGeraeteauswahl::TreeView1_NodeCheck(QTreeWidgetItem* node)
{
    const bool checked = node->checkState(0) == Qt::Checked;
    // The colours and the children's marks are this handler's own changes, not new checks.
    const QSignalBlocker blocker(TreeView1);
    paint(node, checked);
    for (int index = 0; index < node->childCount(); ++index) {
        QTreeWidgetItem* child = node->child(index);
        child->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
        paint(child, checked);
    }
}

void fGeraeteauswahl::TreeView1_NodeClick(QTreeWidgetItem* node)
{
    bool isDevice = false;
    const int number = node->data(0, NumberRole).toInt(&isDevice);
    if (!isDevice || !m_transfer.deviceTemplate)
        return;
    try {
        const DeviceDirectory::Location location =
            DeviceDirectory::location(*m_transfer.deviceTemplate, number);
        const QString text = QStringLiteral("Location of Device:\r\n\r\n") + location.name +
                             QStringLiteral("\r\n\r\n") + location.path;
        help_box::show(m_controls.RTHinweis, text, QString(), QString());
    } catch (const lns::Error&) {
        // The description box is only a hint; a device that cannot be asked leaves it as it is.
    }
}

void fGeraeteauswahl::TreeView1_MouseUp()
{
    checkCurrentDevice();
}

void fGeraeteauswahl::KnotenReset()
{
    m_transfer.selectedDevices.clear();
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it) {
        QTreeWidgetItem* node = *it;
        if (node->checkState(0) == Qt::Checked)
            node->setCheckState(0, Qt::Unchecked);
        if (isRoot(node))
            node->setExpanded(false);
    }
}

void fGeraeteauswahl::cmdreset_Click()
{
    KnotenReset();
    checkCurrentDevice();
}

void fGeraeteauswahl::cmdFertig_Click()
{
    std::vector<SelectedDevice> chosen;
    for (QTreeWidgetItemIterator it(TreeView1); *it; ++it) {
        const QTreeWidgetItem* node = *it;
        if (!isRoot(node) && node->checkState(0) == Qt::Checked)
            chosen.push_back(SelectedDevice{node->text(0), node->data(0, NumberRole).toInt(),
                                            node->data(0, NeuronIdRole).toString()});
    }
    // In the order the template lists the devices, as they were found.
    std::sort(chosen.begin(), chosen.end(), [](const SelectedDevice& left, const SelectedDevice& right) {
        return left.deviceIndex < right.deviceIndex;
    });
    m_transfer.selectedDevices = std::move(chosen);

    const bool enable =
        (!m_transfer.selectedDevices.empty() && chksynchronisiern->isChecked()) || anyFieldMarked();
    m_controls.cmdApply->setEnabled(enable);
    hide();
}

bool fGeraeteauswahl::anyFieldMarked() const
{
    const PointTables& points = m_context.points;
    for (int position = 0; position < points.cpCount; ++position) {
        if (change_marker::isMarked(m_controls.txtNci(position)))
            return true;
    }
    for (int position = 0; position < points.nviCount; ++position) {
        if (change_marker::isMarked(m_controls.txtNvi(position)))
            return true;
    }
    return false;
}

bool fGeraeteauswahl::synchronise() const
{
    return chksynchronisiern->isChecked();
}
