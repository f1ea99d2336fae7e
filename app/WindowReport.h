#pragma once

#include <QObject>
#include <QString>

class MainWindow;

// Writes what the main window shows to a text file whenever a device command starts and when
// it has opened its device, for runs nobody looks at (the end-to-end tests): the device Apply
// writes to, the status panels, Apply and Cancel, the marked controls and the CP and NV input
// boxes, one "name: text" line each. The file is replaced whole, never seen half written.
class WindowReport final : public QObject
{
    Q_OBJECT

public:
    WindowReport(MainWindow* window, QString fileName);

private:
    void write();

    MainWindow* m_window;
    QString m_fileName;
    int m_started = 0;
    int m_opened = 0;
};
