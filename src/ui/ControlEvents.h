#pragma once

#include <QObject>
#include <functional>
#include <unordered_map>

class QKeyEvent;
class QWidget;

// The events of the editor controls that Qt has no signal for: a typed character (KeyPress,
// which may swallow it), a released key (KeyUp), gaining and losing the focus. One filter serves
// every control; each control registers its own handlers.
class ControlEvents final : public QObject
{
public:
    struct Handlers
    {
        // Returns true to swallow the key.
        std::function<bool(QKeyEvent&)> keyPress;
        std::function<void()> keyUp;
        std::function<void()> gotFocus;
        std::function<void()> lostFocus;
    };

    explicit ControlEvents(QObject* parent = nullptr);

    void attach(QWidget* control, Handlers handlers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unordered_map<const QObject*, Handlers> m_handlers;
};
