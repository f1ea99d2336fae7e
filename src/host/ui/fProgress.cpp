#include "host/ui/fProgress.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

fProgress::fProgress(QWidget* parent) : QWidget(parent, Qt::Dialog), m_lblStatus(new QLabel(this))
{
    setObjectName(QStringLiteral("fProgress"));
    setWindowTitle(QStringLiteral("Plug-In"));
    m_lblStatus->setObjectName(QStringLiteral("lblStatus"));
    m_lblStatus->setWordWrap(true);
    m_lblStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_lblStatus);
    setFixedSize(420, 90);
    setStatus(QStringLiteral(" Initialisiere PlugIn...."));
}

void fProgress::setStatus(const QString& text)
{
    m_status = text;
    // The texts carry Windows line ends; the label wants plain ones.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    m_lblStatus->setText(shown);
    m_lblStatus->setAccessibleName(shown);
}

bool fProgress::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate)
        emit activated();
    return QWidget::event(event);
}
