#include "transfer/ui/fStatus.h"

#include "host/MessageCatalogue.h"
#include "host/catalogue/CatalogueTables.h"
#include "host/catalogue/TextIds.h"
#include "host/ui/ApplyControlTexts.h"
#include "transfer/TransferState.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>

namespace {

QLabel* label(QWidget* parent, const char* name, const QString& text = QString())
{
    auto* created = new QLabel(text, parent);
    created->setObjectName(QString::fromLatin1(name));
    return created;
}

QProgressBar* progressBar(QWidget* parent, const char* name)
{
    auto* bar = new QProgressBar(parent);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setRange(0, 100);
    bar->setValue(0);
    bar->setTextVisible(false);
    return bar;
}

QString counter(int number, int count)
{
    return QString::number(number) + QStringLiteral(" / ") + QString::number(count);
}

QString secondsText(qint64 seconds)
{
    return QString::number(seconds) + QStringLiteral(" sec");
}

} // namespace

fStatus::fStatus(MessageCatalogue& catalogue, TransferState& transfer, QWidget* parent,
                 RemainingTime::Clock clock)
    : QWidget(parent, Qt::Window), m_catalogue(catalogue), m_transfer(transfer), m_remaining(std::move(clock))
{
    setObjectName(QStringLiteral("fStatus"));
    lbl_St_Device = label(this, "lbl_St_Device");
    Progr_Devices = progressBar(this, "Progr_Devices");
    Lbl_Devices = label(this, "Lbl_Devices");
    lbl_St_Parameter = label(this, "lbl_St_Parameter");
    Progr_Parameter = progressBar(this, "Progr_Parameter");
    Lbl_Parameters = label(this, "Lbl_Parameters");
    lbl_Zeit = label(this, "lbl_Zeit");
    lbl_time = label(this, "lbl_time", QStringLiteral("Time"));
    lblclose = label(this, "lblclose");
    lblclose->setWordWrap(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(lbl_St_Device, 0, 0);
    layout->addWidget(Progr_Devices, 0, 1);
    layout->addWidget(Lbl_Devices, 0, 2);
    layout->addWidget(lbl_St_Parameter, 1, 0);
    layout->addWidget(Progr_Parameter, 1, 1);
    layout->addWidget(Lbl_Parameters, 1, 2);
    layout->addWidget(lbl_Zeit, 2, 0);
    layout->addWidget(lbl_time, 2, 1, 1, 2);
    layout->addWidget(lblclose, 3, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    layout->setColumnMinimumWidth(1, 180);
    layout->setColumnMinimumWidth(2, 80);

    Form_Load();
}

void fStatus::Form_Load()
{
    const TextArray<83>& texts = m_catalogue.MainTexts;
    lbl_St_Device->setText(texts[main_text::StatusDevices]);
    lbl_St_Parameter->setText(texts[main_text::StatusParameters]);
    lbl_Zeit->setText(texts[main_text::StatusRemainingTime]);
    lblclose->setText(texts[main_text::StatusCloseToCancel]);
    // The English caption comes with the main window's texts.
    setWindowTitle(QStringLiteral("Status"));
    if (m_catalogue.currentLanguage() == QLatin1String("english"))
        applyControlTexts(this, catalogue::englishCaptions(0));
    adjustSize();
    // The top-left corner of the screen, clear of any panel there.
    const QScreen* screen = QGuiApplication::primaryScreen();
    move(screen ? screen->availableGeometry().topLeft() : QPoint(0, 0));
}

void fStatus::start(int deviceCount, int cpCount)
{
    m_deviceCount = deviceCount;
    m_cpCount = cpCount;
    m_device = 0;
    m_modelEstimate = false;
    m_remaining.reset();
    m_transfer.transferCancelled = false;
    // The window is built with the main window, before its texts are loaded, and the language
    // may change with every device command: each transfer loads the texts afresh.
    Form_Load();
    Progr_Devices->setRange(0, deviceCount);
    Progr_Devices->setValue(0);
    Progr_Parameter->setRange(0, cpCount);
    Progr_Parameter->setValue(0);
    Lbl_Devices->clear();
    Lbl_Parameters->clear();
    lbl_time->clear();
    show();
    raise();
}

void fStatus::setDevice(int device)
{
    m_device = device;
    Progr_Devices->setValue(device);
    Lbl_Devices->setText(counter(device, m_deviceCount));
    Lbl_Devices_Change();
}

void fStatus::setParameter(int parameter)
{
    Progr_Parameter->setValue(parameter);
    Lbl_Parameters->setText(counter(parameter, m_cpCount));
}

void fStatus::setEstimate(qint64 seconds)
{
    m_modelEstimate = true;
    lbl_time->setText(secondsText(seconds));
}

void fStatus::finish()
{
    hide();
}

void fStatus::Lbl_Devices_Change()
{
    if (m_modelEstimate)
        return;
    const std::optional<qint64> seconds = m_remaining.deviceStarted(m_deviceCount, m_device);
    lbl_time->setText(seconds ? secondsText(*seconds) : QString());
}

void fStatus::closeEvent(QCloseEvent* event)
{
    // The running transfer stops before its next step; it still updates this window until then.
    m_transfer.transferCancelled = true;
    event->accept();
}
