// Drawing: masked sprites and copies on the persistent canvas, the stretch and the centred whole-factor view
// of a frame, the changed rows, the sprite catalogue, and the text printer's cache and rim.
#include <QPainter>
#include <QtTest>

#include "tests/support/QtTestMain.h"
#include "ui/Renderer.h"
#include "ui/TextPrinter.h"
#include "ui/Theme.h"

using namespace vrh;

namespace {
const QSize kField(323, 361);
QImage solid(QSize size, QColor c) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(c);
    return img;
}
}  // namespace

class RendererTest : public QObject {
    Q_OBJECT
private slots:
    // Guards the mask's sense (AND, then OR the picture), the sprite's rectangle, copies overrunning the
    // picture, and a canvas cleared between frames.
    void masksAndCopiesLandInTheirRectangleAndStay() {
        SpriteSheet sheet;
        QImage mask = solid({33, 24}, Qt::white), pic = solid({33, 24}, QColor(0, 0, 255));
        QPainter(&mask).fillRect(17, 0, 16, 24, Qt::black);  // the right half is the sprite: red
        QPainter(&pic).fillRect(17, 0, 16, 24, Qt::red);
        sheet.replace({Pic::enemyrightmask, 0}, mask), sheet.replace({Pic::enemyright, 0}, pic);
        sheet.replace({Pic::imgStars, 0}, solid({484, 214}, QColor(1, 2, 3)));
        Renderer r(kField, sheet);
        r.canvas().fill(QColor(10, 200, 0));
        Frame f;
        f.copy({Pic::imgStars, 0}, -242, 300, 600, 600);  // clipped to the picture and the canvas
        f.masked({Pic::enemyrightmask, 0}, {Pic::enemyright, 0}, 100, 50, 33, 24);
        r.render(f), r.render(Frame{});  // the next frame draws nothing
        const QRgb ground = qRgb(10, 200, 0), kept = qRgb(10, 200, 255), red = qRgb(255, 0, 0),
                   stars = qRgb(1, 2, 3);
        const std::pair<QPoint, QRgb> expected[] = {
            {{100, 50}, kept}, {{116, 73}, kept},   {{117, 50}, red},
            {{132, 73}, red},  {{133, 50}, ground}, {{117, 74}, ground},
            {{0, 360}, stars}, {{241, 300}, stars}, {{242, 300}, ground}};
        for (const auto& [p, rgb] : expected) QCOMPARE(r.canvas().pixel(p), rgb);
    }

    // Guards a smoothed or shifted stretch, a whole-factor view off centre, unbordered (black) or used where
    // it does not fit; the changed area missing changed rows, sending unchanged ones or part of a new view.
    void presentStretchesSharplyOrCentresAWholeFactorAndSendsChangedRows() {
        SpriteSheet sheet;
        Renderer r(kField, sheet);
        for (int y = 0; y < 361; ++y)
            for (int x = 0; x < 323; ++x)
                r.canvas().setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) | (y >> 8) << 1));
        // Stretched (no view given), or in a whole factor: centred where it fits, else stretched too.
        const std::pair<QSize, QRect> views[] = {{{324, 359}, {}},
                                                 {{1920, 1061}, {}},
                                                 {{1000, 333}, {}},
                                                 {{700, 800}, {27, 39, 646, 722}},
                                                 {{1001, 1085}, {16, 1, 969, 1083}},
                                                 {{324, 359}, {0, 0, 324, 359}}};
        for (auto [client, view] : views) {
            const ScaleMode mode = view.isNull() ? ScaleMode::Stretch : ScaleMode::WholeFactor;
            if (view.isNull()) view = QRect({}, client);
            QImage expected = solid(client, Qt::black), out = solid(client, Qt::red);
            QPainter(&expected).drawImage(view, r.canvas(), QRect({}, kField));
            QPainter p(&out);
            r.present(p, kField, client, mode);
            p.end();
            QVERIFY2(out == expected, qPrintable(QString::number(client.width())));
        }
        const QSize client(646, 722), big(700, 800);
        QCOMPARE(r.changedArea(kField, client, ScaleMode::Stretch), QRegion(0, 0, 646, 722));  // first frame
        QVERIFY(r.changedArea(kField, client, ScaleMode::Stretch).isEmpty());
        for (QPoint p : {QPoint(5, 10), QPoint(300, 11), QPoint(300, 200)}) r.canvas().setPixel(p, 0x10203);
        QCOMPARE(r.changedArea(kField, client, ScaleMode::Stretch),
                 QRegion(0, 20, 646, 4) + QRegion(0, 400, 646, 2));
        QCOMPARE(r.changedArea(kField, big, ScaleMode::WholeFactor), QRegion(0, 0, 700, 800));
        r.canvas().setPixel(0, 360, qRgb(9, 9, 9));
        QCOMPARE(r.changedArea(kField, big, ScaleMode::WholeFactor), QRegion(27, 39 + 720, 646, 2));
    }

    // Guards a catalogue picture that fails to load, loads in another format, or is taken for a mask.
    void everyCataloguePictureLoadsInTheCanvasFormat() {
        const SpriteSheet& sheet = SpriteSheet::instance();
        for (int i = 0; i < int(Pic::Count); ++i)
            for (int f = 0; f < picInfo(Pic(i)).frames; ++f)
                QCOMPARE(sheet.image(Pic(i), f).format(), QImage::Format_RGB32);
        QVERIFY(&sheet.image(Pic::beeright, 9) == &sheet.image(Pic::beeright, 0));  // past the last: frame 0
        QVERIFY(SpriteSheet::isMask(Pic::imgnsom) && SpriteSheet::isMask(Pic::tankmask));
        QVERIFY(!SpriteSheet::isMask(Pic::imgnsm) && !SpriteSheet::isMask(Pic::imgStars));
    }

    // Guards a cached text drawn elsewhere or in another colour than a fresh layout, and a rim missing, in
    // the text's colour or over the text.
    void printedTextMatchesDrawTextInAContrastingRim() {
        const QFont font = theme::font(13, true);
        const QRect box(5, 3, 120, 20);
        const QString text = QStringLiteral("A name too long for its box");
        for (const QColor& color : {QColor(Qt::black), QColor(255, 255, 0)}) {
            QImage expected = solid({240, 40}, QColor(60, 60, 120)), got = expected, rimmed = expected;
            TextPrinter printer(font), rim(font, TextPrinter::Rim::Contrasting);
            QPainter p(&expected), onGot(&got), onRimmed(&rimmed);
            p.setFont(font), p.setPen(color);
            p.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
            for (int twice = 0; twice < 2; ++twice)  // laid out, then from the cache
                printer.print(onGot, box, color, text.toStdString());
            rim.print(onRimmed, box, color, text.toStdString());
            p.end(), onGot.end(), onRimmed.end();
            const auto* px = reinterpret_cast<const QRgb*>(rimmed.constBits());
            const auto ink = std::count(px, px + 240 * 40, color.rgb()),
                       rims = std::count(px, px + 240 * 40, theme::rimFor(color).rgb());
            QVERIFY(got == expected);
            QVERIFY2(theme::rimFor(color) != color && ink > 20 && rims > ink / 2, qPrintable(color.name()));
        }
    }
};

VRH_QT_TEST(RendererTest)
#include "renderer_test.moc"
