#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

// The splash window with the unit's front view and the maker's logo; its progress bar and
// text show device searches.
class fStartbild final : public QWidget
{
    Q_OBJECT

public:
    explicit fStartbild(QWidget* parent = nullptr);

    QProgressBar* Progr_Geraete() const { return m_progress; }
    QLabel* lblGeraet() const { return m_lblGeraet; }

private:
    QProgressBar* m_progress;
    QLabel* m_lblGeraet;
};
