#pragma once

#include "transfer/RemainingTime.h"
#include "transfer/ui/TransferStatus.h"

#include <QWidget>

class MessageCatalogue;
class QLabel;
class QProgressBar;
struct TransferState;

// The transfer status window: devices and parameters written so far, the time left, and the
// hint that closing the window cancels the transfer. Closing it only hides it, because the
// transfer still sets its bars until it notices the cancel.
class fStatus final : public QWidget, public TransferStatus
{
    Q_OBJECT

public:
    fStatus(MessageCatalogue& catalogue, TransferState& transfer, QWidget* parent,
            RemainingTime::Clock clock = {});

    // Shows the window with empty bars and the texts of the language loaded last; the estimate
    // starts afresh and nothing is cancelled.
    void start(int deviceCount, int cpCount) override;
    // Bar, counter and then the estimate.
    void setDevice(int device) override;
    void setParameter(int parameter) override;
    void setEstimate(qint64 seconds) override;
    // Hides the window; the cancel flag is the transfer's to clear.
    void finish() override;

    void Lbl_Devices_Change();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();

    MessageCatalogue& m_catalogue;
    TransferState& m_transfer;
    RemainingTime m_remaining;
    int m_deviceCount = 0;
    int m_cpCount = 0;
    int m_device = 0;
    // The channel model gives the estimate in this transfer.
    bool m_modelEstimate = false;
    QLabel* lbl_St_Device = nullptr;
    QProgressBar* Progr_Devices = nullptr;
    QLabel* Lbl_Devices = nullptr;
    QLabel* lbl_St_Parameter = nullptr;
    QProgressBar* Progr_Parameter = nullptr;
    QLabel* Lbl_Parameters = nullptr;
    QLabel* lbl_Zeit = nullptr;
    QLabel* lbl_time = nullptr;
    QLabel* lblclose = nullptr;
};
