#pragma once

#include <QPixmap>
#include <QString>

class QPainter;
class QRectF;

// A drawing of the unit's front: the LCD, the optional row of four menu buttons (T1-T4) and the
// push-buttons in pairs from T5 on, each with its LED.
class FrontView final
{
public:
    // buttonCount: 2, 4, 6 or 8 push-buttons besides the menu buttons.
    FrontView(int buttonCount, bool menuButtons);

    static QSize size();
    // The drawing at the given device pixel ratio, so that it stays sharp on high-density screens.
    QPixmap pixmap(qreal devicePixelRatio) const;
    void paint(QPainter& painter, const QRectF& area) const;
    // "ZEP31 T1-T12" style: the buttons the picture shows.
    QString description() const;

private:
    int m_buttonCount;
    bool m_menuButtons;
};
