#include "windows/title/StartupWindow.h"

#include <QApplication>

#include <algorithm>
#include <QFile>

#include "meta/FlagFile.h"

namespace vrh {

std::optional<std::string> EmbeddedMedia::LoadResData(int resId) const {
    QFile f(QStringLiteral(":/media/%1").arg(resId));
    if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray bytes = f.readAll();
    return std::string(bytes.constData(), size_t(bytes.size()));
}

const ResourceSource& StartupWindow::embedded() {
    static const EmbeddedMedia media;
    return media;
}

StartupWindow::StartupWindow(Forms& forms, const ResourceSource& media)
    : Form(forms, FormId::startup), onQuit([] { QCoreApplication::quit(); }), anyWindowShown([] {
          const auto windows = QApplication::topLevelWidgets();
          return std::any_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); });
      }),
      media_(media) {}

ResToFileResult StartupWindow::ResToFile(const std::filesystem::path& fileName, int resId,
                                         bool overwrite) const {
    return vrh::ResToFile(fileName, resId, media_, overwrite);
}

void StartupWindow::onLoad() {
    bindTimer(watchdogTimer, [this] { onWatchdogTick(); });
    App& a = app();

    a.paths.compute(a.appFolder.string());

    a.globals.flags = WindowFlags{};  // every window closed but the title menu, about to open
    a.globals.flags.mainMenuShowing = true;

    // The game runs on without its media when the folder cannot take them;
    // the player is told once which folder it was.
    extraction_ = extractMedia(a.appFolder, media_);
    if (extraction_.flagFileRefused)
        qWarning("start-up: %s %s: no media written", kFlagFileName, extraction_.flagFileRefused->c_str());
    if (extraction_.unwritableFolder) a.msg.notice(unwritableFolderNotice(*extraction_.unwritableFolder));

    a.globals.keys = ButtonMap{};  // the default bindings for this session

    forms().show(FormId::titleMenu);
}

void StartupWindow::onWatchdogTick() {
    App& a = app();
    const WindowFlags& f = a.globals.flags;
    // A program none of whose windows can be seen for a second ends too,
    // whatever the flags say: nobody could reach it any more.
    ticksNothingShown_ = anyWindowShown() ? 0 : ticksNothingShown_ + 1;
    // The shop's flag is not consulted.
    const bool windowOpen = f.loadShowing || f.gameShowing || f.mainMenuShowing || f.highScoresShowing ||
                            f.buttonConfigShowing || f.nameShowing || f.aboutShowing || f.optionsShowing;
    if (windowOpen && ticksNothingShown_ < kTicksNothingShownToEnd) return;

    Forms& w = forms();
    // (The sprite pictures live in the sprite sheet, not in a window of their own.)
    w.unload(FormId::titleMenu);
    w.unload(FormId::keyConfig);
    w.unload(FormId::credits);
    w.unload(FormId::game);
    w.unload(FormId::highScores);

    Sounds& s = a.snd;
    s.titleOpeningSound.close();
    s.enemyShotSound.close();
    s.menuMoveSound.close();
    s.tankShotSound.close();
    s.playerShotSound.close();
    s.explosionSound.close();
    s.levelUpSound.close();
    s.highScoreSound.close();
    s.titleLoopSound.close();

    w.unload(FormId::options);
    w.unload(FormId::upgradeShop);
    w.unload(FormId::saveSlots);
    w.unload(FormId::namePrompt);
    const std::function<void()> quit = onQuit;  // this window is on its way out
    w.unload(FormId::startup);
    if (quit) quit();
}

}  // namespace vrh
