#pragma once
// Draws the title scene: strips and ship, the four menu entries in their
// colours, the logo on top. Kept apart from the window so the same drawing
// can be measured without one.
#include <QImage>
#include <QSize>

#include "combat/Frame.h"
#include "combat/ui/Renderer.h"
#include "combat/ui/TextPrinter.h"
#include "shell/TitleScene.h"

namespace vrh {

class TitleCanvas {
public:
    static constexpr QSize kSize{TitleScene::kCanvasW, TitleScene::kCanvasH};

    TitleCanvas();
    void draw(const TitleScene& scene);
    const Renderer& renderer() const { return renderer_; }

private:
    Renderer renderer_;
    Frame sceneFrame_, logoFrame_;
    TextPrinter printer_;
};

}  // namespace vrh
