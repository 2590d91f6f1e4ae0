#include "windows/progress/UpgradeShopWindow.h"

#include <QCloseEvent>
#include <QFont>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "game/Shots.h"
#include "windows/play/GameWindowWidget.h"
#include "meta/ShopFocus.h"
#include "ui/Theme.h"

namespace vrh {

namespace {
using B = ShopButtonId;

struct ButtonDesign {
    B id;
    const char* name;
    int x, y;
};
constexpr std::array<ButtonDesign, kShopButtonCount> kButtons{{
    {B::UpHP, "hpUpButton", 464, 96},
    {B::AttackUp, "attackUpButton", 464, 128},
    {B::DefUp, "defenseUpButton", 464, 160},
    {B::Mega, "megaShotButton", 480, 328},
    {B::Giga, "gigaShotButton", 480, 368},
    {B::Omega, "omegaShotButton", 480, 408},
    {B::NinjaGun, "ninjaGunButton", 96, 328},
    {B::ShockerGun, "shockerGunButton", 96, 368},
    {B::PsychicGun, "psychicGunButton", 96, 408},
}};
constexpr int kButtonW = 97, kButtonH = 17;

struct LabelDesign {
    const char* name;
    const char* caption;
    int x, y;
    int width;  // 0: up to the right edge of the window
};
// The descriptions run into the next column or off the window at their
// design positions, so they get a width to wrap in.
constexpr LabelDesign kLabels[] = {
    {"Label7", "Player Stats", 464, 16, 0},
    {"typeHeading", "Type", 408, 56, 0},
    {"costHeading", "Cost", 488, 56, 0},
    {"descriptionHeading", "Description", 568, 56, 0},
    {"hpText", "HP:", 408, 96, 56},
    {"hpDescription", "Adds 1 to player's HP", 568, 96, 0},
    {"attackText", "Attack:", 408, 128, 56},
    {"attackDescription", "Adds 1 to player's Attack", 568, 128, 0},
    {"defenseText", "Def:", 408, 160, 56},
    {"defenseDescription", "Adds 1 to Def", 568, 160, 0},
    {"Label1", "Weapons", 304, 216, 0},
    {"currentWeaponText", "Current Weapon:", 80, 272, 0},
    {"currentShotText", "Current Shot Type:", 488, 264, 0},
    {"gunTypeHeading", "Gun Type:", 24, 304, 0},
    {"gunCostHeading", "Cost:", 112, 304, 0},
    {"gunDescriptionHeading", "Description", 240, 304, 0},
    {"ninjaGunName", "Ninja Gun", 24, 328, 72},
    {"ninjaGunDescription", "Gun that shoots ninja stars!", 208, 328, 192},
    {"shockerGunName", "Shocker Gun", 24, 368, 72},
    {"shockerGunDescription", "Gun that shoots balls of electrisity!", 208, 368, 192},
    {"psychicGunName", "Psychic Gun", 24, 408, 72},
    {"psychicGunDescription", "Gun that shoots balls of psychic energy!", 208, 408, 192},
    {"shotTypeHeading", "Shot Type:", 408, 304, 0},
    {"shotCostHeading", "Cost", 520, 304, 0},
    {"shotDescriptionHeading", "Description", 592, 304, 0},
    {"megaShotName", "Mega Shot", 408, 328, 72},
    {"megaShotDescription", "Adds 3 to attack.", 584, 328, 0},
    {"gigaShotName", "Giga Shot", 408, 368, 72},
    {"gigaShotDescription", "Adds 5 to attack.", 584, 368, 0},
    {"omegaShotName", "Omega Shot", 408, 408, 72},
    {"omegaShotDescription", "Adds 10 to attack.", 584, 408, 0},
};
constexpr int kLabelH = 32;  // room for a wrapped second line
constexpr int kEdgeMargin = 4;

const QColor kTextBlue(0, 0, 255);

QFont shopFont() { return theme::font(theme::kFontPixels); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

bool isStat(B id) { return id == B::UpHP || id == B::AttackUp || id == B::DefUp; }
bool isShot(B id) { return id == B::Mega || id == B::Giga || id == B::Omega; }
}  // namespace

UpgradeShopWindow::UpgradeShopWindow(Forms& forms)
    : Form(forms, FormId::upgradeShop), renderer_(QSize(kClientW, kClientH)) {
    setWindowTitle(QStringLiteral("Upgrades"));
    setFixedSize(kClientW, kClientH);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(shopFont());

    for (const ButtonDesign& d : kButtons) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(d.name));
        b->setGeometry(d.x, d.y, kButtonW, kButtonH);
        const B id = d.id;
        connect(b, &QPushButton::clicked, this, [this, id] {
            if (takesInput()) buyItem(id);
        });
        buttons_[size_t(id)] = b;
    }
    okayButton = new QPushButton(QStringLiteral("Next Level"), this);
    okayButton->setObjectName(QStringLiteral("okayButton"));
    okayButton->setGeometry(312, 516, kButtonW, kButtonH);
    connect(okayButton, &QPushButton::clicked, this, [this] {
        if (takesInput()) onOkayClicked();
    });
    // The pad keys choose among the buttons (see pollPadKeys): no button
    // takes keyboard focus, so Space, the fire key, never clicks one.
    for (QPushButton* b : focusOrder()) b->setFocusPolicy(Qt::NoFocus);
    focused_ = int(kShopButtonCount);  // "Next Level"

    for (const LabelDesign& d : kLabels) {
        const int w = d.width > 0 ? d.width : kClientW - kEdgeMargin - d.x;
        labels_.push_back({QLatin1String(d.name), QLatin1String(d.caption), QRect(d.x, d.y, w, kLabelH),
                           QLatin1String(d.name) != QLatin1String("descriptionHeading")});
    }
    syncButtons();
    bindTimer(shopTimer, [this] { onShopTick(); });
}

GameWindowWidget* UpgradeShopWindow::gameWindow() const {
    return forms().findAs<GameWindowWidget>(FormId::game);
}

void UpgradeShopWindow::pull() {
    const auto buttons = shop_.buttons;
    shop_ = shopStateFrom(app().g);
    shop_.buttons = buttons;
}

void UpgradeShopWindow::push() { copyShopStateTo(shop_, app().g); }

void UpgradeShopWindow::onLoad() {
    App& a = app();
    a.globals.flags.upgradesShowing = true;
    if (GameWindowWidget* gw = gameWindow()) {
        gw->model().moveTimer.setEnabled(false);
        gw->model().tankShotTimer.setEnabled(false);
    }
    shop_ = shopStateFrom(a.g);
    openShop(shop_);
    showTexts();
    syncButtons();
    // Until the first tick the window shows its background.
    frame_.clear();
    frame_.copy(SpriteRef{Pic::shopbg}, 0, 0, kClientW, kClientH);
    renderer_.render(frame_);
}

void UpgradeShopWindow::onUnload() { app().globals.flags.upgradesShowing = false; }

QString UpgradeShopWindow::labelCaption(const QString& name) const {
    for (const ShopLabel& l : labels_)
        if (l.name == name) return l.caption;
    return {};
}

void UpgradeShopWindow::setLabel(const char* name, const std::string& caption) {
    for (ShopLabel& l : labels_)
        if (l.name == QLatin1String(name)) l.caption = qs(caption);
}

void UpgradeShopWindow::showStatsAndCaption() {
    setWindowTitle(qs(shopCaption(shop_)));
    setLabel("hpText", hpLabel(shop_));
    setLabel("attackText", attackLabel(shop_));
    setLabel("defenseText", defenseLabel(shop_));
}

void UpgradeShopWindow::showTexts() {
    showStatsAndCaption();
    setLabel("currentWeaponText", currentWeaponLabel(shop_));
    setLabel("currentShotText", currentShotLabel(shop_));
}

void UpgradeShopWindow::syncButtons() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setText(qs(shop_.buttons[i].caption));
        buttons_[i]->setEnabled(shop_.buttons[i].enabled);
    }
}

void UpgradeShopWindow::buyItem(ShopButtonId id) {
    pull();
    if (!buy(shop_, id)) return;
    push();
    // A stat shows its new value and the money at once; a shot its name; a
    // gun shows on the next tick.
    if (isStat(id))
        showStatsAndCaption();
    else if (isShot(id))
        setLabel("currentShotText", currentShotLabel(shop_));
    syncButtons();
    update();
}

std::vector<QPushButton*> UpgradeShopWindow::focusOrder() const {
    std::vector<QPushButton*> order(buttons_.begin(), buttons_.end());
    order.push_back(okayButton);
    return order;
}

void UpgradeShopWindow::pollPadKeys() {
    KeyState& k = keys();
    const ButtonMap& map = app().globals.keys;
    struct Arrow {
        Int16 key;
        FocusStep step;
    };
    const Arrow arrows[4] = {{map.keyUp, FocusStep::Up},
                             {map.keyDown, FocusStep::Down},
                             {map.keyLeft, FocusStep::Left},
                             {map.keyRight, FocusStep::Right}};
    // Every key is read on every tick, so presses made while the shop is
    // not yet taking input are used up, not kept for later.
    std::vector<FocusStep> steps;
    for (size_t i = 0; i < 4; ++i)
        if (arrowRepeat_[i].step(k.GetAsyncKeyState(arrows[i].key))) steps.push_back(arrows[i].step);
    const bool press = (k.GetAsyncKeyState(map.keyA) & kKeyPressedBit) != 0;
    const bool start = (k.GetAsyncKeyState(map.keyStart) & kKeyPressedBit) != 0;
    if (!takesInput()) return;

    std::vector<FocusTarget> targets;
    for (QPushButton* b : focusOrder())
        targets.push_back({b->x(), b->y(), b->width(), b->height(), b->isEnabled()});
    const int before = focused_;
    focused_ = keepFocusEnabled(targets, focused_);
    for (FocusStep step : steps) focused_ = moveFocus(targets, focused_, step);
    if (focused_ != before) update();
    if ((press || start) && focused_ >= 0) focusOrder()[size_t(focused_)]->click();
}

void UpgradeShopWindow::onShopTick() {
    if (ticksOpen_ < kTicksBeforeInput) ++ticksOpen_;
    pollPadKeys();
    GameState& g = app().g;
    g.carried.shotFrame += 1;
    if (g.carried.shotFrame == 3) g.carried.shotFrame = 1;

    pull();
    showTexts();
    refreshShop(shop_);
    composePreview();
    pull();  // the shot size measured for the preview
    syncButtons();
    update();
}

void UpgradeShopWindow::composePreview() {
    GameState& g = app().g;
    const uint8_t f = uint8_t(std::clamp(int(g.carried.shotFrame) - 1, 0, 1));
    frame_.clear();
    frame_.copy(SpriteRef{Pic::shopbg}, 0, 0, kClientW, kClientH);
    if (const auto pics = shotPictures(g.gunType, g.shotType)) {
        measureShot(g, *pics);
        frame_.masked(SpriteRef{pics->mask, f}, SpriteRef{pics->picture, f}, kShotPreview.x(),
                      kShotPreview.y(), g.shotW, g.shotH);
    }
    frame_.masked(SpriteRef{Pic::beerightmask, f}, SpriteRef{Pic::beeright, f}, kBeePreview.x(),
                  kBeePreview.y(), g.playerW, g.playerH);
    renderer_.render(frame_);
}

void UpgradeShopWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    renderer_.present(p, QSize(kClientW, kClientH), size());
    p.setFont(shopFont());
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    for (const ShopLabel& l : labels_) {
        if (!l.printed) continue;
        // A pale rim keeps the blue readable on any part of the background.
        p.setPen(theme::rimFor(kTextBlue));
        for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            p.drawText(l.box.translated(d), flags, l.caption);
        p.setPen(kTextBlue);
        p.drawText(l.box, flags, l.caption);
    }
    // The pad's focus: a gold frame around the button A or Start presses.
    if (focused_ >= 0 && focused_ < int(focusOrder().size())) {
        const QRect r = focusOrder()[size_t(focused_)]->geometry().adjusted(-3, -3, 2, 2);
        p.setPen(QPen(QColor(255, 200, 40), 2));
        p.drawRect(r);
    }
}

void UpgradeShopWindow::onOkayClicked() {
    App& a = app();
    forms().show(FormId::game);
    if (GameWindowWidget* gw = gameWindow()) {
        GameWindow& m = gw->model();
        m.moveTimer.setEnabled(true);
        if (m.volleyUnderway) m.tankShotTimer.setEnabled(true);
    }
    a.g.playerHP = a.g.playerMaxHP;
    forms().unload(FormId::upgradeShop);
}

void UpgradeShopWindow::closeEvent(QCloseEvent* e) {
    e->ignore();
    onOkayClicked();
}

}  // namespace vrh
