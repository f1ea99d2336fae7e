#pragma once

#include <QDialog>

class DeviceTree;
class QCheckBox;
class QPushButton;
class QTreeWidgetItem;
struct AppContext;
struct DeviceSession;
struct MainControls;
struct TransferState;

// The device selection window: every device of the current device's program ID, one root
// node per subsystem, each device with a check box. The current device always stays chosen.
// Done hands the chosen devices to the transfer and hides the window, which keeps its tree.
class fGeraeteauswahl final : public QDialog
{
    Q_OBJECT

public:
    fGeraeteauswahl(AppContext& context, MainControls& controls, DeviceSession& session,
                    TransferState& transfer, QWidget* parent);

    // Places the window, sets its captions, searches the network and checks the current device.
    void Form_Load();
    // Asks a running search to stop at the next device.
    void stopSearch() { m_stopSearch = true; }

    void TreeView1_NodeCheck(QTreeWidgetItem* node);
    void TreeView1_NodeClick(QTreeWidgetItem* node);
    void TreeView1_MouseUp();
    void KnotenReset();
    void cmdreset_Click();
    void cmdFertig_Click();

    // 'sync. Devices': every general parameter goes to every chosen device.
    bool synchronise() const;

    // Where a device node keeps its item number in the template and its Neuron ID.
    static constexpr int NumberRole = Qt::UserRole;
    static constexpr int NeuronIdRole = Qt::UserRole + 1;

private:
    void Geraetefinden();
    void checkCurrentDevice();
    bool anyFieldMarked() const;
    void placeOnScreen();

    AppContext& m_context;
    MainControls& m_controls;
    DeviceSession& m_session;
    TransferState& m_transfer;
    DeviceTree* TreeView1 = nullptr;
    QCheckBox* chksynchronisiern = nullptr;
    QPushButton* cmdreset = nullptr;
    QPushButton* cmdFertig = nullptr;
    QTreeWidgetItem* m_currentNode = nullptr;
    bool m_stopSearch = false;
};
