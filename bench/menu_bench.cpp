// Speed of the two animated menus, one 100 ms tick each, drawing included.
//   BM_TitleFrame/0        the title menu: strips, ship, entries, logo
//   BM_TitleFrame/1, /10   the same after an hour, ten hours open (its strips only grow)
//   BM_HighScoreFrame/0    the high-score window: bands, then the table printed over them
//   BM_HighScoreFrame/1, /10  the same after an hour, ten hours open
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "bench/BenchSupport.h"
#include "ui/SpriteSheet.h"
#include "meta/HighScoreBands.h"
#include "meta/HighScoreTable.h"
#include "windows/progress/HighScoreCanvas.h"
#include "platform/KeyState.h"
#include "shell/TitleScene.h"
#include "windows/title/TitleCanvas.h"

using namespace vrh;
using vrh::bench::app;

namespace {

constexpr int kTicksPerHour = 36000;  // 100 ms ticks

class NullTitleHost : public TitleHost {
public:
    void showNamePrompt() override {}
    void showLoadWindow() override {}
    void showHighScores() override {}
    void unloadTitle() override {}
    void toggleWindowState() override {}
};

struct Title {
    GameState g;
    Globals globals;
    KeyboardTracker keys;
    bench::NullAudio audio;
    Sounds snd{audio};
    MediaPaths paths;
    NullTitleHost host;
    TitleScene scene{TitleServices{g, globals, keys, snd, paths, host}};

    Title() {
        const QImage& logo = SpriteSheet::instance().image(Pic::imgvrhl);
        scene.onLoad(logo.width(), logo.height());
    }
};

void BM_TitleFrame(benchmark::State& state) {
    app();
    Title title;
    TitleCanvas canvas;
    for (int64_t t = 0; t < state.range(0) * kTicksPerHour; ++t) title.scene.onAnimationTick(true);
    for (auto _ : state) {
        title.scene.onAnimationTick(true);
        canvas.draw(title.scene);
        benchmark::DoNotOptimize(canvas.renderer().canvas().constBits());
    }
    state.counters["tiles"] = double(title.scene.titleTopX.size() + title.scene.titleBand1X.size() +
                                     title.scene.titleBand2X.size() + title.scene.titleBand3X.size());
}
BENCHMARK(BM_TitleFrame)->Arg(0)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

void BM_HighScoreFrame(benchmark::State& state) {
    app();
    HighScoreBands bands;
    HighScoreCanvas canvas;
    const HighScoreTable table = defaultHighScores();
    HighScoreCanvas::RowColors colors;
    colors.fill(Qt::black);
    colors[3] = QColor(0, 0, 255);  // the pulsing row
    QImage client(HighScoreCanvas::kClientW, HighScoreCanvas::kClientH, QImage::Format_RGB32);
    for (int64_t t = 0; t < state.range(0) * kTicksPerHour; ++t) bands.tick();
    for (auto _ : state) {
        bands.tick();
        canvas.drawBands(bands);
        QPainter p(&client);
        canvas.present(p, client.size(), table, colors);
        p.end();
        benchmark::DoNotOptimize(client.constBits());
    }
    state.counters["tiles"] =
        double(bands.band1.tileCount() + bands.band2.tileCount() + bands.band3.tileCount());
}
BENCHMARK(BM_HighScoreFrame)->Arg(0)->Arg(1)->Arg(10)->Unit(benchmark::kMicrosecond);

}  // namespace
