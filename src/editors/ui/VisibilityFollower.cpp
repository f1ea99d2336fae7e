#include "editors/ui/VisibilityFollower.h"

#include <QEvent>
#include <QWidget>

VisibilityFollower::VisibilityFollower(QWidget* leader, QWidget* follower)
    : QObject(follower), m_follower(follower)
{
    if (leader->isHidden())
        m_follower->hide();
    leader->installEventFilter(this);
}

bool VisibilityFollower::eventFilter(QObject* watched, QEvent* event)
{
    // ShowToParent and HideToParent report the widget's own switch, also on a page not shown.
    if (event->type() == QEvent::ShowToParent)
        m_follower->show();
    else if (event->type() == QEvent::HideToParent)
        m_follower->hide();
    return QObject::eventFilter(watched, event);
}
