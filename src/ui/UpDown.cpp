#include "ui/UpDown.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

constexpr int ArrowWidth = 16;
constexpr int ArrowHeight = 11;

} // namespace

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void UpDown::setMinimum(int minimum)
{
    m_minimum = minimum;
    m_maximum = std::max(m_maximum, minimum);
}

void UpDown::setMaximum(int maximum)
{
    m_maximum = maximum;
    m_minimum = std::min(m_minimum, maximum);
}

void UpDown::setRange(int minimum, int maximum)
{
    setMinimum(minimum);
    setMaximum(maximum);
}

QSize UpDown::sizeHint() const
{
    return {ArrowWidth, 2 * ArrowHeight};
}

QSize UpDown::minimumSizeHint() const
{
    return sizeHint();
}

UpDown::Direction UpDown::directionAt(QPoint position) const
{
    return position.y() < height() / 2 ? Direction::Up : Direction::Down;
}

QRect UpDown::arrowRect(Direction direction) const
{
    const int half = height() / 2;
    return direction == Direction::Up ? QRect(0, 0, width(), half) : QRect(0, half, width(), height() - half);
}

void UpDown::click(Direction direction)
{
    if (direction == Direction::Up)
        emit upClicked();
    else
        emit downClicked();
}

void UpDown::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (const Direction direction : {Direction::Up, Direction::Down}) {
        QStyleOptionButton button;
        button.initFrom(this);
        button.rect = arrowRect(direction);
        if (m_held == direction)
            button.state |= QStyle::State_Sunken;
        else
            button.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &button, &painter, this);

        QStyleOption arrow;
        arrow.initFrom(this);
        arrow.rect = button.rect.adjusted(3, 2, -3, -2);
        style()->drawPrimitive(direction == Direction::Up ? QStyle::PE_IndicatorArrowUp
                                                          : QStyle::PE_IndicatorArrowDown,
                               &arrow, &painter, this);
    }
}

void UpDown::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const Direction direction = directionAt(event->position().toPoint());
    m_held = direction;
    update();
    click(direction);
    emit pressed(direction);
}

void UpDown::mouseMoveEvent(QMouseEvent* event)
{
    if (m_held)
        emit pointerMoved(event->position().toPoint());
}

void UpDown::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || !m_held) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    const Direction direction = *m_held;
    m_held.reset();
    update();
    emit released(direction);
}

void UpDown::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        click(Direction::Up);
        break;
    case Qt::Key_Down:
        click(Direction::Down);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
