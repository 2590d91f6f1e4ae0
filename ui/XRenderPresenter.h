#pragma once
// Shows the play field in an X window enlarged by the X server (RENDER,
// nearest-neighbour filter): only the small field picture travels to the
// server, and only its changed rows; the server (on most desktops its GPU)
// writes the millions of enlarged pixels. A full-screen window on a 4K
// screen then costs the game about what the normal window does.
//
// The caller places the field as Renderer::present does (draw/Scaling.h).
// Without X (another Qt platform, no RENDER) or with VARNHOLT_PRESENT=cpu in
// the environment the game draws the enlarged field itself (Renderer).
#include <QImage>
#include <QRegion>
#include <QSize>
#include <qwindowdefs.h>  // WId

#include <memory>

namespace vrh {

class XRenderPresenter {
public:
    // Whether the server can enlarge the field: the platform is X (xcb), the
    // server has RENDER 0.6 or later (transforms and filters), and
    // VARNHOLT_PRESENT=cpu does not ask for the game's own drawing.
    static bool available();

    // For the X window `window` showing a field of `fieldSize` pixels; null
    // when the window's pictures cannot be made.
    static std::unique_ptr<XRenderPresenter> create(WId window, QSize fieldSize);
    ~XRenderPresenter();
    XRenderPresenter(const XRenderPresenter&) = delete;
    XRenderPresenter& operator=(const XRenderPresenter&) = delete;

    WId window() const;

    // Shows `field` (32 bits a pixel, the size given at creation) enlarged
    // over `shown` of the `client` area, black around it: sends the field's
    // rows that differ from those sent before, and repaints where they show
    // plus `area` (e.g. an exposed part). All in the window's own pixels.
    void present(const QImage& field, QSize client, const QRect& shown, const QRegion& area);

private:
    struct Server;
    explicit XRenderPresenter(std::unique_ptr<Server> server);
    // Sends the changed rows; returns the client rows that show them.
    QRegion upload(const QImage& field, const QRect& shown);

    std::unique_ptr<Server> server_;
    QImage sent_;  // what the server's copy of the field holds
};

}  // namespace vrh
