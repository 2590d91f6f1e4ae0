// Hours of play through the headless harness, the state's invariants checked after every 50 ms step.
//
//   varnholt_soak [hours] [seed]        hours of simulated play (default 0.05), seed (default 1)
//
// An hour is 72,000 game ticks played; 2,000 steps in a row without a tick (100 s) count as stuck. A
// seeded random player holds buttons (A mostly, leaning to the lower rows where its shots reach the
// tank), pauses (sometimes choosing "MainMenu") and loses the focus now and then. It shops at every
// level change, saves into a slot every 90 s and reads the file back, offers each finished run to the
// high-score table, and starts the next run fresh or from a slot (now and then one edited by hand to a
// late level, so the big waves are played). Prints memory (VmHWM, VmRSS) and speed each hour; the
// first broken invariant prints the step, what broke and the state, and exits with status 1.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

#include "meta/HighScoreTable.h"
#include "meta/ItemReader.h"
#include "meta/NumberPrint.h"
#include "meta/SaveSlots.h"
#include "meta/ShopPrices.h"
#include "tests/support/Harness.h"
#include "tests/support/Invariants.h"

using namespace vrh;
using namespace vrh::test;

namespace {

constexpr int64_t kTicksPerHour = 72000;  // 50 ms ticks
constexpr int64_t kMostStepsWithoutTick = 2000;

// Names that need care in the files: commas, quotes, blanks, line ends.
const char* const kNames[] = {"Anna", "Bo, the second", "\"Quoted\"", " lead", "trail ", "tab\tinside", "x"};

// A line of /proc/self/status in kB ("VmHWM", "VmRSS").
long statusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(key + ":", 0) == 0) return std::strtol(line.c_str() + key.size() + 1, nullptr, 10);
    return -1;
}

struct Totals {
    int64_t steps = 0, ticks = 0, bestScore = 0;
    int runs = 1, loadedRuns = 0, editedRuns = 0, gameOvers = 0, mainMenus = 0, levelChanges = 0,
        highestLevel = 1;
    int purchases = 0, refusedClicks = 0, saves = 0, pauses = 0, focusLosses = 0, mostEnemies = 0,
        mostEnemyShots = 0;
};

class Soak {
public:
    explicit Soak(uint32_t seed) : seed_(seed), h_(seed), rng_(seed), name_(kNames[0]) {}

    int run(double hours) {
        const int64_t ticks = int64_t(hours * double(kTicksPerHour) + 0.5);
        const auto start = std::chrono::steady_clock::now();
        std::printf("varnholt_soak: %.3f simulated hours = %lld game ticks of 50 ms, seed %u\n", hours,
                    (long long)ticks, seed_);
        report("start", start);
        int64_t nextHour = kTicksPerHour;
        for (int64_t s = 0; t_.ticks < ticks; ++s) {
            step(s);
            if (t_.ticks == nextHour) {
                report(std::to_string(nextHour / kTicksPerHour) + " h", start);
                nextHour += kTicksPerHour;
            }
        }
        if (ticks % kTicksPerHour != 0) report("end", start);
        summary(start);
        return ticks >= kTicksPerHour ? playedEverything() : 0;
    }

private:
    void step(int64_t s) {
        step_ = s;
        const bool paused = h_.w().paused();
        paused ? pauseScreen() : play();
        focus();

        const int ticksBefore = h_.ticksRun();
        h_.tick();
        const int ticked = h_.ticksRun() - ticksBefore;
        if (ticked < 0 || ticked > 1) broken("one 50 ms step ran " + std::to_string(ticked) + " ticks");
        t_.ticks += ticked;
        ++t_.steps;
        stepsWithoutTick_ = ticked ? 0 : stepsWithoutTick_ + 1;
        if (stepsWithoutTick_ > kMostStepsWithoutTick)
            broken(std::to_string(stepsWithoutTick_) + " steps in a row without a game tick");

        // The recordings of the harness would grow for ever: keep them short.
        h_.clearSounds();
        h_.host.captions.clear();
        h_.msg.clear();

        if (h_.w().paused() && !paused) ++t_.pauses;
        if (h_.w().unloaded()) {
            runEnded();
        } else if (!h_.host.shopCaptions.empty()) {
            h_.host.shopCaptions.clear();
            shop();
        }
        if (s % 1800 == 900) saveAndReadBack();  // every 90 s

        const std::string problem = invariants_.check(h_.g);
        if (!problem.empty()) broken(problem);
        if (h_.g.level > t_.highestLevel) t_.highestLevel = h_.g.level;
        t_.mostEnemies = std::max(t_.mostEnemies, int(h_.g.enemiesOnField));
        t_.mostEnemyShots = std::max(t_.mostEnemyShots, int(h_.g.enemyShotsInAir));
    }

    // The first broken invariant ends the soak with the step, what broke and the state.
    [[noreturn]] void broken(const std::string& what) const {
        std::fprintf(stderr, "\nSOAK FAILED at step %lld, game tick %lld (%.3f hours played): %s\nstate:\n%s",
                     (long long)step_, (long long)t_.ticks, double(t_.ticks) / double(kTicksPerHour),
                     what.c_str(), describeState(h_.g).c_str());
        std::exit(1);
    }

    int chance(int outOf) { return int(rng_() % uint32_t(outOf)) == 0; }
    int between(int lo, int hi) { return lo + int(rng_() % uint32_t(hi - lo + 1)); }

    // Random buttons held for random spans, and now and then Start (pause).
    // The player keeps A down most of the time, leans towards the lower rows
    // and away from the side edges: from there its shots reach the big tank,
    // so levels get finished and the shop visited.
    void play() {
        const int x = h_.g.playerX;
        const int towardsRight = x < 80 ? 45 : x > 240 ? 10 : 25;
        const int towardsLeft = x > 240 ? 45 : x < 80 ? 10 : 25;
        const std::pair<Button, int> leans[] = {{Button::A, 85},
                                                {Button::Down, 50},
                                                {Button::Up, 12},
                                                {Button::Left, towardsLeft},
                                                {Button::Right, towardsRight}};
        for (size_t i = 0; i < std::size(leans); ++i) {
            if (--holdLeft_[i] > 0) continue;
            holdLeft_[i] = between(1, 30);
            between(1, 100) <= leans[i].second ? h_.hold(leans[i].first) : h_.release(leans[i].first);
        }
        if (chance(2400)) h_.tap(Button::Start);  // about every two minutes
    }

    // On the pause screen: keys let go, a while, maybe "MainMenu", then Start.
    void pauseScreen() {
        h_.releaseAll();
        if (chance(15)) h_.tap(Button::Down);
        if (chance(25)) {
            // Start on "MainMenu" asks first; mostly the answer is No.
            if (h_.w().mainMenuLabel.selected && chance(6)) h_.msg.answer(MsgButton::Yes);
            h_.tap(Button::Start);
        }
    }

    // Now and then another window comes to the front for a while.
    void focus() {
        if (awayLeft_ > 0) {
            if (--awayLeft_ == 0) h_.fg.setForeground(h_.self());
            return;
        }
        if (chance(6000)) {
            h_.fg.setForeground(&away_);
            awayLeft_ = between(2, 40);
            ++t_.focusLosses;
        }
    }

    // The shop between levels: random clicks, each checked against the prices shown.
    void shop() {
        ++t_.levelChanges;
        ShopState shop = shopStateFrom(h_.g);
        openShop(shop);
        const int clicks = between(0, 8);
        for (int c = 0; c < clicks; ++c) {
            refreshShop(shop);
            const auto id = ShopButtonId(between(0, kShopButtonCount - 1));
            const ShopState before = shop;
            const ShopButton& button = before.button(id);
            const auto price = toNumber(button.caption);
            if (!price) broken("shop price caption \"" + button.caption + "\" is not a number");
            const bool bought = buy(shop, id);
            const bool affordable = button.enabled && *price <= double(before.money);
            if (bought != affordable)
                broken("shop button " + std::to_string(int(id)) + " \"" + button.caption + "\" with $" +
                       numberText(int64_t(before.money)) + (bought ? " bought" : " refused"));
            ++(bought ? t_.purchases : t_.refusedClicks);
            if (double(shop.money) != double(before.money) - (bought ? *price : 0.0) || shop.money < 0)
                broken("the click on " + button.caption + " took another price");
        }
        refreshShop(shop);
        copyShopStateTo(shop, h_.g);
        h_.closeShop();  // "Next Level"
    }

    // The level saved in a slot, 0 for a slot never saved.
    int savedLevel(int slot) const {
        return saved_[size_t(slot)] ? int(numberValue(slots_.at(slot, SaveField::Level)).value_or(0)) : 0;
    }

    // A random slot, or the lowest one when that holds a higher level than the run: the slots keep
    // the furthest runs, so a loaded run can take the play to higher levels.
    void saveAndReadBack() {
        int slot = between(0, kSaveSlotCount - 1);
        for (int i = 0; i < kSaveSlotCount && savedLevel(slot) > h_.g.level; ++i)
            if (savedLevel(i) < savedLevel(slot)) slot = i;
        name_ = kNames[between(0, int(std::size(kNames)) - 1)];
        saveRunToSlot(slots_, slot, h_.g, name_);
        const std::string file = serializeSaveSlots(slots_);
        SaveSlots reread;
        const SaveFileRead read = readSaveSlots(reread, file);
        if (!read.notes.empty()) broken("reading our own save file: " + read.notes.front());
        GameState loaded;
        std::string loadedName;
        if (const auto error = loadRunFromSlot(reread, slot, loaded, loadedName))
            broken("the slot just saved does not load: " + error->message());
        const GameState& g = h_.g;
        auto kept = [](const GameState& r) {
            return std::make_tuple(r.level, r.playerMaxHP, r.attackPower, r.playerDefense, r.money, r.score,
                                   r.lives, r.gunType, r.shotType);
        };
        if (loadedName != name_ || kept(loaded) != kept(g) || loaded.playerHP != g.playerMaxHP)
            broken("slot " + std::to_string(slot + 1) + " gives back another run: " + describeState(loaded));
        for (int other = 0; other < kSaveSlotCount; ++other)
            if (slotCaption(reread, other, CaptionMoment::Opening) !=
                slotCaption(slots_, other, CaptionMoment::Opening))
                broken("slot " + std::to_string(other + 1) + " reads back with another caption");
        slots_ = reread;  // from now on the slots are what the file says
        saved_[size_t(slot)] = true;
        ++t_.saves;
    }

    // The end of a run and the next one.
    void runEnded() {
        if (h_.host.mainMenus > mainMenusSeen_) {
            mainMenusSeen_ = h_.host.mainMenus;
            ++t_.mainMenus;
        } else {
            ++t_.gameOvers;
            offerToHighScores();
        }
        if (h_.g.score > t_.bestScore) t_.bestScore = h_.g.score;
        h_.releaseAll();
        h_.fg.setForeground(h_.self());
        awayLeft_ = 0;
        h_.newRun();
        ++t_.runs;
        invariants_.newRun();

        // One time in three the next run is a saved one (mostly the furthest), loaded as the slot picker
        // does: the window is loaded first, then the slot restored.
        if (chance(12)) {
            loadEditedSlot();
        } else if (chance(3)) {
            int slot = between(0, kSaveSlotCount - 1);
            if (!chance(3))
                for (int i = 0; i < kSaveSlotCount; ++i)
                    if (savedLevel(i) > savedLevel(slot)) slot = i;
            if (saved_[size_t(slot)]) loadRun(slots_, slot, "a saved slot");
        }
    }

    void loadRun(const SaveSlots& slots, int slot, const std::string& what) {
        std::string loadedName;
        if (const auto error = loadRunFromSlot(slots, slot, h_.g, loadedName))
            broken(what + " does not load: " + error->message());
        name_ = loadedName;
        ++t_.loadedRuns;
    }

    // A run from a save file edited by hand, read like any save file: a later level and stronger stats
    // than the random player reaches, so the big waves and the dearer shop are played too.
    void loadEditedSlot() {
        static const char* const kGuns[] = {"Regular", "Ninja", "Shocker", "Psychic"};
        static const char* const kShots[] = {"Regular", "Mega", "Giga", "Omega"};
        std::string file = "Edited\r\n";
        // Level, full HP, attack, defence, money, gun, shot, score, lives.
        for (const auto& [lo, hi] : {std::pair{5, 60}, {5, 60}, {1, 200}, {0, 25}, {0, 50000}})
            file += std::to_string(between(lo, hi)) + "\r\n";
        file += std::string(kGuns[between(0, 3)]) + "\r\n";
        file += std::string(kShots[between(0, 3)]) + "\r\n";
        file += std::to_string(5 * between(0, 20000)) + "\r\n";
        file += std::to_string(between(1, 9)) + "\r\n";
        SaveSlots edited;
        readSaveSlots(edited, file);
        loadRun(edited, 0, "an edited save");
        ++t_.editedRuns;
    }

    void offerToHighScores() {
        const GameState& g = h_.g;
        insertHighScore(scores_, name_, double(g.score), double(g.level));
        const std::string file = serializeHighScores(scores_);
        const HighScoreRead read = parseHighScores(file);
        if (!read.repairs.empty()) broken("our own high-score file needs repair: " + read.repairs.front());
        for (int i = 0; i + 1 < kHighScorePlaces; ++i)
            if (rankValue(read.table.entries[size_t(i)].score) <
                rankValue(read.table.entries[size_t(i + 1)].score))
                broken("the high-score table is out of order at place " + std::to_string(i + 1));
        scores_ = read.table;
    }

    static double secondsSince(std::chrono::steady_clock::time_point start) {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    void report(const std::string& when, std::chrono::steady_clock::time_point start) const {
        const double seconds = secondsSince(start);
        std::printf(
            "[%6s] %9lld ticks  %8.1f s  %9.0f ticks/s  VmHWM %6ld kB  VmRSS %6ld kB  level %d  runs %d\n",
            when.c_str(), (long long)t_.ticks, seconds, seconds > 0 ? double(t_.ticks) / seconds : 0.0,
            statusKb("VmHWM"), statusKb("VmRSS"), int(h_.g.level), t_.runs);
        std::fflush(stdout);
    }

    // What was played, and the least an hour of play must reach (a player that no longer finishes
    // levels or saves would check little).
    struct Count {
        const char* what;
        int64_t n, leastPerHour;
    };
    std::vector<Count> counts() const {
        return {{"level changes", t_.levelChanges, 1},
                {"shop purchases", t_.purchases, 1},
                {"game overs", t_.gameOvers, 1},
                {"returns to the title menu", t_.mainMenus, 1},
                {"saves", t_.saves, 1},
                {"runs loaded from a slot", t_.loadedRuns, 1},
                {"pauses", t_.pauses, 1},
                {"focus losses", t_.focusLosses, 1},
                {"highest level", t_.highestLevel, 10},
                {"best score", t_.bestScore, 1},
                {"most enemies", t_.mostEnemies, 1},
                {"most enemy shots", t_.mostEnemyShots, 1},
                {"runs from an edited file", t_.editedRuns, 0},
                {"refused clicks", t_.refusedClicks, 0},
                {"runs", t_.runs, 1}};
    }

    void summary(std::chrono::steady_clock::time_point start) const {
        const double seconds = secondsSince(start);
        std::printf(
            "done: %lld game ticks (%.3f hours) in %lld steps, %.1f s = %.0f ticks/s; every invariant held\n",
            (long long)t_.ticks, double(t_.ticks) / double(kTicksPerHour), (long long)t_.steps, seconds,
            double(t_.ticks) / seconds);
        for (const Count& c : counts()) std::printf("      %s %lld\n", c.what, (long long)c.n);
    }

    int playedEverything() const {
        int missing = 0;
        for (const Count& c : counts())
            if (c.n < c.leastPerHour) {
                std::fprintf(stderr, "SOAK FAILED: %s %lld in %lld ticks, at least %lld expected\n", c.what,
                             (long long)c.n, (long long)t_.ticks, (long long)c.leastPerHour);
                ++missing;
            }
        return missing ? 1 : 0;
    }

    uint32_t seed_;
    Harness h_;
    std::mt19937 rng_;
    InvariantChecker invariants_;
    Totals t_;
    int64_t step_ = 0;
    int64_t stepsWithoutTick_ = 0;
    int holdLeft_[5] = {};
    int awayLeft_ = 0;
    int away_ = 0;  // stands for another window
    int mainMenusSeen_ = 0;
    std::string name_;
    SaveSlots slots_;
    bool saved_[kSaveSlotCount] = {};
    HighScoreTable scores_ = defaultHighScores();
};

}  // namespace

int main(int argc, char** argv) {
    const double hours = argc > 1 ? std::strtod(argv[1], nullptr) : 0.05;
    const uint32_t seed = argc > 2 ? uint32_t(std::strtoul(argv[2], nullptr, 10)) : 1u;
    if (!(hours > 0) || hours > 1000) {
        std::fprintf(stderr, "usage: %s [hours > 0] [seed]\n", argv[0]);
        return 2;
    }
    Soak soak(seed);
    return soak.run(hours);
}
