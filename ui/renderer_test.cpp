// The renderer: masked sprites, plain copies, the persistent canvas and the
// nearest-neighbour stretch of a frame.
#include <QPainter>
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include "ui/Renderer.h"

using namespace vrh;

namespace {

QImage solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

// The canvas presented into a red client of `client` size.
QImage present(Renderer& r, QSize client, ScaleMode mode = ScaleMode::Stretch) {
    QImage out = solid(client.width(), client.height(), Qt::red);
    QPainter p(&out);
    r.present(p, QSize(323, 361), client, mode);
    return out;
}

}  // namespace

class RendererTest : public QObject {
    Q_OBJECT

private slots:
    // Guards the mask's sense (white keeps the destination) and its rectangle.
    void maskedSpriteKeepsTheDestinationWhereTheMaskIsWhite() {
        SpriteSheet sheet;
        QImage mask = solid(33, 24, Qt::white), pic = solid(33, 24, Qt::black);
        for (int y = 0; y < 24; ++y)
            for (int x = 17; x < 33; ++x) {  // the right half opaque red
                mask.setPixel(x, y, qRgb(0, 0, 0));
                pic.setPixel(x, y, qRgb(255, 0, 0));
            }
        sheet.replace({Pic::enemyrightmask, 0}, mask);
        sheet.replace({Pic::enemyright, 0}, pic);
        Renderer r(QSize(323, 361), sheet);
        r.canvas().fill(QColor(10, 200, 30));
        Frame f;
        f.masked({Pic::enemyrightmask, 0}, {Pic::enemyright, 0}, 100, 50, 33, 24);
        r.render(f);
        const QImage& c = r.canvas();
        const QRgb green = qRgb(10, 200, 30), red = qRgb(255, 0, 0);
        QCOMPARE(c.pixel(100, 50), green);
        QCOMPARE(c.pixel(116, 73), green);
        QCOMPARE(c.pixel(117, 50), red);
        QCOMPARE(c.pixel(132, 73), red);
        QCOMPARE(c.pixel(133, 50), green);  // outside the rectangle
        QCOMPARE(c.pixel(117, 74), green);
    }

    // Guards copies that overrun the picture, and a canvas cleared between frames.
    void copyClipsToThePictureAndTheCanvasKeepsIt() {
        SpriteSheet sheet;
        sheet.replace({Pic::imgStars, 0}, solid(484, 214, QColor(1, 2, 3)));
        Renderer r(QSize(323, 361), sheet);
        r.canvas().fill(Qt::white);
        Frame f;
        f.copy({Pic::imgStars, 0}, -242, -8, 484, 214);
        f.copy({Pic::imgStars, 0}, 300, 300, 600, 600);  // larger than the picture
        r.render(f);
        r.render(Frame{});
        QCOMPARE(r.canvas().pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(r.canvas().pixel(241, 205), qRgb(1, 2, 3));
        QCOMPARE(r.canvas().pixel(242, 100), qRgb(255, 255, 255));
        QCOMPARE(r.canvas().pixel(241, 206), qRgb(255, 255, 255));
        QCOMPARE(r.canvas().pixel(322, 360), qRgb(1, 2, 3));
    }

    // Guards a smoothed stretch, and the whole-factor view off centre, unbordered or too big.
    void presentStretchesSharplyOrCentresAWholeFactor() {
        SpriteSheet sheet;
        Renderer r(QSize(323, 361), sheet);
        r.canvas().fill(Qt::black);
        r.canvas().setPixel(1, 0, qRgb(255, 255, 255));
        QImage out = present(r, QSize(646, 722));
        QCOMPARE(out.pixel(2, 0), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(3, 1), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(1, 1), qRgb(0, 0, 0));  // no blend at the edge
        QCOMPARE(out.pixel(4, 0), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(645, 721), qRgb(0, 0, 0));  // the whole client is covered

        r.canvas().fill(Qt::white);
        r.canvas().setPixel(0, 0, qRgb(1, 2, 3));
        out = present(r, QSize(700, 800), ScaleMode::WholeFactor);  // factor 2: 646 x 722 at (27, 39)
        const QPoint black[] = {{0, 0}, {699, 799}, {26, 400}, {27 + 646, 39 + 721}, {27 + 645, 39 + 722}};
        for (QPoint p : black) QCOMPARE(out.pixel(p), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(27, 39), qRgb(1, 2, 3));
        QCOMPARE(out.pixel(28, 40), qRgb(1, 2, 3));
        QCOMPARE(out.pixel(29, 39), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(27 + 645, 39 + 721), qRgb(255, 255, 255));
        out = present(r, QSize(324, 359), ScaleMode::WholeFactor);  // too small: stretched
        QCOMPARE(out.pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(out.pixel(323, 358), qRgb(255, 255, 255));
    }

    // Guards the stretch written straight into the picture showing other
    // source pixels than Qt's own nearest-neighbour stretch always showed.
    void directStretchMatchesQtsStretchPixelForPixel() {
        SpriteSheet sheet;
        Renderer r(QSize(323, 361), sheet);
        for (int y = 0; y < 361; ++y)
            for (int x = 0; x < 323; ++x) r.canvas().setPixel(x, y, qRgb(x & 255, y & 255, (x >> 8) | (y >> 8) << 1));
        for (QSize client : {QSize(324, 359), QSize(1920, 1061), QSize(3840, 2141), QSize(1000, 333)}) {
            QImage expected = solid(client.width(), client.height(), Qt::red);
            QPainter p(&expected);
            p.drawImage(QRect(QPoint(0, 0), client), r.canvas(), QRect(0, 0, 323, 361));
            p.end();
            QVERIFY2(present(r, client) == expected, qPrintable(QStringLiteral("%1x%2").arg(client.width()).arg(client.height())));
        }
    }

    // Guards a changed row not sent again, or unchanged rows and a new view not sent whole.
    void changedAreaIsTheRowsShowingChangedCanvasRows() {
        SpriteSheet sheet;
        Renderer r(QSize(323, 361), sheet);
        const QSize field(323, 361), client(646, 722);
        QCOMPARE(r.changedArea(field, client, ScaleMode::Stretch), QRegion(0, 0, 646, 722));  // first frame
        QVERIFY(r.changedArea(field, client, ScaleMode::Stretch).isEmpty());
        r.canvas().setPixel(5, 10, qRgb(1, 2, 3));
        r.canvas().setPixel(300, 11, qRgb(1, 2, 3));
        r.canvas().setPixel(300, 200, qRgb(1, 2, 3));
        QCOMPARE(r.changedArea(field, client, ScaleMode::Stretch),
                 QRegion(0, 20, 646, 4) + QRegion(0, 400, 646, 2));  // rows 10, 11 and 200, doubled
        QCOMPARE(r.changedArea(field, QSize(700, 800), ScaleMode::Stretch), QRegion(0, 0, 700, 800));
        QCOMPARE(r.changedArea(field, QSize(700, 800), ScaleMode::WholeFactor), QRegion(0, 0, 700, 800));
        r.canvas().setPixel(0, 360, qRgb(9, 9, 9));
        QCOMPARE(r.changedArea(field, QSize(700, 800), ScaleMode::WholeFactor), QRegion(27, 39 + 720, 646, 2));
    }

    // Guards a catalogue picture that fails to load, loads in another format, or is taken for a mask.
    void everyCataloguePictureLoadsInTheCanvasFormat() {
        const SpriteSheet& sheet = SpriteSheet::instance();
        for (int i = 0; i < int(Pic::Count); ++i) {
            const Pic p = Pic(i);
            for (int f = 0; f < picInfo(p).frames; ++f) {
                const QImage& img = sheet.image(p, f);
                QVERIFY(!img.isNull());
                QCOMPARE(img.format(), QImage::Format_RGB32);
            }
            QCOMPARE(&sheet.image(p, 9), &sheet.image(p, 0));  // beyond the frames: frame 0
        }
        QVERIFY(SpriteSheet::isMask(Pic::imgnsom) && SpriteSheet::isMask(Pic::tankmask));
        QVERIFY(!SpriteSheet::isMask(Pic::imgnsm) && !SpriteSheet::isMask(Pic::imgStars));
    }
};

VRH_QT_TEST(RendererTest)
#include "renderer_test.moc"
