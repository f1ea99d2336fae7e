#include "editors/ui/FrontView.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int Width = 130;
constexpr int Height = 210;
constexpr qreal Margin = 10;
constexpr int FirstPushButton = 5;
constexpr int MenuButtons = 4;

const QColor housing(236, 236, 232);
const QColor housingEdge(120, 120, 120);
const QColor display(176, 196, 150);
const QColor displayText(40, 48, 36);
const QColor keyFace(250, 250, 248);
const QColor keyEdge(150, 150, 150);
const QColor led(60, 170, 70);
const QColor labelText(90, 90, 90);

void drawKey(QPainter& painter, const QRectF& key, const QString& label)
{
    painter.setPen(QPen(keyEdge, 1));
    painter.setBrush(keyFace);
    painter.drawRoundedRect(key, 3, 3);

    const qreal ledSize = 4;
    painter.setPen(Qt::NoPen);
    painter.setBrush(led);
    painter.drawEllipse(QRectF(key.right() - ledSize - 3, key.top() + 3, ledSize, ledSize));

    // The label keeps clear of the LED, which matters on the narrow menu buttons.
    painter.setPen(labelText);
    painter.drawText(key.adjusted(1, 0, -(ledSize + 3), 0), Qt::AlignCenter, label);
}

QString buttonName(int number)
{
    return QStringLiteral("T%1").arg(number);
}

} // namespace

FrontView::FrontView(int buttonCount, bool menuButtons)
    : m_buttonCount(buttonCount), m_menuButtons(menuButtons)
{
}

QSize FrontView::size()
{
    return {Width, Height};
}

QPixmap FrontView::pixmap(qreal devicePixelRatio) const
{
    QPixmap picture(size() * devicePixelRatio);
    picture.setDevicePixelRatio(devicePixelRatio);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    paint(painter, QRectF(QPointF(0, 0), QSizeF(size())));
    return picture;
}

void FrontView::paint(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font = painter.font();
    font.setPixelSize(9);
    painter.setFont(font);

    const QRectF body = area.adjusted(1, 1, -1, -1);
    painter.setPen(QPen(housingEdge, 1.5));
    painter.setBrush(housing);
    painter.drawRoundedRect(body, 8, 8);

    const QRectF inner = body.adjusted(Margin, Margin, -Margin, -Margin);
    const QRectF lcd(inner.left(), inner.top(), inner.width(), 42);
    painter.setPen(QPen(housingEdge, 1));
    painter.setBrush(display);
    painter.drawRect(lcd);
    painter.setPen(displayText);
    QFont lcdFont = font;
    lcdFont.setPixelSize(14);
    lcdFont.setBold(true);
    painter.setFont(lcdFont);
    painter.drawText(lcd.adjusted(4, 2, -4, -16), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("21.5°C"));
    painter.setFont(font);
    painter.drawText(lcd.adjusted(4, 24, -4, -2), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("12:00"));

    qreal top = lcd.bottom() + 8;
    if (m_menuButtons) {
        const qreal gap = 4;
        const qreal keyWidth = (inner.width() - (MenuButtons - 1) * gap) / MenuButtons;
        for (int k = 0; k < MenuButtons; ++k)
            drawKey(painter, QRectF(inner.left() + k * (keyWidth + gap), top, keyWidth, 18),
                    buttonName(k + 1));
        top += 18 + 8;
    }

    // The push-buttons share the rest of the front in rows of two.
    const int rows = m_buttonCount / 2;
    if (rows > 0) {
        const qreal gap = 5;
        const qreal rowHeight = (inner.bottom() - top - (rows - 1) * gap) / rows;
        const qreal keyWidth = (inner.width() - gap) / 2;
        for (int row = 0; row < rows; ++row) {
            const qreal y = top + row * (rowHeight + gap);
            const int left = FirstPushButton + 2 * row;
            drawKey(painter, QRectF(inner.left(), y, keyWidth, rowHeight), buttonName(left));
            drawKey(painter, QRectF(inner.left() + keyWidth + gap, y, keyWidth, rowHeight),
                    buttonName(left + 1));
        }
    }
    painter.restore();
}

QString FrontView::description() const
{
    const int first = m_menuButtons ? 1 : FirstPushButton;
    return QStringLiteral("ZEP31 T%1-T%2").arg(first).arg(FirstPushButton + m_buttonCount - 1);
}
