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

class FrmLoad : public Form {
    Q_OBJECT
public:
    static constexpr int kClientW = 426, kClientH = 185;

    explicit FrmLoad(Forms& forms);

    void Form_Load() override;
    void Form_Unload() override;
    void Timer1_Timer();
    void lblFileName_Click(int index);
    void lblcancel_Click();
    void lblOkay_Click();

    Timer Timer1{1, true};
    std::array<QLabel*, kSaveSlotCount> lblFile{};          // "File 1:" .. "File 3:"
    std::array<ClickLabel*, kSaveSlotCount> lblFileName{};  // the slot captions
    ClickLabel* lblOkay = nullptr;
    ClickLabel* lblcancel = nullptr;

    const SaveSlots& saveSlots() const { return slots_; }

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
