#pragma once
// The upgrade shop between two levels. Prices live in the captions of the
// buy buttons and are read back at every purchase (meta/ShopPrices holds the
// rules). Every 100 ms the shop refreshes its texts and buttons and animates
// a preview of the bee and of the equipped shot.
//
// "Next Level" shows the game window again and resumes its tick. Closing the
// shop with its close box does the same: otherwise the game window would stay
// hidden and frozen with nothing left to bring it back.
#include <QRect>
#include <QString>

#include <array>
#include <vector>

#include "draw/Frame.h"
#include "ui/Renderer.h"
#include "meta/ShopPrices.h"
#include "ui/Forms.h"

class QPushButton;

namespace vrh {

class GameWindowWidget;

class UpgradeShopWindow : public Form {
    Q_OBJECT
public:
    static constexpr int kClientW = 702, kClientH = 541;
    static constexpr QPoint kShotPreview{113, 138};
    static constexpr QPoint kBeePreview{43, 115};

    explicit UpgradeShopWindow(Forms& forms);

    void onLoad() override;
    void onUnload() override;
    void onShopTick();

    void onHpUpClicked() { buyItem(ShopButtonId::UpHP); }
    void onAttackUpClicked() { buyItem(ShopButtonId::AttackUp); }
    void onDefenseUpClicked() { buyItem(ShopButtonId::DefUp); }
    void onMegaShotClicked() { buyItem(ShopButtonId::Mega); }
    void onGigaShotClicked() { buyItem(ShopButtonId::Giga); }
    void onOmegaShotClicked() { buyItem(ShopButtonId::Omega); }
    void onNinjaGunClicked() { buyItem(ShopButtonId::NinjaGun); }
    void onShockerGunClicked() { buyItem(ShopButtonId::ShockerGun); }
    void onPsychicGunClicked() { buyItem(ShopButtonId::PsychicGun); }
    void onOkayClicked();

    Timer shopTimer{100, true};
    // No button acts until the shop has been open this many ticks (half a
    // second): fire taps around the end of the level must not buy.
    static constexpr int kTicksBeforeInput = 5;
    bool takesInput() const { return ticksOpen_ >= kTicksBeforeInput; }
    // Index into the buy buttons then "Next Level"; -1 when none is enabled.
    int focusedButton() const { return focused_; }

    QPushButton* button(ShopButtonId id) const { return buttons_[size_t(id)]; }
    QPushButton* okayButton = nullptr;

    // A label of the window, printed by the tick at its position.
    struct ShopLabel {
        QString name;
        QString caption;
        QRect box;            // position and the width the text may use
        bool printed = true;  // descriptionHeading is part of the design but never printed
    };
    const std::vector<ShopLabel>& labels() const { return labels_; }
    QString labelCaption(const QString& name) const;
    const Frame& frame() const { return frame_; }
    const Renderer& renderer() const { return renderer_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buyItem(ShopButtonId id);
    GameWindowWidget* gameWindow() const;
    // The run's values into the shop's state, and back.
    void pull();
    void push();
    void setLabel(const char* name, const std::string& caption);
    void showStatsAndCaption();
    void showTexts();
    void syncButtons();
    void composePreview();
    // The buy buttons in id order, then "Next Level".
    std::vector<QPushButton*> focusOrder() const;
    // Arrows move the focus, A or Start presses the focused button.
    void pollPadKeys();

    ShopState shop_;
    std::array<QPushButton*, kShopButtonCount> buttons_{};
    std::vector<ShopLabel> labels_;
    Frame frame_;
    Renderer renderer_;
    int ticksOpen_ = 0;
    int focused_ = 0;
    std::array<PressRepeat, 4> arrowRepeat_{};  // Up, Down, Left, Right
};

}  // namespace vrh
