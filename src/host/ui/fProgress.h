#pragma once

#include <QWidget>

class QLabel;

// The one-line progress window ("Plug-In"). Where it stands is decided by ProgressWindows.
class fProgress final : public QWidget
{
    Q_OBJECT

public:
    explicit fProgress(QWidget* parent = nullptr);

    QString status() const { return m_status; }
    void setStatus(const QString& text);

signals:
    void activated();

protected:
    bool event(QEvent* event) override;

private:
    QLabel* m_lblStatus;
    QString m_status;
};
