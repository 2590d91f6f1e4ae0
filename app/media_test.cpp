// The nineteen embedded media files: present, decodable by the game's own decoders, of their rates,
// channels and lengths; music at 160 kbit/s or more that starts at once and ends where the game
// restarts it: a game track on a rest (its last 150 ms below -30 dBFS), the title parts quiet (below
// -40 dBFS) after the points where the title screen hands over and loops, with no click at the seam.
// The tank shot is no sub-bass boom.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include "audio/Decoder.h"
#include "audio/MediaTable.h"

namespace {

struct Expect {
    int id, rate, channels;  // rate 0: MP3
    double seconds;          // WAV: exact (±10 ms); MP3: target (±10 %)
    double loopPoint;        // title parts: where the title screen moves on (s), else 0
};
const Expect kExpect[] = {
    {101, 0, 0, 68, 0},       {102, 0, 0, 91, 0},       {103, 0, 0, 211, 0},      {104, 0, 0, 209, 0},
    {105, 0, 0, 185, 0},      {106, 0, 0, 110, 0},      {107, 0, 0, 122, 0},      {108, 0, 0, 85, 0},
    {109, 0, 0, 194, 0},      {110, 0, 0, 90, 0},       {111, 22050, 2, 0.42, 0}, {112, 44100, 1, 2.77, 0},
    {113, 44100, 2, 16.0, 0}, {114, 22050, 2, 2.68, 0}, {115, 44100, 2, 0.81, 0}, {116, 22050, 2, 0.52, 0},
    {117, 0, 0, 25.7, 25.65}, {118, 0, 0, 81.0, 80.88}, {119, 22050, 2, 1.81, 0},
};
constexpr int kTitleLoopId = 118, kTankShotId = 119;  // ts2 is restarted at its loop point

// Share of the energy below `hz`: two cascaded 2nd-order Butterworth low-passes, near enough to a
// spectrum's sum for a limit with a margin.
double lowShare(const std::vector<float>& s, int channels, int rate, double hz) {
    const double w = 2 * M_PI * hz / rate, alpha = std::sin(w) / std::sqrt(2.0), c = std::cos(w);
    const double a0 = 1 + alpha, b0 = (1 - c) / 2 / a0, b1 = (1 - c) / a0, a1 = -2 * c / a0,
                 a2 = (1 - alpha) / a0;
    double low = 0, all = 0;
    for (int ch = 0; ch < channels; ++ch) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0, v1 = 0, v2 = 0;
        for (size_t i = size_t(ch); i < s.size(); i += size_t(channels)) {
            const double x = s[i], y = b0 * (x + x2) + b1 * x1 - a1 * y1 - a2 * y2;
            // y1, y2 are still the previous stage outputs here
            const double v = b0 * (y + y2) + b1 * y1 - a1 * v1 - a2 * v2;
            x2 = x1, x1 = x, y2 = y1, y1 = y, v2 = v1, v1 = v;
            low += v * v, all += x * x;
        }
    }
    return all > 0 ? low / all : 0;
}

// The root mean square of `count` frames from `frame` on.
double rms(vrh::audio::Decoder& d, int64_t frame, int64_t count, std::vector<float>* samples = nullptr) {
    std::vector<float> s(size_t(count * d.channels()));
    if (!d.seek(frame)) return -1;
    s.resize(d.read(s.data(), size_t(count)) * size_t(d.channels()));
    double sum = 0;
    for (float v : s) sum += double(v) * v;
    if (samples) *samples = s;
    return s.empty() ? 0 : std::sqrt(sum / double(s.size()));
}

}  // namespace

class MediaTest : public QObject {
    Q_OBJECT
private slots:
    // Guards a missing, undecodable, cut or re-rendered media file, and music that clicks where it loops.
    void everyFileIsEmbeddedDecodesAndHasItsFormat() {
        QTemporaryDir dir;
        for (const Expect& e : kExpect) {
            QFile res(QStringLiteral(":/media/%1").arg(e.id));
            QVERIFY2(res.open(QIODevice::ReadOnly), qPrintable(res.fileName() + " is not embedded"));
            const auto entry = std::ranges::find(vrh::kMediaTable, e.id, &vrh::MediaEntry::resourceId);
            const QString path = dir.path() + QString::fromStdString(std::string(entry->fileText));
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(res.readAll()) == res.size());
            out.close();
            auto d = vrh::audio::openDecoder(path.toStdString());
            QVERIFY2(d, qPrintable(path + " does not decode"));
            const double seconds = double(d->frames()) / d->rate();
            const QString what = path + QStringLiteral(" lasts %1 s").arg(seconds);
            if (e.rate) {
                std::vector<float> all;
                rms(*d, 0, d->frames(), &all);
                QVERIFY2(d->rate() == e.rate && d->channels() == e.channels &&
                             std::abs(seconds - e.seconds) <= 0.010,
                         qPrintable(what));
                QVERIFY2(e.id != kTankShotId || lowShare(all, d->channels(), d->rate(), 150) < 0.6,
                         qPrintable(what + ": a boom"));
                continue;
            }
            QVERIFY2(std::abs(seconds - e.seconds) <= 0.10 * e.seconds && seconds >= e.loopPoint,
                     qPrintable(what));
            QVERIFY2(double(res.size()) * 8 / seconds >= 160000, qPrintable(what + ": under 160 kbit/s"));
            std::vector<float> head, last;
            QVERIFY2(rms(*d, 0, d->rate() / 20, &head) > 0.003, qPrintable(what + ": silent start"));
            const auto rest = int64_t(d->rate() * 0.15),
                       loop = int64_t(std::llround(e.loopPoint * d->rate()));
            if (e.loopPoint == 0)
                QVERIFY2(rms(*d, d->frames() - rest, rest) < 0.0316,
                         qPrintable(what + ": no rest at the end"));
            else
                QVERIFY2(rms(*d, loop, d->frames() - loop) < 0.01,
                         qPrintable(what + ": sound after the loop point"));
            if (e.id != kTitleLoopId) continue;  // the opening hands over to ts2 and is never restarted
            rms(*d, loop - 1, 1, &last);
            for (int c = 0; c < d->channels(); ++c)  // the jump at the seam stays below 0.35 of full scale
                QVERIFY2(std::abs(last[size_t(c)] - head[size_t(c)]) < 0.35f,
                         qPrintable(what + ": click at the seam"));
        }
    }
};

QTEST_GUILESS_MAIN(MediaTest)
#include "media_test.moc"
