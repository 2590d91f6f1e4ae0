// The nineteen embedded media files: present, decodable by the game's own decoders, of their rates, channels
// and lengths; music at 160 kbit/s or more that starts at once and ends where the game restarts it: a game
// track on a rest (its last 150 ms below -30 dBFS), the title parts quiet (below -40 dBFS) after the points
// where the title screen hands over and loops, with no click at the seam. The tank shot is no sub-bass boom.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <numeric>

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

double energy(const std::vector<float>& s) { return std::inner_product(s.begin(), s.end(), s.begin(), 0.0); }
double rms(const std::vector<float>& s) {
    return std::sqrt(energy(s) / double(std::max<size_t>(s.size(), 1)));
}

// Share of the energy below `hz`: two cascaded 2nd-order Butterworth low-passes, near enough to a
// spectrum's sum for a limit with a margin.
double lowShare(std::vector<float> s, int channels, int rate, double hz) {
    const double w = 2 * M_PI * hz / rate, alpha = std::sin(w) / std::sqrt(2.0), c = std::cos(w);
    const double a0 = 1 + alpha, b0 = (1 - c) / 2 / a0, b1 = (1 - c) / a0, a1 = -2 * c / a0,
                 a2 = (1 - alpha) / a0, all = energy(s);
    for (int stage = 0; stage < 2; ++stage)
        for (int ch = 0; ch < channels; ++ch) {
            double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
            for (size_t i = size_t(ch); i < s.size(); i += size_t(channels)) {
                const double x = s[i], y = b0 * (x + x2) + b1 * x1 - a1 * y1 - a2 * y2;
                x2 = x1, x1 = x, y2 = y1, y1 = y, s[i] = float(y);
            }
        }
    return all > 0 ? energy(s) / all : 0;
}

// `count` frames from `frame` on; none when the reader cannot seek there.
std::vector<float> read(vrh::audio::Decoder& d, int64_t frame, int64_t count) {
    std::vector<float> s(size_t(count * d.channels()));
    s.resize(d.seek(frame) ? d.read(s.data(), size_t(count)) * size_t(d.channels()) : 0);
    return s;
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
            const auto entry = std::ranges::find(vrh::kMediaTable, e.id, &vrh::MediaEntry::resourceId);
            const QString path = dir.path() + QString::fromStdString(std::string(entry->fileText));
            QVERIFY2(res.copy(path), qPrintable(res.fileName() + " is not embedded"));
            auto d = vrh::audio::openDecoder(path.toStdString());
            QVERIFY2(d, qPrintable(path + " does not decode"));
            const double seconds = double(d->frames()) / d->rate();
            const QString what = path + QStringLiteral(" lasts %1 s").arg(seconds);
            QVERIFY2(std::abs(seconds - e.seconds) <= (e.rate ? 0.010 : 0.10 * e.seconds) &&
                         seconds >= e.loopPoint &&
                         (!e.rate || (d->rate() == e.rate && d->channels() == e.channels)),
                     qPrintable(what));
            QVERIFY2(e.id != kTankShotId ||
                         lowShare(read(*d, 0, d->frames()), d->channels(), d->rate(), 150) < 0.6,
                     qPrintable(what + ": a boom"));
            if (e.rate) continue;
            QVERIFY2(double(res.size()) * 8 / seconds >= 160000, qPrintable(what + ": under 160 kbit/s"));
            const auto head = read(*d, 0, d->rate() / 20);
            QVERIFY2(rms(head) > 0.003, qPrintable(what + ": silent start"));
            const int64_t end =
                e.loopPoint ? std::llround(e.loopPoint * d->rate()) : d->frames() - d->rate() * 15 / 100;
            QVERIFY2(rms(read(*d, end, d->frames() - end)) < (e.loopPoint ? 0.01 : 0.0316),
                     qPrintable(what + ": sound after the loop point or in the last 150 ms"));
            if (e.id != kTitleLoopId) continue;  // the opening hands over to ts2 and is never restarted
            const auto last = read(*d, end - 1, 1);
            for (int c = 0; c < d->channels(); ++c)  // the jump at the seam stays below 0.35 of full scale
                QVERIFY2(std::abs(last.at(size_t(c)) - head[size_t(c)]) < 0.35f,
                         qPrintable(what + ": click at the seam"));
        }
    }
};

QTEST_GUILESS_MAIN(MediaTest)
#include "media_test.moc"
