#pragma once

#include <QObject>
#include <QString>

// Saves a picture of a window once it has been shown with a device in it, for runs without
// a display (the demo writes the main window to a file instead of showing it).
class WindowScreenshot final : public QObject
{
    Q_OBJECT

public:
    WindowScreenshot(QWidget* window, QString fileName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void save();

    QWidget* m_window;
    QString m_fileName;
};
