#include "ui/SpriteSheet.h"

#include <QString>

#include <algorithm>

namespace vrh {

bool SpriteSheet::isMask(Pic p) {
    const std::string_view n = picInfo(p).name;
    if (n.size() >= 4 && n.substr(n.size() - 4) == "mask") return true;
    // imgnsrm, imgssgm, imgpsom .. and imgvrhlm: "img" + letters + "m".
    return n.substr(0, 3) == "img" && n.size() >= 7 && n.back() == 'm' && n != "imgnsm" && n != "imgssm" &&
           n != "imgpsm";
}

namespace {

QImage blank(const PicInfo& info, bool mask) {
    QImage img(std::max<int>(1, info.w), std::max<int>(1, info.h), QImage::Format_RGB32);
    // A missing picture draws nothing: black ORs nothing in, white ANDs nothing away.
    img.fill(mask ? Qt::white : Qt::black);
    return img;
}

}  // namespace

SpriteSheet::SpriteSheet() {
    images_.resize(size_t(Pic::Count));
    for (size_t i = 0; i < size_t(Pic::Count); ++i) {
        const Pic p = Pic(i);
        const PicInfo& info = picInfo(p);
        const QString name = QString::fromLatin1(info.name.data(), qsizetype(info.name.size()));
        for (int f = 0; f < info.frames; ++f) {
            const QString path = info.frames == 1 ? QStringLiteral(":/sprites/%1.png").arg(name)
                                                  : QStringLiteral(":/sprites/%1_%2.png").arg(name).arg(f);
            QImage img(path);
            images_[i].push_back(img.isNull() ? blank(info, isMask(p))
                                              : img.convertToFormat(QImage::Format_RGB32));
        }
    }
}

const QImage& SpriteSheet::image(SpriteRef r) const {
    const auto& frames = images_[size_t(r.pic)];
    // A frame beyond the picture's frames falls back to frame 0.
    return frames[r.frame < frames.size() ? r.frame : 0];
}

void SpriteSheet::replace(SpriteRef r, const QImage& image) {
    auto& frames = images_[size_t(r.pic)];
    if (r.frame < frames.size()) frames[r.frame] = image.convertToFormat(QImage::Format_RGB32);
}

const SpriteSheet& SpriteSheet::instance() {
    static const SpriteSheet sheet;
    return sheet;
}

}  // namespace vrh
