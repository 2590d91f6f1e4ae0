#include "meta/SaveSlots.h"

#include "meta/ItemReader.h"

namespace vrh {

namespace {
constexpr int kFileItems = kSaveSlotCount * kSaveFieldCount;
constexpr ItemLimits kSaveItemLimits{kFileItems, kMaxItemBytes};
}  // namespace

const char* saveFieldName(SaveField f) {
    switch (f) {
    case SaveField::Name: return "name";
    case SaveField::Level: return "level";
    case SaveField::MaxHP: return "full HP";
    case SaveField::Attack: return "attack";
    case SaveField::Defense: return "defence";
    case SaveField::Money: return "money";
    case SaveField::Gun: return "gun";
    case SaveField::Shot: return "shot";
    case SaveField::Score: return "score";
    case SaveField::Lives: return "lives";
    }
    return "?";
}

SaveFileRead readSaveSlots(SaveSlots& slots, const std::optional<std::string>& fileText) {
    FileItems file;
    if (fileText) {
        TextSource source(*fileText);
        file.status = FileStatus::Readable;
        file.read = readItems(source, kSaveItemLimits);
    }
    return readSaveSlots(slots, file);
}

SaveFileRead readSaveFile(SaveSlots& slots, const std::filesystem::path& file) {
    return readSaveSlots(slots, readFileItems(file, kSaveItemLimits));
}

SaveFileRead readSaveSlots(SaveSlots& slots, const FileItems& file) {
    SaveFileRead out;
    if (file.status == FileStatus::Refused) {
        out.refused = file.problem;
        out.notes.push_back("vrhsf.txt " + file.problem + ": not read, not written");
        return out;
    }
    if (file.status == FileStatus::Missing) {
        out.createEmptyFile = true;
        out.notes.push_back("vrhsf.txt is missing: creating it empty");
        return out;
    }
    const std::vector<std::string>& items = file.read.items;
    if (file.read.moreItems)
        out.notes.push_back("vrhsf.txt holds more than 30 items: only the first 30 are used");
    for (size_t k = 0; k < items.size(); ++k)
        slots.fields[k / kSaveFieldCount][k % kSaveFieldCount] = items[k];
    return out;
}

std::string serializeSaveSlots(const SaveSlots& slots) {
    std::string out;
    for (const auto& slot : slots.fields)
        for (const FileValue& v : slot) out += fileLine(v) + "\r\n";
    return out;
}

bool isNewFile(const SaveSlots& slots, int slot) {
    for (const FileValue& v : slots.fields.at(size_t(slot)))
        if (!isBlankValue(v)) return false;
    return true;
}

std::string slotCaption(const SaveSlots& slots, int slot, CaptionMoment moment) {
    if (isNewFile(slots, slot)) return kNewFileCaption;
    const char* head = moment == CaptionMoment::Opening ? "Name:" : "Name: ";
    return head + displayText(slots.at(slot, SaveField::Name));
}

void saveRunToSlot(SaveSlots& slots, int slot, const GameState& run, const std::string& playerName) {
    auto num = [](auto v) { return FileValue(double(v)); };
    slots.at(slot, SaveField::Name) = playerName;
    slots.at(slot, SaveField::Level) = num(run.level);
    slots.at(slot, SaveField::MaxHP) = num(run.playerMaxHP);
    slots.at(slot, SaveField::Attack) = num(run.attackPower);
    slots.at(slot, SaveField::Defense) = num(run.playerDefense);
    slots.at(slot, SaveField::Money) = num(run.money);
    slots.at(slot, SaveField::Gun) = run.gunType;
    slots.at(slot, SaveField::Shot) = run.shotType;
    slots.at(slot, SaveField::Score) = num(run.score);
    slots.at(slot, SaveField::Lives) = num(run.lives);
}

std::string SlotLoadError::message() const {
    const std::string what = saveFieldName(field);
    if (text.empty()) return "This file cannot be loaded: its " + what + " is missing.";
    return "This file cannot be loaded: its " + what + " \"" + text + "\" is not a number.";
}

std::optional<SlotLoadError> loadRunFromSlot(const SaveSlots& slots, int slot, GameState& run,
                                             std::string& playerName) {
    std::optional<SlotLoadError> error;
    auto number = [&](SaveField f) -> double {
        const FileValue& v = slots.at(slot, f);
        const auto n = numberValue(v);
        if (!n && !error) error = SlotLoadError{f, displayText(v)};
        return n.value_or(0.0);
    };
    const Int16 level = number(SaveField::Level);
    const Int16 maxHP = number(SaveField::MaxHP);
    const Int16 attack = number(SaveField::Attack);
    const Int16 defense = number(SaveField::Defense);
    const Int32 money = number(SaveField::Money);
    const Int32 score = number(SaveField::Score);
    const Int16 lives = number(SaveField::Lives);
    if (error) return error;

    run.playerMaxHP = maxHP;
    run.playerHP = maxHP;
    run.attackPower = attack;
    run.playerDefense = defense;
    run.score = score;
    run.money = money;
    playerName = displayText(slots.at(slot, SaveField::Name));
    run.shotType = displayText(slots.at(slot, SaveField::Shot));
    run.gunType = displayText(slots.at(slot, SaveField::Gun));
    run.level = level;
    run.lives = lives;
    return std::nullopt;
}

}  // namespace vrh
