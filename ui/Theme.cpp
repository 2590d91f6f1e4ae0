#include "ui/Theme.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

#include <cmath>

namespace vrh::theme {

namespace {
const QString kFamily = QStringLiteral("Varnholt Pixel");
const QColor kDarkRim(16, 16, 40);
const QColor kPaleRim(224, 224, 255);
// Texts at least this bright get the dark rim (relative luminance, 0..1).
constexpr double kBrightText = 0.3;

double linear(int v) {
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}
}  // namespace

void apply(QApplication& app) {
    for (const char* face : {":/ui/VarnholtPixel-Regular.ttf", ":/ui/VarnholtPixel-Bold.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(face));
    QApplication::setFont(font(kFontPixels));
    QFile sheet(QStringLiteral(":/ui/theme.qss"));
    if (sheet.open(QIODevice::ReadOnly)) app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
}

QFont font(int pixelSize, bool bold) {
    QFont f(kFamily);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);  // the outlines already sit on whole pixels
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QColor rimFor(const QColor& text) {
    const double luminance =
        0.2126 * linear(text.red()) + 0.7152 * linear(text.green()) + 0.0722 * linear(text.blue());
    return luminance >= kBrightText ? kDarkRim : kPaleRim;
}

}  // namespace vrh::theme
