#include "registration/ui/fRegisterPlugIn.h"

#include "host/RegistryKeys.h"
#include "registration/PlugInDeregistration.h"
#include "registration/PlugInRegistration.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

fRegisterPlugIn::fRegisterPlugIn(PlugInRegistration& registration, PlugInDeregistration& deregistration,
                                 std::function<void()> endPlugIn, QWidget* parent)
    : QWidget(parent), m_registration(registration), m_deregistration(deregistration),
      m_endPlugIn(std::move(endPlugIn)), m_language(new QComboBox), m_register(new QPushButton),
      m_deregister(new QPushButton), m_exit(new QPushButton)
{
    setObjectName(QStringLiteral("fRegisterPlugIn"));
    setWindowTitle(registry_keys::ProductKey);

    auto* languageFrame = new QGroupBox(QStringLiteral("Language"));
    languageFrame->setObjectName(QStringLiteral("Frame1"));
    m_language->setObjectName(QStringLiteral("Language"));
    m_language->setAccessibleName(QStringLiteral("Language"));
    m_language->addItems({QStringLiteral("Deutsch"), QStringLiteral("English")});
    m_language->setCurrentIndex(0);
    auto* languageLayout = new QVBoxLayout(languageFrame);
    languageLayout->addWidget(m_language);

    auto* plugInFrame = new QGroupBox(QStringLiteral("Plug-in"));
    plugInFrame->setObjectName(QStringLiteral("Frame_Register"));
    m_register->setObjectName(QStringLiteral("bRegister"));
    m_register->setText(QStringLiteral("&Register Plug-in"));
    m_deregister->setObjectName(QStringLiteral("bDeregister"));
    m_deregister->setText(QStringLiteral("&Deregister Plug-in"));
    auto* plugInLayout = new QVBoxLayout(plugInFrame);
    plugInLayout->addWidget(m_register);
    plugInLayout->addWidget(m_deregister);

    m_exit->setObjectName(QStringLiteral("bExit"));
    m_exit->setText(QStringLiteral("&Exit"));

    auto* exitRow = new QHBoxLayout;
    exitRow->addStretch();
    exitRow->addWidget(m_exit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(languageFrame);
    layout->addWidget(plugInFrame);
    layout->addLayout(exitRow);

    m_registration.setSelectedLanguage(QStringLiteral("german"));
    connect(m_language, &QComboBox::currentIndexChanged, this, &fRegisterPlugIn::Language_Click);
    connect(m_register, &QPushButton::clicked, this, &fRegisterPlugIn::bRegister_Click);
    connect(m_deregister, &QPushButton::clicked, this, &fRegisterPlugIn::bDeregister_Click);
    connect(m_exit, &QPushButton::clicked, this, &QWidget::close);
}

void fRegisterPlugIn::Language_Click()
{
    m_registration.setSelectedLanguage(m_language->currentIndex() == 1 ? QStringLiteral("english")
                                                                       : QStringLiteral("german"));
}

void fRegisterPlugIn::bRegister_Click()
{
    Language_Click();
    m_registration.RegisterPlugIn(true);
    close();
}

void fRegisterPlugIn::bDeregister_Click()
{
    setButtonsEnabled(false);
    m_busy = true;
    repaint();
    QCoreApplication::processEvents();
    m_deregistration.DeregisterPlugIn(PlugInDeregistration::RemoveCommandsAndTemplates, true);
    m_busy = false;
    setButtonsEnabled(true);
    close();
}

void fRegisterPlugIn::setButtonsEnabled(bool enabled)
{
    m_register->setEnabled(enabled);
    m_deregister->setEnabled(enabled);
    m_exit->setEnabled(enabled);
}

void fRegisterPlugIn::closeEvent(QCloseEvent* event)
{
    if (m_busy) {
        event->ignore();
        return;
    }
    event->accept();
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (m_endPlugIn)
        m_endPlugIn();
}
