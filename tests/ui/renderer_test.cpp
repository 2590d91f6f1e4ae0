// The renderer: masked sprites, plain copies, the persistent canvas and the
// nearest-neighbour stretch of a frame.
#include <QPainter>
#include <QtTest>

#include "combat/ui/Renderer.h"

using namespace vrh;

namespace {

QImage solid(int w, int h, QColor c) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

}  // namespace

class RendererTest : public QObject {
    Q_OBJECT

private slots:
    void maskedSpriteKeepsTheDestinationWhereTheMaskIsWhite() {
        SpriteSheet sheet;
        // Left half transparent (mask white, picture black), right half opaque red.
        QImage mask = solid(33, 24, Qt::white);
        QImage pic = solid(33, 24, Qt::black);
        for (int y = 0; y < 24; ++y)
            for (int x = 17; x < 33; ++x) {
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
        QCOMPARE(c.pixel(100, 50), qRgb(10, 200, 30));   // white mask: unchanged
        QCOMPARE(c.pixel(116, 73), qRgb(10, 200, 30));
        QCOMPARE(c.pixel(117, 50), qRgb(255, 0, 0));     // black mask: the picture
        QCOMPARE(c.pixel(132, 73), qRgb(255, 0, 0));
        QCOMPARE(c.pixel(133, 50), qRgb(10, 200, 30));   // outside the rectangle
        QCOMPARE(c.pixel(117, 74), qRgb(10, 200, 30));
    }

    void copyReplacesTheRectangleAndClipsTheSourceToThePicture() {
        SpriteSheet sheet;
        sheet.replace({Pic::imgStars, 0}, solid(484, 214, QColor(1, 2, 3)));
        Renderer r(QSize(323, 361), sheet);
        r.canvas().fill(Qt::white);
        Frame f;
        f.copy({Pic::imgStars, 0}, -242, -8, 484, 214);
        f.copy({Pic::imgStars, 0}, 300, 300, 600, 600);  // larger than the picture
        r.render(f);
        QCOMPARE(r.canvas().pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(r.canvas().pixel(241, 205), qRgb(1, 2, 3));
        QCOMPARE(r.canvas().pixel(242, 100), qRgb(255, 255, 255));
        QCOMPARE(r.canvas().pixel(241, 206), qRgb(255, 255, 255));
        QCOMPARE(r.canvas().pixel(322, 360), qRgb(1, 2, 3));
    }

    void theCanvasKeepsWhatWasDrawnBetweenFrames() {
        SpriteSheet sheet;
        sheet.replace({Pic::imgEarth, 0}, solid(484, 164, QColor(9, 9, 9)));
        Renderer r(QSize(323, 361), sheet);
        Frame f;
        f.copy({Pic::imgEarth, 0}, 0, 200, 484, 164);
        r.render(f);
        r.render(Frame{});
        QCOMPARE(r.canvas().pixel(10, 210), qRgb(9, 9, 9));
    }

    void presentStretchesWithoutSmoothing() {
        SpriteSheet sheet;
        Renderer r(QSize(323, 361), sheet);
        r.canvas().fill(Qt::black);
        r.canvas().setPixel(1, 0, qRgb(255, 255, 255));
        QImage out(646, 722, QImage::Format_RGB32);
        out.fill(Qt::red);
        {
            QPainter p(&out);
            r.present(p, QSize(323, 361), out.size());
        }
        QCOMPARE(out.pixel(2, 0), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(3, 1), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(1, 1), qRgb(0, 0, 0));   // no blend at the edge
        QCOMPARE(out.pixel(4, 0), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(645, 721), qRgb(0, 0, 0));  // the whole client is covered
    }

    void presentByAWholeFactorCentresOnBlack() {
        SpriteSheet sheet;
        Renderer r(QSize(323, 361), sheet);
        r.canvas().fill(Qt::white);
        r.canvas().setPixel(0, 0, qRgb(1, 2, 3));
        QImage out(700, 800, QImage::Format_RGB32);  // factor 2: 646 x 722 at (27, 39)
        out.fill(Qt::red);
        {
            QPainter p(&out);
            r.present(p, QSize(323, 361), out.size(), ScaleMode::WholeFactor);
        }
        QCOMPARE(out.pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(699, 799), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(26, 400), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(27, 39), qRgb(1, 2, 3));
        QCOMPARE(out.pixel(28, 40), qRgb(1, 2, 3));
        QCOMPARE(out.pixel(29, 39), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(27 + 645, 39 + 721), qRgb(255, 255, 255));
        QCOMPARE(out.pixel(27 + 646, 39 + 721), qRgb(0, 0, 0));
        QCOMPARE(out.pixel(27 + 645, 39 + 722), qRgb(0, 0, 0));
        // Too small for the field: stretched like before.
        QImage small(324, 359, QImage::Format_RGB32);
        small.fill(Qt::red);
        {
            QPainter p(&small);
            r.present(p, QSize(323, 361), small.size(), ScaleMode::WholeFactor);
        }
        QCOMPARE(small.pixel(0, 0), qRgb(1, 2, 3));
        QCOMPARE(small.pixel(323, 358), qRgb(255, 255, 255));
    }

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
        QVERIFY(SpriteSheet::isMask(Pic::imgnsom));
        QVERIFY(SpriteSheet::isMask(Pic::tankmask));
        QVERIFY(!SpriteSheet::isMask(Pic::imgnsm));
        QVERIFY(!SpriteSheet::isMask(Pic::imgStars));
    }
};

QTEST_MAIN(RendererTest)
#include "renderer_test.moc"
