// The save file "vrhsf.txt" read from arbitrary bytes.
//
// Properties:
//  - reading stores item k of the file in field k (the first 30 items) and
//    leaves every field the file does not reach as it was;
//  - what was read, written back and read again gives the same fields (text
//    stays the same text, a number reads back as the same number, an empty
//    field as empty text) and the writing is then a fixed point;
//  - a slot that loads gives a run that, saved and loaded again, has the same
//    ten values; captions and the new-file test never fail.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/FuzzCheck.h"
#include "game/GameState.h"
#include "meta/ItemReader.h"
#include "meta/SaveSlots.h"

using namespace vrh;
using vrh::fuzz::describe;
using vrh::fuzz::readsBackAs;
using vrh::fuzz::shown;

namespace {

constexpr int kItems = kSaveSlotCount * kSaveFieldCount;

// Every field holds a distinct number, so a field the file did not reach is
// recognised afterwards.
SaveSlots sentinelSlots() {
    SaveSlots s;
    for (int k = 0; k < kItems; ++k) s.fields[size_t(k / kSaveFieldCount)][size_t(k % kSaveFieldCount)] = double(9000 + k);
    return s;
}

const FileValue& field(const SaveSlots& s, int k) { return s.fields[size_t(k / kSaveFieldCount)][size_t(k % kSaveFieldCount)]; }

// `again` is `before` written and read back.
void expectSameFields(const SaveSlots& before, const SaveSlots& again) {
    for (int k = 0; k < kItems; ++k) {
        const FileValue& a = field(before, k);
        const FileValue& b = field(again, k);
        FUZZ_CHECK(readsBackAs(a, b), "field " + std::to_string(k) + ": " + describe(a) + " read back as " + describe(b));
    }
}

struct Loaded {
    GameState run;
    std::string name;
};

bool sameTen(const Loaded& a, const Loaded& b) {
    const GameState& x = a.run;
    const GameState& y = b.run;
    return a.name == b.name && x.level == y.level && x.playerMaxHP == y.playerMaxHP && x.playerHP == y.playerHP &&
           x.attackPower == y.attackPower && x.playerDefense == y.playerDefense && x.money == y.money &&
           x.gunType == y.gunType && x.shotType == y.shotType && x.score == y.score && x.lives == y.lives;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> items = readItems(text);

    // Reading over filled slots: items go to their fields, the rest is kept.
    SaveSlots slots = sentinelSlots();
    const SaveFileRead read = readSaveSlots(slots, text);
    FUZZ_CHECK(!read.createEmptyFile, "an existing file is never re-created");
    FUZZ_CHECK(read.notes.empty() == (items.size() <= size_t(kItems)), "a note exactly when items are dropped");
    const SaveSlots untouched = sentinelSlots();
    for (int k = 0; k < kItems; ++k) {
        const FileValue& v = field(slots, k);
        if (size_t(k) < items.size()) {
            const auto* t = std::get_if<std::string>(&v);
            FUZZ_CHECK(t && *t == items[size_t(k)], "field " + std::to_string(k) + " = " + describe(v));
        } else {
            FUZZ_CHECK(v == field(untouched, k), "field " + std::to_string(k) + " not reached but changed");
        }
    }

    // New slots read from the file (fields it does not reach hold nothing):
    // written, read back and compared; the second writing is a fixed point.
    SaveSlots first;
    readSaveSlots(first, text);
    const std::string written = serializeSaveSlots(first);
    FUZZ_CHECK(readItems(written).size() == size_t(kItems), "the file always holds 30 items:\n" + shown(written));
    SaveSlots again = sentinelSlots();
    FUZZ_CHECK(readSaveSlots(again, written).notes.empty(), "no notes on a file we wrote");
    expectSameFields(first, again);
    const std::string rewritten = serializeSaveSlots(again);
    SaveSlots third;
    readSaveSlots(third, rewritten);
    FUZZ_CHECK(serializeSaveSlots(third) == rewritten, "writing twice changes the file:\n" + shown(rewritten));

    // Each slot: captions, and load -> save -> load keeps the ten values.
    for (int slot = 0; slot < kSaveSlotCount; ++slot) {
        const bool fresh = isNewFile(slots, slot);
        const std::string caption = slotCaption(slots, slot, CaptionMoment::Opening);
        FUZZ_CHECK(fresh == (caption == kNewFileCaption), "the new-file caption exactly for a new file: " + shown(caption));
        slotCaption(slots, slot, CaptionMoment::AfterQuestion);

        Loaded first;
        const auto error = loadRunFromSlot(slots, slot, first.run, first.name);
        if (error) {
            FUZZ_CHECK(!error->message().empty(), "an error explains itself");
            continue;
        }
        FUZZ_CHECK(first.run.playerHP == first.run.playerMaxHP, "a loaded run starts with full HP");
        SaveSlots saved;
        saveRunToSlot(saved, slot, first.run, first.name);
        SaveSlots reread;
        readSaveSlots(reread, serializeSaveSlots(saved));
        Loaded second;
        const auto error2 = loadRunFromSlot(reread, slot, second.run, second.name);
        FUZZ_CHECK(!error2, "a saved run loads: " + (error2 ? error2->message() : std::string()));
        FUZZ_CHECK(sameTen(first, second), "save and load changed the run of slot " + std::to_string(slot) +
                                               ", name " + shown(first.name) + " -> " + shown(second.name));
    }
    return 0;
}
