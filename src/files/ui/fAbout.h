#pragma once

#include <QDialog>

class Ui;

// The about box: product, version, the maker and its links, opened through the Ui service.
class fAbout final : public QDialog
{
    Q_OBJECT

public:
    static const QString EmailAddress;
    static const QString WebAddress;

    fAbout(Ui& ui, bool english, QWidget* parent);

    void lblemail_Click();
    void lblHyperlink_Click();

private:
    Ui& m_ui;
};
