// The nineteen embedded media files: present, decodable by the game's own
// decoders, of their rates, channels and lengths, and music that starts and
// ends cleanly (no silence over 50 ms at either end, no click at the restart).
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <vector>

#include "platform/audio/Decoder.h"
#include "shell/MediaTable.h"

namespace {

struct Expect {
    int id;
    bool wav;
    int rate, channels;  // WAV only
    double seconds;      // WAV: exact (±10 ms); MP3: target (±10 %)
    double minSeconds;   // 0, or the least a title piece must last
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
                continue;
            }
            QVERIFY2(std::abs(seconds - e.seconds) <= 0.10 * e.seconds, what.constData());
            if (e.minSeconds > 0) QVERIFY2(seconds >= e.minSeconds, what.constData());

            const size_t edge = size_t(d->rate() / 20);
            const std::vector<float> head = readAt(*d, 0, edge);
            const std::vector<float> tail = readAt(*d, d->frames() - int64_t(edge), edge);
            QCOMPARE(head.size(), edge * size_t(d->channels()));
            QCOMPARE(tail.size(), edge * size_t(d->channels()));
            QVERIFY2(rms(head) > 0.003, (what + ": silent start").constData());
            QVERIFY2(rms(tail) > 0.003, (what + ": silent end").constData());
            for (int c = 0; c < d->channels(); ++c) {  // the jump at the seam stays below 0.35 of full scale
                const float last = tail[tail.size() - size_t(d->channels()) + size_t(c)];
                QVERIFY2(std::abs(last - head[size_t(c)]) < 0.35f, (what + ": click at the seam").constData());
            }
        }
    }
};

QTEST_GUILESS_MAIN(MediaTest)
#include "media_test.moc"
