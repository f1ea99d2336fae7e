#pragma once

#include <QDialog>

class QCheckBox;

// The print selection window: which lists the report carries.
class fDruckmenue final : public QDialog
{
    Q_OBJECT

public:
    fDruckmenue(bool english, bool cps, bool nvis, bool nvos, QWidget* parent);

    // True when the window was left through its button.
    bool chosen() const { return m_chosen; }
    bool cps() const;
    bool nvis() const;
    bool nvos() const;

    void cmdDruck_Click();

private:
    QCheckBox* m_chknvi = nullptr;
    QCheckBox* m_chknvo = nullptr;
    QCheckBox* m_chknci = nullptr;
    bool m_chosen = false;
};
