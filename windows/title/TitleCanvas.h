#pragma once
// Draws the title scene: strips and ship, the four menu entries in their
// colours, the logo on top. Kept apart from the window so the same drawing
// can be measured without one.
//
// Most of the title never moves: the top strip steps once a second and the
// logo stands still. So only what can have changed since the previous frame
// is drawn again (the three bands, the entries over them, where the ship was
// and is); the rest of the canvas keeps its pixels. Everything is drawn when
// the top strip has moved.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <vector>

#include "draw/Frame.h"
#include "ui/Renderer.h"
#include "ui/TextPrinter.h"
#include "shell/TitleScene.h"

namespace vrh {

class TitleCanvas {
public:
    static constexpr QSize kSize{TitleScene::kCanvasW, TitleScene::kCanvasH};

    TitleCanvas();
    void draw(const TitleScene& scene);
    const Renderer& renderer() const { return renderer_; }

private:
    // Where the canvas may change in this frame; notes what it drew.
    QRegion changingArea(const TitleScene& scene);

    Renderer renderer_;
    Frame sceneFrame_, logoFrame_;
    TextPrinter printer_;
    // What the still part of the canvas shows; empty before the first frame.
    std::vector<int> drawnTopX_;
    QRect drawnLogo_, drawnShip_;
};

}  // namespace vrh
