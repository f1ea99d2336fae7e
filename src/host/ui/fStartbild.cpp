#include "host/ui/fStartbild.h"

#include "host/ui/SplashPictures.h"

#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>

fStartbild::fStartbild(QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::FramelessWindowHint), m_progress(new QProgressBar(this)),
      m_lblGeraet(new QLabel(this))
{
    setObjectName(QStringLiteral("fStartbild"));
    setWindowTitle(QStringLiteral("Korvandel Devices GmbH"));
    setAutoFillBackground(true);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);

    auto* image1 = new QLabel(this);
    image1->setObjectName(QStringLiteral("Image1"));
    image1->setPixmap(splash_pictures::unitFront(QSize(200, 200)));
    image1->setAccessibleName(QStringLiteral("ZEP31"));

    auto* image2 = new QLabel(this);
    image2->setObjectName(QStringLiteral("Image2"));
    image2->setPixmap(splash_pictures::logo(QSize(220, 70)));
    image2->setAccessibleName(QStringLiteral("Korvandel Devices GmbH"));

    auto* label3 = new QLabel(QStringLiteral("Plug-In ZEP31"), this);
    label3->setObjectName(QStringLiteral("Label3"));
    QFont titleFont = label3->font();
    titleFont.setPointSize(titleFont.pointSize() + 8);
    titleFont.setBold(true);
    label3->setFont(titleFont);

    m_progress->setObjectName(QStringLiteral("Progr_Geraete"));
    m_progress->setVisible(false);
    m_lblGeraet->setObjectName(QStringLiteral("lblGeraet"));

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(image1, 0, 0, 3, 1);
    layout->addWidget(image2, 0, 1, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(label3, 1, 1, Qt::AlignRight | Qt::AlignVCenter);
    layout->addWidget(m_lblGeraet, 2, 1, Qt::AlignRight | Qt::AlignBottom);
    layout->addWidget(m_progress, 3, 0, 1, 2);
    setFixedSize(520, 270);
}
