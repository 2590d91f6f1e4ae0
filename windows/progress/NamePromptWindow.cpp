#include "windows/progress/NamePromptWindow.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>

#include "windows/title/TitleMenuWindow.h"

namespace vrh {

NamePromptWindow::NamePromptWindow(Forms& forms) : Form(forms, FormId::namePrompt) {
    setWindowTitle(QStringLiteral("Name"));
    setFixedSize(kClientW, kClientH);

    questionLabel = new QLabel(QStringLiteral("What is your name?"), this);
    questionLabel->setObjectName(QStringLiteral("questionLabel"));
    questionLabel->move(109, 8);
    questionLabel->adjustSize();

    nameEdit = new QLineEdit(this);
    nameEdit->setObjectName(QStringLiteral("nameEdit"));
    nameEdit->setGeometry(32, 32, 249, 19);
    nameEdit->setMaxLength(32767);  // as long as a line edit allows: no limit of our own

    hitStartLabel = new QLabel(QStringLiteral("Hit the Start button to continue."), this);
    hitStartLabel->setObjectName(QStringLiteral("hitStartLabel"));
    hitStartLabel->move(80, 56);
    hitStartLabel->adjustSize();

    nameEdit->setFocus();
    bindTimer(startKeyTimer, [this] { onStartKeyTick(); });
}

void NamePromptWindow::onLoad() { app().globals.flags.nameShowing = true; }

void NamePromptWindow::onStartKeyTick() {
    if (inNotice_) return;
    App& a = app();
    if (keys().GetAsyncKeyState(a.globals.keys.keyStart) == 0) return;

    const QString text = nameEdit->text();
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

void NamePromptWindow::startRun(const std::string& name) {
    App& a = app();
    a.g.attackPower = 1;
    a.g.playerDefense = 0;
    a.g.playerHP = 5;
    a.g.gunType = "Regular";
    a.g.shotType = "Regular";
    a.globals.playerName = name;
    a.globals.newGameAllowed = false;
    forms().show(FormId::game);
    if (auto* title = dynamic_cast<TitleMenuWindow*>(forms().find(FormId::titleMenu)))
        title->newGameEntry().selected = false;
    forms().unload(FormId::titleMenu);
    forms().unload(FormId::namePrompt);
}

void NamePromptWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    app().globals.flags.nameShowing = false;
    forms().show(FormId::titleMenu);  // loaded again if it was closed
    forms().unload(FormId::namePrompt);
}

}  // namespace vrh
