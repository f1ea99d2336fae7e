#pragma once

#include <QWidget>
#include <optional>

// A small up/down control: two arrow buttons stacked on top of each other with the limits the
// field beside it is kept in. A press on an arrow counts as its click at once, as with the
// platform's up/down controls; press, release and pointer moves are reported too, so that a
// holder can repeat the step while the arrow is held.
class UpDown final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int minimum READ minimum WRITE setMinimum)
    Q_PROPERTY(int maximum READ maximum WRITE setMaximum)

public:
    enum class Direction
    {
        Up,
        Down
    };
    Q_ENUM(Direction)

    explicit UpDown(QWidget* parent = nullptr);

    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }
    void setMinimum(int minimum);
    void setMaximum(int maximum);
    void setRange(int minimum, int maximum);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void upClicked();
    void downClicked();
    // The upper half of the control counts as up, the lower half as down.
    void pressed(UpDown::Direction direction);
    void released(UpDown::Direction direction);
    // Pointer position relative to the control while an arrow is held.
    void pointerMoved(QPoint position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Direction directionAt(QPoint position) const;
    QRect arrowRect(Direction direction) const;
    void click(Direction direction);

    int m_minimum = 0;
    int m_maximum = 100;
    std::optional<Direction> m_held;
};
