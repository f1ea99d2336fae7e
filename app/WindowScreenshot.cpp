#include "WindowScreenshot.h"

#include "device/ui/MainWindow.h"
#include "host/AtomicFile.h"

#include <QBuffer>
#include <QEvent>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

WindowScreenshot::WindowScreenshot(MainWindow* window, QString fileName)
    : QObject(window), m_window(window), m_fileName(std::move(fileName))
{
    window->installEventFilter(this);
    connect(window, &MainWindow::deviceOpened, this, [this] {
        m_deviceOpened = true;
        saveWhenReady();
    });
}

bool WindowScreenshot::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_window && event->type() == QEvent::Show)
        saveWhenReady();
    return QObject::eventFilter(watched, event);
}

void WindowScreenshot::saveWhenReady()
{
    if (m_scheduled || !m_deviceOpened || !m_window->isVisible())
        return;
    m_scheduled = true;
    // Let the layout settle first.
    QTimer::singleShot(500, this, &WindowScreenshot::save);
}

void WindowScreenshot::save()
{
    QTextStream out(stderr);
    QBuffer picture;
    picture.open(QIODevice::WriteOnly);
    const Expected<void> written = m_window->grab().save(&picture, "PNG")
                                       ? AtomicFile::write(m_fileName, picture.data())
                                       : Failure{QStringLiteral("the window cannot be drawn as PNG")};
    if (written)
        out << "zep31-plugin: wrote a picture of the window to " << m_fileName << Qt::endl;
    else
        out << "zep31-plugin: cannot write the picture of the window to " << m_fileName << ": "
            << written.error() << Qt::endl;
}
