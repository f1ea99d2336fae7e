#include "WindowReport.h"

#include "device/ui/MainWindow.h"
#include "host/AtomicFile.h"
#include "ui/ChangeMarker.h"
#include "ui/StatusPanels.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>

namespace {

QString enabledText(const QWidget* control)
{
    return control->isEnabled() ? QStringLiteral("enabled") : QStringLiteral("disabled");
}

void addBoxes(QStringList& lines, const ControlArray<QLineEdit>& boxes)
{
    for (const auto& [index, box] : boxes.items())
        lines.append(box->objectName() + QStringLiteral(": ") + box->text());
}

} // namespace

WindowReport::WindowReport(MainWindow* window, QString fileName)
    : QObject(window), m_window(window), m_fileName(std::move(fileName))
{
    connect(window, &MainWindow::deviceCommandStarted, this, [this] {
        ++m_started;
        write();
    });
    connect(window, &MainWindow::deviceOpened, this, [this] {
        ++m_opened;
        write();
    });
}

void WindowReport::write()
{
    MainControls& controls = m_window->controls();
    QStringList lines{QStringLiteral("started: %1").arg(m_started),
                      QStringLiteral("opened: %1").arg(m_opened)};
    const std::shared_ptr<lns::AppDevice>& device = m_window->session().currentDevice;
    lines.append(QStringLiteral("currentDevice: ") + (device ? device->name() : QString()));
    for (int panel = 1; panel <= StatusPanels::PanelCount; ++panel)
        lines.append(QStringLiteral("panel%1: ").arg(panel) + controls.PlugInStatus->panelText(panel));
    lines.append(QStringLiteral("cmdApply: ") + enabledText(controls.cmdApply));
    lines.append(QStringLiteral("cmdCancel: ") + enabledText(controls.cmdCancel));
    QStringList marked;
    for (const QWidget* control : m_window->findChildren<QWidget*>()) {
        if (!control->objectName().isEmpty() && !control->objectName().startsWith(QLatin1String("qt_")) &&
            change_marker::isMarked(control))
            marked.append(control->objectName());
    }
    lines.append(QStringLiteral("marked: ") + marked.join(QLatin1Char(' ')));
    addBoxes(lines, controls.txtNci);
    addBoxes(lines, controls.txtNvi);

    const Expected<void> written =
        AtomicFile::write(m_fileName, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!written)
        QTextStream(stderr) << "zep31-plugin: cannot write the window report " << m_fileName << ": "
                            << written.error() << Qt::endl;
}
