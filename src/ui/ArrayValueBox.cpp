#include "ui/ArrayValueBox.h"

#include "ui/ChangeMarker.h"

#include <QEvent>
#include <QStringList>

ArrayValueBox::ArrayValueBox(QLineEdit* arrayBox, const QList<QLineEdit*>& elements)
    : m_arrayBox(arrayBox), m_elements(elements)
{
    setReadOnly(true);
    m_arrayBox->hide();
    m_arrayBox->installEventFilter(this);
    for (QLineEdit* element : elements)
        connect(element, &QLineEdit::textChanged, this, &ArrayValueBox::showElements);
    showElements();
}

bool ArrayValueBox::eventFilter(QObject* watched, QEvent* event)
{
    // The mark is the array box's colour; whenever it changes, this box follows.
    if (watched == m_arrayBox && event->type() == QEvent::PaletteChange)
        change_marker::setMarked(this, change_marker::isMarked(m_arrayBox));
    return QLineEdit::eventFilter(watched, event);
}

void ArrayValueBox::showElements()
{
    QStringList texts;
    for (const QLineEdit* element : std::as_const(m_elements))
        texts.append(element->text());
    setText(texts.join(Separator));
    setCursorPosition(0);
}
