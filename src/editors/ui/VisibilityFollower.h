#pragma once

#include <QObject>

class QWidget;

// Shows and hides a widget together with another one, so that two parts of one group on
// different pages appear together whoever switches the group.
class VisibilityFollower final : public QObject
{
    Q_OBJECT

public:
    // Owned by the follower widget.
    VisibilityFollower(QWidget* leader, QWidget* follower);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_follower;
};
