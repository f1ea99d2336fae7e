#include "WindowScreenshot.h"

#include <QEvent>
#include <QPixmap>
#include <QTextStream>
#include <QTimer>
#include <QWidget>

WindowScreenshot::WindowScreenshot(QWidget* window, QString fileName)
    : QObject(window), m_window(window), m_fileName(std::move(fileName))
{
    window->installEventFilter(this);
}

bool WindowScreenshot::eventFilter(QObject* watched, QEvent* event)
{
    // The window shows itself only after the device values are loaded; let the layout settle.
    if (watched == m_window && event->type() == QEvent::Show)
        QTimer::singleShot(500, this, &WindowScreenshot::save);
    return QObject::eventFilter(watched, event);
}

void WindowScreenshot::save()
{
    QTextStream out(stderr);
    if (m_window->grab().save(m_fileName))
        out << "zep31-plugin: wrote a picture of the window to " << m_fileName << Qt::endl;
    else
        out << "zep31-plugin: cannot write the picture of the window to " << m_fileName << Qt::endl;
}
