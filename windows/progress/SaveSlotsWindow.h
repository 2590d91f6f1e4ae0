#pragma once
// The save-slot picker: three slots of "vrhsf.txt". Opened to load (from the
// title menu or the game's File menu) or to save (from the game's File menu);
// loadMode, set by the opener, decides what a click on a slot does.
//
// Closing the picker with its close box does what its visible label does:
// "Cancel" (back to the title menu) when loading, "Okay" (back to the hidden
// game) when saving, so the program is never left without a window.
#include <QLabel>

#include <array>

#include "meta/SaveSlots.h"
#include "ui/ClickLabel.h"
#include "ui/Forms.h"

namespace vrh {

class SaveSlotsWindow : public Form {
    Q_OBJECT
public:
    static constexpr int kClientW = 426, kClientH = 185;

    explicit SaveSlotsWindow(Forms& forms);

    void onLoad() override;
    void onUnload() override;
    void onCloseTitleMenuTick();
    void onSlotClicked(int index);
    void onCancelClicked();
    void onOkayClicked();

    Timer closeTitleMenuTimer{1, true};
    std::array<QLabel*, kSaveSlotCount> slotLabel{};          // "File 1:" .. "File 3:"
    std::array<ClickLabel*, kSaveSlotCount> slotNameLabel{};  // the slot captions
    ClickLabel* okayLabel = nullptr;
    ClickLabel* cancelLabel = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void readFile();
    bool storeSlot(int index);
    void setCaptions(CaptionMoment moment);
    void loadSlot(int index);
    void saveSlot(int index);

    SaveSlots slots_;
};

}  // namespace vrh
