#pragma once
// Carries out a composed Frame on a persistent canvas (what was drawn stays
// until drawn over), and presents the canvas in a client area.
// Masked sprites: the mask with AND, then the picture with OR.
#include <QImage>
#include <QRegion>
#include <QSize>

#include "draw/Frame.h"
#include "draw/NearestScaler.h"
#include "draw/Scaling.h"
#include "ui/SpriteSheet.h"

class QPainter;

namespace vrh {

class Renderer {
public:
    // canvasSize: the drawing surface (323 x 361 for the game window).
    explicit Renderer(QSize canvasSize, const SpriteSheet& sheet = SpriteSheet::instance());

    void render(const Frame& frame);
    // Carries out `frame` only inside `area`; the rest of the canvas keeps
    // what it shows. Inside, the pixels are exactly those render(frame) makes.
    void render(const Frame& frame, const QRegion& area);
    const QImage& canvas() const { return canvas_; }
    QImage& canvas() { return canvas_; }

    // Shows the top-left `source` part of the canvas in `client` (nearest
    // neighbour), drawn with `p` at (0, 0): stretched over all of it, or
    // enlarged by a whole number and centred on black (see draw/Scaling.h).
    // When `p` paints into a 32-bit picture (a window's backing store, which
    // on X is shared memory read by the server), the enlarged field is
    // written straight into it, only where the painter may paint.
    void present(QPainter& p, QSize source, QSize client, ScaleMode mode = ScaleMode::Stretch) const;

    // The part of `client` whose pixels changed since the previous call for
    // the same client and mode: the bands of rows that show canvas rows (of
    // the top-left `source` part) changed since then; all of it on the first
    // call and when the client's size or the mode changed. A window sends
    // only that part to the screen.
    QRegion changedArea(QSize source, QSize client, ScaleMode mode);

private:
    bool presentDirectly(QPainter& p, QSize source, const QRect& target) const;

    const SpriteSheet& sheet_;
    QImage canvas_;
    mutable NearestScaler scaler_;  // keeps its tables while the window keeps its size
    // What changedArea() compared against: the canvas then, the client, the mode.
    QImage shown_;
    QSize shownClient_;
    ScaleMode shownMode_ = ScaleMode::Stretch;
};

}  // namespace vrh
