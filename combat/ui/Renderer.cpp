#include "combat/ui/Renderer.h"

#include <QPainter>

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

void Renderer::present(QPainter& p, QSize source, QSize client) const {
    // Nearest neighbour: no smooth transform.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRect(QPoint(0, 0), client), canvas_, QRect(QPoint(0, 0), source));
}

}  // namespace vrh
