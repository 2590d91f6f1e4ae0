#pragma once
// Carries out a composed Frame on a persistent canvas (what was drawn stays
// until drawn over), and presents the canvas in a client area.
// Masked sprites: the mask with AND, then the picture with OR.
#include <QImage>
#include <QSize>

#include "combat/Frame.h"
#include "combat/Scaling.h"
#include "combat/ui/SpriteSheet.h"

class QPainter;

namespace vrh {

class Renderer {
public:
    // canvasSize: the drawing surface (323 x 361 for the game window).
    explicit Renderer(QSize canvasSize, const SpriteSheet& sheet = SpriteSheet::instance());

    void render(const Frame& frame);
    const QImage& canvas() const { return canvas_; }
    QImage& canvas() { return canvas_; }

    // Shows the top-left `source` part of the canvas in `client` (nearest
    // neighbour), drawn with `p` at (0, 0): stretched over all of it, or
    // enlarged by a whole number and centred on black (see combat/Scaling.h).
    void present(QPainter& p, QSize source, QSize client, ScaleMode mode = ScaleMode::Stretch) const;

private:
    const SpriteSheet& sheet_;
    QImage canvas_;
};

}  // namespace vrh
