// Printing through the layout cache gives the same pixels as laying the
// text out each time, for the menus' fonts and texts.
#include <QtTest>

#include "tests/support/QtTestMain.h"

#include <QPainter>

#include "ui/TextPrinter.h"
#include "ui/Theme.h"

using namespace vrh;

namespace {
QFont makeFont(int pixels, bool bold) {  // the title's and the tables' fonts
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}
// A busy background, so that every blended edge pixel counts.
QImage background() {
    QImage img(240, 40, QImage::Format_RGB32);
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixel(x, y, qRgb((x * 37) % 256, (y * 91) % 256, (x * y) % 256));
    return img;
}
}  // namespace

class TextPrinterTest : public QObject {
    Q_OBJECT
private slots:
    // Guards a cached layout drawn in another place, colour or text than a fresh one.
    void printsWhatDrawTextPrints() {
        for (const QFont& font : {makeFont(18, false), makeFont(13, true)}) {
            TextPrinter printer(font);
            for (const char* text : {"New Game", "Load", "High Scores", "Quit", "Scores", "Names", "Level",
                                     " 50000 ", "Brisko", "Smith, Jr.", "1.2345E+17", "Okay", "",
                                     "A name far too long for its column"}) {
                for (const QColor& color : {QColor(0, 255, 0), QColor(255, 255, 0), QColor(0, 0, 128)}) {
                    QImage expected = background(), got = background();
                    {
                        QPainter p(&expected);
                        p.setFont(font);
                        p.setPen(color);
                        p.drawText(QRect(5, 3, 120, 20), Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(text));
                    }
                    for (int twice = 0; twice < 2; ++twice) {  // laid out, then from the cache
                        got = background();
                        QPainter p(&got);
                        printer.print(p, QRect(5, 3, 120, 20), color, text);
                    }
                    QVERIFY2(got == expected, text);
                }
            }
        }
    }
    // Guards a rim that is missing, in the text's own colour or drawn over the text.
    void rimmedTextSitsInAContrastingRim() {
        QFont solid = makeFont(13, true);
        solid.setStyleStrategy(QFont::NoAntialias);  // every pixel is ink, rim or ground, as in the pixel font
        for (const QColor& color : {QColor(Qt::black), QColor(255, 255, 0)}) {
            TextPrinter printer(solid, TextPrinter::Rim::Contrasting);
            QImage img(120, 30, QImage::Format_RGB32);
            img.fill(qRgb(60, 60, 120));
            {
                QPainter p(&img);
                printer.print(p, QRect(4, 4, 110, 22), color, "Okay");
            }
            const QRgb rim = theme::rimFor(color).rgb();
            int ink = 0, rimmed = 0;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x) {
                    ink += img.pixel(x, y) == color.rgb();
                    rimmed += img.pixel(x, y) == rim;
                }
            QVERIFY(rim != color.rgb());
            QVERIFY2(ink > 20 && rimmed > ink / 2, qPrintable(color.name()));
        }
    }
};

VRH_QT_TEST(TextPrinterTest)
#include "text_printer_test.moc"
