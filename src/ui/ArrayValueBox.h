#pragma once

#include <QLineEdit>
#include <QList>

// The whole value of an array CP, all its elements in order, where the CP's own box would show
// only the first element as if it were the value. It carries the mark the array box gets when
// any element differs from the device; the array box itself stays out of sight.
class ArrayValueBox final : public QLineEdit
{
    Q_OBJECT

public:
    // Shown between the elements; their own texts hold commas.
    static inline const QString Separator = QStringLiteral("; ");

    ArrayValueBox(QLineEdit* arrayBox, const QList<QLineEdit*>& elements);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showElements();

    QLineEdit* m_arrayBox;
    QList<QLineEdit*> m_elements;
};
