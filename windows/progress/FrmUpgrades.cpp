#include "windows/progress/FrmUpgrades.h"

#include <QCloseEvent>
#include <QFont>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "game/Shots.h"
#include "windows/play/FrmVarnholt.h"
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
    {B::UpHP, "cmdUpHP", 464, 96},
    {B::AttackUp, "cmdAttackUp", 464, 128},
    {B::DefUp, "cmdDefUp", 464, 160},
    {B::Mega, "cmdMega", 480, 328},
    {B::Giga, "cmdGigaShot", 480, 368},
    {B::Omega, "cmdOmega", 480, 408},
    {B::NinjaGun, "cmdNinjaGun", 96, 328},
    {B::ShockerGun, "cmdShockergun", 96, 368},
    {B::PsychicGun, "cmdpsychicgun", 96, 408},
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
    {"lbl1", "Type", 408, 56, 0},
    {"lblcostd", "Cost", 488, 56, 0},
    {"lbl2", "Description", 568, 56, 0},
    {"lblHP", "HP:", 408, 96, 56},
    {"lblhpDescrip", "Adds 1 to player's HP", 568, 96, 0},
    {"lblAttack", "Attack:", 408, 128, 56},
    {"lblAttackDiscrip", "Adds 1 to player's Attack", 568, 128, 0},
    {"lblDef", "Def:", 408, 160, 56},
    {"lblDefDescript", "Adds 1 to Def", 568, 160, 0},
    {"Label1", "Weapons", 304, 216, 0},
    {"lblCurrentWeapon", "Current Weapon:", 80, 272, 0},
    {"lblCurrentShot", "Current Shot Type:", 488, 264, 0},
    {"lblguntype", "Gun Type:", 24, 304, 0},
    {"lblcostt", "Cost:", 112, 304, 0},
    {"lblgd", "Description", 240, 304, 0},
    {"lblng", "Ninja Gun", 24, 328, 72},
    {"lblngd", "Gun that shoots ninja stars!", 208, 328, 192},
    {"lblShocker", "Shocker Gun", 24, 368, 72},
    {"lblsgd", "Gun that shoots balls of electrisity!", 208, 368, 192},
    {"lblpg", "Psychic Gun", 24, 408, 72},
    {"lblpgd", "Gun that shoots balls of psychic energy!", 208, 408, 192},
    {"Label4", "Shot Type:", 408, 304, 0},
    {"Label6", "Cost", 520, 304, 0},
    {"Label3", "Description", 592, 304, 0},
    {"lblMega", "Mega Shot", 408, 328, 72},
    {"lblmegad", "Adds 3 to attack.", 584, 328, 0},
    {"lblgiga", "Giga Shot", 408, 368, 72},
    {"lblgigad", "Adds 5 to attack.", 584, 368, 0},
    {"lblOmega", "Omega Shot", 408, 408, 72},
    {"lblomegad", "Adds 10 to attack.", 584, 408, 0},
};
constexpr int kLabelH = 32;  // room for a wrapped second line
constexpr int kEdgeMargin = 4;

const QColor kTextBlue(0, 0, 255);

QFont shopFont() { return theme::font(theme::kFontPixels); }

QString qs(const std::string& s) { return QString::fromStdString(s); }

bool isStat(B id) { return id == B::UpHP || id == B::AttackUp || id == B::DefUp; }
bool isShot(B id) { return id == B::Mega || id == B::Giga || id == B::Omega; }
}  // namespace

FrmUpgrades::FrmUpgrades(Forms& forms)
    : Form(forms, FormId::frmUpgrades), renderer_(QSize(kClientW, kClientH)) {
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
    cmdOkay = new QPushButton(QStringLiteral("Next Level"), this);
    cmdOkay->setObjectName(QStringLiteral("cmdOkay"));
    cmdOkay->setGeometry(312, 516, kButtonW, kButtonH);
    connect(cmdOkay, &QPushButton::clicked, this, [this] {
        if (takesInput()) cmdOkay_Click();
    });
    // The pad keys choose among the buttons (see pollPadKeys): no button
    // takes keyboard focus, so Space, the fire key, never clicks one.
    for (QPushButton* b : focusOrder()) b->setFocusPolicy(Qt::NoFocus);
    focused_ = int(kShopButtonCount);  // "Next Level"

    for (const LabelDesign& d : kLabels) {
        const int w = d.width > 0 ? d.width : kClientW - kEdgeMargin - d.x;
        labels_.push_back({QLatin1String(d.name), QLatin1String(d.caption), QRect(d.x, d.y, w, kLabelH),
                           QLatin1String(d.name) != QLatin1String("lbl2")});
    }
    syncButtons();
    bindTimer(Timer1, [this] { Timer1_Timer(); });
}

FrmVarnholt* FrmUpgrades::gameWindow() const { return forms().findAs<FrmVarnholt>(FormId::frmVarnholt); }

void FrmUpgrades::pull() {
    const auto buttons = shop_.buttons;
    shop_ = shopStateFrom(app().g);
    shop_.buttons = buttons;
}

void FrmUpgrades::push() { copyShopStateTo(shop_, app().g); }

void FrmUpgrades::Form_Load() {
    App& a = app();
    a.globals.flags.upgradesShowing = true;
    if (FrmVarnholt* gw = gameWindow()) {
        gw->model().tmrMoves.setEnabled(false);
        gw->model().tmrTankShot.setEnabled(false);
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

void FrmUpgrades::Form_Unload() { app().globals.flags.upgradesShowing = false; }

QString FrmUpgrades::labelCaption(const QString& name) const {
    for (const ShopLabel& l : labels_)
        if (l.name == name) return l.caption;
    return {};
}

void FrmUpgrades::setLabel(const char* name, const std::string& caption) {
    for (ShopLabel& l : labels_)
        if (l.name == QLatin1String(name)) l.caption = qs(caption);
}

void FrmUpgrades::showStatsAndCaption() {
    setWindowTitle(qs(shopCaption(shop_)));
    setLabel("lblHP", hpLabel(shop_));
    setLabel("lblAttack", attackLabel(shop_));
    setLabel("lblDef", defenseLabel(shop_));
}

void FrmUpgrades::showTexts() {
    showStatsAndCaption();
    setLabel("lblCurrentWeapon", currentWeaponLabel(shop_));
    setLabel("lblCurrentShot", currentShotLabel(shop_));
}

void FrmUpgrades::syncButtons() {
    for (size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setText(qs(shop_.buttons[i].caption));
        buttons_[i]->setEnabled(shop_.buttons[i].enabled);
    }
}

void FrmUpgrades::buyItem(ShopButtonId id) {
    pull();
    if (!buy(shop_, id)) return;
    push();
    // A stat shows its new value and the money at once; a shot its name; a
    // gun shows on the next tick.
    if (isStat(id)) showStatsAndCaption();
    else if (isShot(id)) setLabel("lblCurrentShot", currentShotLabel(shop_));
    syncButtons();
    update();
}

std::vector<QPushButton*> FrmUpgrades::focusOrder() const {
    std::vector<QPushButton*> order(buttons_.begin(), buttons_.end());
    order.push_back(cmdOkay);
    return order;
}

void FrmUpgrades::pollPadKeys() {
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

void FrmUpgrades::Timer1_Timer() {
    if (ticksOpen_ < kTicksBeforeInput) ++ticksOpen_;
    pollPadKeys();
    GameState& g = app().g;
    g.shotFrame += 1;
    if (g.shotFrame == 3) g.shotFrame = 1;

    pull();
    showTexts();
    refreshShop(shop_);
    composePreview();
    pull();  // the shot size measured for the preview
    syncButtons();
    update();
}

void FrmUpgrades::composePreview() {
    GameState& g = app().g;
    const uint8_t f = uint8_t(std::clamp(int(g.shotFrame) - 1, 0, 1));
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

void FrmUpgrades::paintEvent(QPaintEvent*) {
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

void FrmUpgrades::cmdOkay_Click() {
    App& a = app();
    forms().show(FormId::frmVarnholt);
    if (FrmVarnholt* gw = gameWindow()) {
        GameWindow& m = gw->model();
        m.tmrMoves.setEnabled(true);
        if (m.volleyUnderway) m.tmrTankShot.setEnabled(true);
    }
    a.g.playerHP = a.g.playerMaxHP;
    forms().unload(FormId::frmUpgrades);
}

void FrmUpgrades::closeEvent(QCloseEvent* e) {
    e->ignore();
    cmdOkay_Click();
}

}  // namespace vrh
