// The nineteen embedded media files: present, decodable by the game's own
// decoders, of their rates, channels and lengths, and music that starts at
// once and ends where the game restarts it: a game track on a rest (its last
// 150 ms below -30 dBFS), the title parts quiet (below -40 dBFS) after the
// points where the title screen hands over and loops, with no click there.
// The music is encoded at 160 kbit/s or more; the tank shot is no sub-bass boom.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <vector>

#include "audio/Decoder.h"
#include "audio/MediaTable.h"

namespace {

struct Expect {
    int id;
    bool wav;
    int rate, channels;  // WAV only
    double seconds;      // WAV: exact (±10 ms); MP3: target (±10 %)
    double loopPoint;    // title parts: where the title screen moves on (s), else 0
};

const Expect kExpect[] = {
    {101, false, 0, 0, 68, 0},      {102, false, 0, 0, 91, 0},      {103, false, 0, 0, 211, 0},
    {104, false, 0, 0, 209, 0},     {105, false, 0, 0, 185, 0},     {106, false, 0, 0, 110, 0},
    {107, false, 0, 0, 122, 0},     {108, false, 0, 0, 85, 0},      {109, false, 0, 0, 194, 0},
    {110, false, 0, 0, 90, 0},      {111, true, 22050, 2, 0.42, 0}, {112, true, 44100, 1, 2.77, 0},
    {113, true, 44100, 2, 16.0, 0}, {114, true, 22050, 2, 2.68, 0}, {115, true, 44100, 2, 0.81, 0},
    {116, true, 22050, 2, 0.52, 0}, {117, false, 0, 0, 25.7, 25.65}, {118, false, 0, 0, 81.0, 80.88},
    {119, true, 22050, 2, 1.81, 0},
};

constexpr int kTitleLoopId = 118;  // ts2, which the title screen restarts at its loop point
constexpr int kTankShotId = 119;

// Share of the energy below `hz`: two cascaded 2nd-order Butterworth
// low-passes, near enough to a spectrum's sum for a limit with a margin.
double lowShare(const std::vector<float>& s, int channels, int rate, double hz) {
    const double w = 2 * M_PI * hz / rate, alpha = std::sin(w) / std::sqrt(2.0), c = std::cos(w);
    const double a0 = 1 + alpha, b0 = (1 - c) / 2 / a0, b1 = (1 - c) / a0, a1 = -2 * c / a0, a2 = (1 - alpha) / a0;
    double low = 0, all = 0;
    for (int ch = 0; ch < channels; ++ch) {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0, v1 = 0, v2 = 0;
        for (size_t i = size_t(ch); i < s.size(); i += size_t(channels)) {
            const double x = s[i], y = b0 * (x + x2) + b1 * x1 - a1 * y1 - a2 * y2;
            const double v = b0 * (y + y2) + b1 * y1 - a1 * v1 - a2 * v2;  // y1, y2 still the previous stage outputs
            x2 = x1, x1 = x, y2 = y1, y1 = y, v2 = v1, v1 = v;
            low += v * v, all += x * x;
        }
    }
    return all > 0 ? low / all : 0;
}

double rms(const std::vector<float>& s) {
    double sum = 0;
    for (float v : s) sum += double(v) * v;
    return s.empty() ? 0 : std::sqrt(sum / double(s.size()));
}

std::vector<float> readAt(vrh::audio::Decoder& d, int64_t frame, size_t count) {
    std::vector<float> out(count * size_t(d.channels()));
    if (!d.seek(frame)) return {};
    out.resize(d.read(out.data(), count) * size_t(d.channels()));
    return out;
}

}  // namespace

class MediaTest : public QObject {
    Q_OBJECT
private slots:
    // Guards a missing, undecodable, cut or re-rendered media file, and music that clicks where it loops.
    void everyFileIsEmbeddedDecodesAndHasItsFormat() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const Expect& e : kExpect) {
            const QString name = QStringLiteral(":/media/%1").arg(e.id);
            QFile res(name);
            QVERIFY2(res.open(QIODevice::ReadOnly), qPrintable(name + " is not embedded"));
            const auto* entry = std::find_if(vrh::kMediaTable.begin(), vrh::kMediaTable.end(),
                                             [&](const vrh::MediaEntry& m) { return m.resourceId == e.id; });
            const QString path = dir.path() + QString::fromLatin1(entry->fileText.data(), entry->fileText.size());
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly) && out.write(res.readAll()) == res.size());
            out.close();

            auto d = vrh::audio::openDecoder(path.toStdString());
            QVERIFY2(d, qPrintable(path + " does not decode"));
            const double seconds = double(d->frames()) / d->rate();
            const QByteArray what = path.toUtf8() + " lasts " + QByteArray::number(seconds, 'f', 3) + " s";
            if (e.wav) {
                QCOMPARE(d->rate(), e.rate);
                QCOMPARE(d->channels(), e.channels);
                QVERIFY2(std::abs(seconds - e.seconds) <= 0.010, what.constData());
                if (e.id == kTankShotId)  // at most 60 % of its energy below 150 Hz
                    QVERIFY2(lowShare(readAt(*d, 0, size_t(d->frames())), d->channels(), d->rate(), 150) < 0.6,
                             (what + ": a boom below 150 Hz").constData());
                continue;
            }
            QVERIFY2(std::abs(seconds - e.seconds) <= 0.10 * e.seconds, what.constData());
            QVERIFY2(double(res.size()) * 8 / seconds >= 160000, (what + ": under 160 kbit/s").constData());
            QVERIFY2(seconds >= e.loopPoint, what.constData());

            const std::vector<float> head = readAt(*d, 0, size_t(d->rate() / 20));
            QVERIFY2(rms(head) > 0.003, (what + ": silent start").constData());
            if (e.loopPoint == 0) {
                const auto rest = size_t(d->rate() * 0.15);
                QVERIFY2(rms(readAt(*d, d->frames() - int64_t(rest), rest)) < 0.0316,
                         (what + ": does not end on a rest").constData());
                continue;
            }
            const auto loopFrame = int64_t(std::llround(e.loopPoint * d->rate()));
            const std::vector<float> after = readAt(*d, loopFrame, size_t(d->frames() - loopFrame));
            QVERIFY2(rms(after) < 0.01, (what + ": sound after the loop point").constData());
            if (e.id != kTitleLoopId) continue;  // the opening is never restarted: it hands over to ts2
            const std::vector<float> last = readAt(*d, loopFrame - 1, 1);
            for (int c = 0; c < d->channels(); ++c)  // the jump at the seam stays below 0.35 of full scale
                QVERIFY2(std::abs(last[size_t(c)] - head[size_t(c)]) < 0.35f, (what + ": click at the seam").constData());
        }
    }
};

QTEST_GUILESS_MAIN(MediaTest)
#include "media_test.moc"
