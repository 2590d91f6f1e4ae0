#pragma once
// The three save slots and their file "vrhsf.txt".
//
// File: slot 1's ten fields, then slot 2's, then slot 3's, one per line, lines
// ended by CR LF (30 lines). Field order: name, level, full HP, attack,
// defence, money, gun, shot, score, lives. A field never filled is an empty
// line; a number is written in the print form (" 3 "); text is written as it
// is, quoted only when it would not read back as itself (see quoteItem).
//
// Reading updates the slots in place: item k (from 1) goes to field
// ((k - 1) mod 10) + 1 of slot (k - 1) div 10, and a field the file does not
// reach keeps what it held. Items past the 30th are not read (and reported).
// A missing file is to be created empty, which reads as three new slots; a
// refused one (a folder, a link, unreadable, another user's; see TextFile.h)
// changes no slot and must not be written.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "game/GameState.h"
#include "meta/FileValue.h"
#include "meta/TextFile.h"

namespace vrh {

inline constexpr const char* kSaveFileName = "vrhsf.txt";
inline constexpr int kSaveSlotCount = 3;
inline constexpr const char* kNewFileCaption = "------------New file------------";

enum class SaveField { Name, Level, MaxHP, Attack, Defense, Money, Gun, Shot, Score, Lives };
inline constexpr int kSaveFieldCount = 10;

// The field's name as the player would understand it ("level", "money" ...).
const char* saveFieldName(SaveField f);

struct SaveSlots {
    // fields[i][f]: field f of slot i (i = 0, 1, 2 is "File 1" to "File 3").
    std::array<std::array<FileValue, kSaveFieldCount>, kSaveSlotCount> fields{};

    FileValue& at(int slot, SaveField f) { return fields.at(size_t(slot))[size_t(f)]; }
    const FileValue& at(int slot, SaveField f) const { return fields.at(size_t(slot))[size_t(f)]; }
};

struct SaveFileRead {
    bool createEmptyFile = false;        // the file was missing: write "" to it
    std::vector<std::string> notes;      // things worth a log line
    std::optional<std::string> refused;  // why the file stands but cannot be used
};

// `fileText` is none when the file is missing.
SaveFileRead readSaveSlots(SaveSlots& slots, const std::optional<std::string>& fileText);
SaveFileRead readSaveSlots(SaveSlots& slots, const FileItems& file);
// Reads no further than the 30 fields.
SaveFileRead readSaveFile(SaveSlots& slots, const std::filesystem::path& file);

std::string serializeSaveSlots(const SaveSlots& slots);

// All ten fields empty (or empty text).
bool isNewFile(const SaveSlots& slots, int slot);

// "Name:" + name when the picker opens, "Name: " + name after a save question;
// kNewFileCaption for an empty slot.
enum class CaptionMoment { Opening, AfterQuestion };
std::string slotCaption(const SaveSlots& slots, int slot, CaptionMoment moment);

// Stores the run into the slot (full HP, not the current HP).
void saveRunToSlot(SaveSlots& slots, int slot, const GameState& run, const std::string& playerName);

// Why a slot cannot be loaded: the first number field that does not convert.
struct SlotLoadError {
    SaveField field;
    std::string text;  // what the field holds
    std::string message() const;
};

// Restores the slot into the run: full HP and current HP from the saved full
// HP, and the other nine fields. Number fields take the nearest integer (ties
// to the even one) and saturate at the width's limits. Nothing is changed
// when a number field does not hold a number (an empty field included).
std::optional<SlotLoadError> loadRunFromSlot(const SaveSlots& slots, int slot, GameState& run,
                                             std::string& playerName);

}  // namespace vrh
