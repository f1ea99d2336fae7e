#pragma once

#include <QWidget>
#include <functional>

class PlugInDeregistration;
class PlugInRegistration;
class QComboBox;
class QPushButton;

// The small window of a stand-alone start: choose the language, register or deregister.
// However it is closed, the program ends.
class fRegisterPlugIn final : public QWidget
{
    Q_OBJECT

public:
    fRegisterPlugIn(PlugInRegistration& registration, PlugInDeregistration& deregistration,
                    std::function<void()> endPlugIn, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Language_Click();
    void bRegister_Click();
    void bDeregister_Click();
    void setButtonsEnabled(bool enabled);

    PlugInRegistration& m_registration;
    PlugInDeregistration& m_deregistration;
    std::function<void()> m_endPlugIn;
    QComboBox* m_language;
    QPushButton* m_register;
    QPushButton* m_deregister;
    QPushButton* m_exit;
    bool m_unloaded = false;
    // While a deregistration runs the window stays.
    bool m_busy = false;
};
