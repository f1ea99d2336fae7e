#pragma once

#include <QString>
#include <map>
#include <stdexcept>

// A control array with exactly the given indices, like txtNci(7). Each control's objectName
// is the array's name with its index, "txtNci(7)", so tests and accessibility tools find it.
template <typename W> class ControlArray final
{
public:
    explicit ControlArray(QString name) : m_name(std::move(name)) {}

    const QString& name() const { return m_name; }

    void add(int index, W* control)
    {
        control->setObjectName(m_name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')'));
        m_controls[index] = control;
    }

    // A missing index is a bounds error, as a control array without that element would raise.
    W* operator()(int index) const
    {
        const auto it = m_controls.find(index);
        if (it == m_controls.end())
            throw std::out_of_range("no control " + m_name.toStdString() + "(" + std::to_string(index) + ")");
        return it->second;
    }

    bool contains(int index) const { return m_controls.count(index) != 0; }
    const std::map<int, W*>& items() const { return m_controls; }

private:
    QString m_name;
    std::map<int, W*> m_controls;
};
