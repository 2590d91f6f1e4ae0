#include "ui/Renderer.h"

#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cstring>
#include <vector>

namespace vrh {

Renderer::Renderer(QSize canvasSize, const SpriteSheet& sheet)
    : sheet_(sheet), canvas_(canvasSize, QImage::Format_RGB32) {
    canvas_.fill(Qt::black);
}

void Renderer::render(const Frame& frame) { render(frame, QRegion(canvas_.rect())); }

void Renderer::render(const Frame& frame, const QRegion& area) {
    QPainter p(&canvas_);
    // Block transfers copy without scaling from the picture's origin: the
    // source is the top-left w x h part of the picture, clipped to it, and
    // here also to the part of `area` being drawn (no painter clipping: a
    // plain rectangle keeps the fast copy).
    auto blit = [&](const QImage& img, const DrawOp& op, const QRect& part) {
        const QRect dest = (QRect(0, 0, op.w, op.h) & img.rect()).translated(op.x, op.y) & part;
        if (!dest.isEmpty()) p.drawImage(dest.topLeft(), img, dest.translated(-op.x, -op.y));
    };
    for (const QRect& part : area) {
        for (const DrawOp& op : frame.ops) {
            if (op.kind == DrawOp::Copy) {
                p.setCompositionMode(QPainter::CompositionMode_Source);
                blit(sheet_.image(op.picture), op, part);
            } else {
                p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
                blit(sheet_.image(op.mask), op, part);
                p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
                blit(sheet_.image(op.picture), op, part);
            }
        }
    }
}

void Renderer::present(QPainter& p, QSize source, QSize client, ScaleMode mode) const {
    // Nearest neighbour: no smooth transform.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    const PixelRect r = presentRect(mode, source.width(), source.height(), client.width(), client.height());
    const QRect target(r.x, r.y, r.w, r.h);
    const QRect all(QPoint(0, 0), client);
    if (target != all) {  // the border around a centred field is black
        const QRegion border = QRegion(all).subtracted(QRegion(target));
        for (const QRect& band : border) p.fillRect(band, Qt::black);
    }
    if (!presentDirectly(p, source, target)) p.drawImage(target, canvas_, QRect(QPoint(0, 0), source));
}

namespace {

// The picture `p` paints into when pixels may be written into it directly:
// 32 bits a pixel, reached from the painter's coordinates by a whole-pixel
// shift (`offset`), and no clipping of the painter's own to respect.
QImage* writablePicture(QPainter& p, QPoint& offset) {
    QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || p.hasClipping()) return nullptr;
    QPaintDevice* device = engine->paintDevice();
    if (!device || device->devType() != QInternal::Image) return nullptr;
    auto* picture = static_cast<QImage*>(device);
    // Shared pixels would be copied by the first write: that copy is not what
    // the window shows.
    if (!picture->isDetached()) return nullptr;
    const QImage::Format f = picture->format();
    const bool rgb32 =
        f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
    const QTransform t = p.deviceTransform();
    if (!rgb32 || picture->devicePixelRatio() != 1.0 || t.type() > QTransform::TxTranslate) return nullptr;
    offset = QPoint(int(t.dx()), int(t.dy()));
    if (QPointF(offset) != QPointF(t.dx(), t.dy())) return nullptr;
    return picture;
}

}  // namespace

bool Renderer::presentDirectly(QPainter& p, QSize source, const QRect& target) const {
    QPoint offset;
    QImage* picture = writablePicture(p, offset);
    if (!picture || target.isEmpty() || canvas_.format() != QImage::Format_RGB32) return false;
    // A window repaints only its exposed or updated parts (the engine's system
    // clip, in the picture's pixels); nothing outside them may change.
    const QRect onPicture = target.translated(offset) & picture->rect();
    QRegion allowed = p.paintEngine()->systemClip();
    allowed = allowed.isEmpty() ? QRegion(onPicture) : allowed.intersected(onPicture);

    scaler_.resize(source.width(), source.height(), target.width(), target.height());
    const auto* src = reinterpret_cast<const uint32_t*>(canvas_.constBits());
    const ptrdiff_t srcStride = canvas_.bytesPerLine() / 4;
    const ptrdiff_t outStride = picture->bytesPerLine() / 4;
    const QPoint origin = target.topLeft() + offset;  // the field's first pixel on the picture
    auto* out = reinterpret_cast<uint32_t*>(picture->bits()) + origin.y() * outStride + origin.x();
    for (const QRect& r : allowed) {
        const QRect a = r.translated(-origin);
        scaler_.scale(src, srcStride, out, outStride, {a.left(), a.top(), a.right() + 1, a.bottom() + 1});
    }
    return true;
}

QRegion Renderer::changedArea(QSize source, QSize client, ScaleMode mode) {
    const QRect all(QPoint(0, 0), client);
    if (shown_.isNull() || client != shownClient_ || mode != shownMode_) {
        shown_ = canvas_.copy();
        shownClient_ = client;
        shownMode_ = mode;
        return all;
    }
    std::vector<bool> changed(size_t(source.height()), false);  // canvas rows changed since then
    const size_t rowBytes = size_t(source.width()) * 4;
    for (int y = 0; y < source.height(); ++y) {
        if (std::memcmp(canvas_.constScanLine(y), shown_.constScanLine(y), rowBytes) == 0) continue;
        std::memcpy(shown_.scanLine(y), canvas_.constScanLine(y), rowBytes);
        changed[size_t(y)] = true;
    }
    const PixelRect r = presentRect(mode, source.width(), source.height(), client.width(), client.height());
    scaler_.resize(source.width(), source.height(), r.w, r.h);
    QRegion area;
    for (int y = 0; y < r.h;) {  // each run of output rows showing changed canvas rows is one band
        int end = y;
        while (end < r.h && changed[size_t(scaler_.sourceRow(end))]) ++end;
        if (end > y) area += QRect(r.x, r.y + y, r.w, end - y) & all;
        y = std::max(end, y + 1);
    }
    return area;
}

}  // namespace vrh
