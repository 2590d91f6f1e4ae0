#include "combat/ui/Renderer.h"

#include <QPainter>
#include <QRegion>

namespace vrh {

Renderer::Renderer(QSize canvasSize, const SpriteSheet& sheet)
    : sheet_(sheet), canvas_(canvasSize, QImage::Format_RGB32) {
    canvas_.fill(Qt::black);
}

void Renderer::render(const Frame& frame) {
    QPainter p(&canvas_);
    // Block transfers copy without scaling from the picture's origin: the
    // source is the top-left w x h part of the picture, clipped to it.
    auto blit = [&](const QImage& img, const DrawOp& op) {
        const QRect src = QRect(0, 0, op.w, op.h) & img.rect();
        if (!src.isEmpty()) p.drawImage(QPoint(op.x, op.y), img, src);
    };
    for (const DrawOp& op : frame.ops) {
        if (op.kind == DrawOp::Copy) {
            p.setCompositionMode(QPainter::CompositionMode_Source);
            blit(sheet_.image(op.picture), op);
        } else {
            p.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
            blit(sheet_.image(op.mask), op);
            p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
            blit(sheet_.image(op.picture), op);
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
    p.drawImage(target, canvas_, QRect(QPoint(0, 0), source));
}

}  // namespace vrh
