// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The About box: title, version, description, a notice with a link to the
// licence text, and two links to the web. It has
// no owner and does not block the main window; there is at most one.

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class frmAbout : public QDialog
{
    Q_OBJECT

public:
    // Creates and shows the About box, or only brings the open one to the front.
    static void Muestra();

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;

private:
    frmAbout();
    void Form_Load();
    void lblURL_Click();
    void Picture1_Click();

    QLabel *Picture1;
    QLabel *picIcon;
    QPushButton *cmdOK;
    QLabel *lblURL;
    QFrame *Line1[2];
    QLabel *lblDescription;
    QLabel *lblTitle;
    QLabel *lblVersion;
    QLabel *lblDisclaimer;
};
