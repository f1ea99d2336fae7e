#include "host/UnattendedUi.h"

#include "host/UiButtons.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

// One line per box, its line breaks shown as such.
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}

} // namespace

bool UnattendedUi::requested()
{
    return qEnvironmentVariable(EnvironmentVariable) == QLatin1String("1") || displayMissing();
}

bool UnattendedUi::displayMissing()
{
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (platform.startsWith(QLatin1String("offscreen")) || platform.startsWith(QLatin1String("minimal")))
        return true;
    return qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

UnattendedUi::UnattendedUi() : m_log(stderr) {}

UiServices::Answer UnattendedUi::message(const Message& message)
{
    m_log << "message [" << message.title << "] " << oneLine(message.text) << Qt::endl;
    // As if the box were closed without a choice: nothing is deleted, overwritten or taken over.
    return ui_buttons::dismissed(message.buttons);
}

QString UnattendedUi::openFileName(const FileDialog& dialog)
{
    m_log << "file dialog cancelled [" << dialog.title << "]" << Qt::endl;
    return QString();
}

QString UnattendedUi::saveFileName(const FileDialog& dialog)
{
    m_log << "file dialog cancelled [" << dialog.title << "]" << Qt::endl;
    return QString();
}

bool UnattendedUi::choosePrinter(QPrinter&, const QString& title)
{
    m_log << "printer dialog cancelled [" << title << "]" << Qt::endl;
    return false;
}

bool UnattendedUi::openDocument(const QString& pathOrUrl, bool)
{
    m_log << "document not opened: " << pathOrUrl << Qt::endl;
    return false;
}

void UnattendedUi::processEvents()
{
    QCoreApplication::processEvents();
}
