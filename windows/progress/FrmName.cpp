#include "windows/progress/FrmName.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

#include "windows/title/FrmMainForm.h"

namespace vrh {

FrmName::FrmName(Forms& forms) : Form(forms, FormId::frmName) {
    setWindowTitle(QStringLiteral("Name"));
    setFixedSize(kClientW, kClientH);

    lblquestion = new QLabel(QStringLiteral("What is your name?"), this);
    lblquestion->setObjectName(QStringLiteral("lblquestion"));
    lblquestion->move(109, 8);
    lblquestion->adjustSize();

    txtName = new QLineEdit(this);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(32, 32, 249, 19);
    txtName->setMaxLength(32767);  // as long as a line edit allows: no limit of our own

    lblhitstart = new QLabel(QStringLiteral("Hit the Start button to continue."), this);
    lblhitstart->setObjectName(QStringLiteral("lblhitstart"));
    lblhitstart->move(80, 56);
    lblhitstart->adjustSize();

    txtName->setFocus();
    bindTimer(tmrEnter, [this] { tmrEnter_Timer(); });
}

void FrmName::Form_Load() { app().globals.flags.nameShowing = true; }

void FrmName::tmrEnter_Timer() {
    if (inNotice_) return;
    App& a = app();
    if (keys().GetAsyncKeyState(a.globals.keys.keyStart) == 0) return;

    const QString text = txtName->text();
    if (text.isEmpty()) {
        inNotice_ = true;
        a.msg.notice("That isn't a name!");
        inNotice_ = false;
        // The key that closed the box (Start more often than not) is the box's.
        keys().takeOver();
        return;
    }
    startRun(text.toStdString());
}

void FrmName::startRun(const std::string& name) {
    App& a = app();
    a.g.attackPower = 1;
    a.g.playerDefense = 0;
    a.g.playerHP = 5;
    a.g.gunType = "Regular";
    a.g.shotType = "Regular";
    a.globals.playerName = name;
    a.globals.newGameAllowed = false;
    forms().show(FormId::frmVarnholt);
    if (auto* title = dynamic_cast<FrmMainForm*>(forms().find(FormId::frmMainForm)))
        title->lblStart().selected = false;
    forms().unload(FormId::frmMainForm);
    forms().unload(FormId::frmName);
}

void FrmName::closeEvent(QCloseEvent* e) {
    e->ignore();
    app().globals.flags.nameShowing = false;
    forms().show(FormId::frmMainForm);  // loaded again if it was closed
    forms().unload(FormId::frmName);
}

}  // namespace vrh
