#include "files/ui/fDruckmenue.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& text, bool checked)
{
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    box->setChecked(checked);
    return box;
}

} // namespace

fDruckmenue::fDruckmenue(bool english, bool cps, bool nvis, bool nvos, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("fDruckmenue"));
    setWindowTitle(english ? QStringLiteral("Print properties") : QStringLiteral("Druckinhalt"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(
        english ? QStringLiteral("Print properties") : QStringLiteral("Auswahl des Druckinhaltes"), this);
    label->setObjectName(QStringLiteral("lblDruckauswahl"));
    m_chknvi = checkBox(this, QStringLiteral("chknvi"), QStringLiteral("nvi's"), nvis);
    m_chknvo = checkBox(this, QStringLiteral("chknvo"), QStringLiteral("nvo's"), nvos);
    m_chknci = checkBox(this, QStringLiteral("chknci"), QStringLiteral("SCPT's / UCPT's"), cps);
    auto* button =
        new QPushButton(english ? QStringLiteral("Printmenu") : QStringLiteral("&Druckmenü"), this);
    button->setObjectName(QStringLiteral("cmdDruck"));
    button->setDefault(true);
    layout->addWidget(label);
    layout->addWidget(m_chknvi);
    layout->addWidget(m_chknvo);
    layout->addWidget(m_chknci);
    layout->addWidget(button);
    connect(button, &QPushButton::clicked, this, [this] { cmdDruck_Click(); });

    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

bool fDruckmenue::cps() const
{
    return m_chknci->isChecked();
}

bool fDruckmenue::nvis() const
{
    return m_chknvi->isChecked();
}

bool fDruckmenue::nvos() const
{
    return m_chknvo->isChecked();
}

void fDruckmenue::cmdDruck_Click()
{
    m_chosen = true;
    accept();
}
