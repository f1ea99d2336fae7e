#pragma once

#include <QObject>
#include <QString>

class MainWindow;

// Saves a picture of the main window once it is shown with a device in it, for runs without a
// display (the demo writes the main window to a file instead of showing it). The director may
// show the window before or after the device is loaded.
class WindowScreenshot final : public QObject
{
    Q_OBJECT

public:
    WindowScreenshot(MainWindow* window, QString fileName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void saveWhenReady();
    void save();

    MainWindow* m_window;
    QString m_fileName;
    bool m_deviceOpened = false;
    bool m_scheduled = false;
};
