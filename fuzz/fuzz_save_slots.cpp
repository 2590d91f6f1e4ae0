// The save file "vrhsf.txt" read from arbitrary bytes. Properties:
//  - item k of the file goes to field k (the first 30 items), every field the file does not reach
//    keeps what it held, and a note says when items were dropped;
//  - what was read, written and read again gives the same fields (text the same text, a number the
//    same number, an empty field empty text), and the writing is then a fixed point;
//  - a slot that loads starts with full HP, and saved and loaded again has the same ten values.
#include "fuzz/FuzzCheck.h"
#include "meta/SaveSlots.h"

using namespace vrh;
using namespace vrh::fuzz;

namespace {
constexpr int kItems = kSaveSlotCount * kSaveFieldCount;

FileValue& field(SaveSlots& s, int k) {
    return s.fields[size_t(k / kSaveFieldCount)][size_t(k % kSaveFieldCount)];
}

SaveSlots sentinelSlots() {  // a distinct number in every field: one the file did not reach is recognised
    SaveSlots s;
    for (int k = 0; k < kItems; ++k) field(s, k) = double(9000 + k);
    return s;
}

// The slot's ten values as loaded, written as a saved slot; empty when it does not load.
std::string loaded(const SaveSlots& slots, int slot) {
    GameState run;
    std::string loadedName;
    if (const auto error = loadRunFromSlot(slots, slot, run, loadedName)) {
        FUZZ_CHECK(!error->message().empty(), "an error explains itself");
        return {};
    }
    FUZZ_CHECK(run.playerHP == run.playerMaxHP, "a loaded run starts with full HP");
    SaveSlots saved;
    saveRunToSlot(saved, slot, run, loadedName);
    return serializeSaveSlots(saved);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> items = readItems(text);
    SaveSlots slots = sentinelSlots(), untouched = sentinelSlots();
    const SaveFileRead read = readSaveSlots(slots, text);
    FUZZ_CHECK(!read.createEmptyFile && read.notes.empty() == (items.size() <= size_t(kItems)),
               "notes: " + std::to_string(items.size()));
    for (int k = 0; k < kItems; ++k)
        FUZZ_CHECK(size_t(k) < items.size() ? field(slots, k) == FileValue(items[size_t(k)])
                                            : field(slots, k) == field(untouched, k),
                   "field " + std::to_string(k) + " = " + describe(field(slots, k)));

    SaveSlots first, again = sentinelSlots(), third;
    readSaveSlots(first, text);
    FUZZ_CHECK(readSaveSlots(again, serializeSaveSlots(first)).notes.empty(), "notes on a file we wrote");
    for (int k = 0; k < kItems; ++k)
        FUZZ_CHECK(readsBackAs(field(first, k), field(again, k)),
                   "field " + std::to_string(k) + ": " + describe(field(first, k)) + " read back as " +
                       describe(field(again, k)));
    const std::string rewritten = serializeSaveSlots(again);
    readSaveSlots(third, rewritten);
    FUZZ_CHECK(serializeSaveSlots(third) == rewritten,
               "writing twice changes the file:\n" + shown(rewritten));

    for (int slot = 0; slot < kSaveSlotCount; ++slot) {
        const std::string caption = slotCaption(slots, slot, CaptionMoment::Opening);
        FUZZ_CHECK(isNewFile(slots, slot) == (caption == kNewFileCaption),
                   "the new-file caption: " + shown(caption));
        const std::string ten = loaded(slots, slot);
        if (ten.empty()) continue;
        SaveSlots reread;
        readSaveSlots(reread, ten);
        FUZZ_CHECK(loaded(reread, slot) == ten,
                   "save and load changed slot " + std::to_string(slot) + ":\n" + shown(ten));
    }
    return 0;
}
