#include "ui/XRenderPresenter.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

// Xlib's macros (None, Bool, Status...) clash with Qt's names: included last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xrender.h>

namespace vrh {

namespace {

Display* qtDisplay() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) return nullptr;
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
}

bool cpuPresentAsked() {
    const char* v = std::getenv("VARNHOLT_PRESENT");
    return v && std::strcmp(v, "cpu") == 0;
}

// The 16.16 step from one client pixel to the next in field pixels: the
// step the game's own enlargement takes (draw/NearestScaler.cpp).
XFixed stepOf(int field, int out) { return XFixed(uint32_t(65536.0 / (double(out) / field))); }

std::vector<XRectangle> rectanglesOf(const QRegion& region) {
    std::vector<XRectangle> rects;
    for (const QRect& r : region)
        rects.push_back({short(r.x()), short(r.y()), (unsigned short)r.width(), (unsigned short)r.height()});
    return rects;
}

}  // namespace

struct XRenderPresenter::Server {
    Display* display = nullptr;
    Window window = 0;
    QSize field;
    Pixmap pixmap = 0;   // the field's pixels on the server
    GC gc = nullptr;     // for sending them
    Picture source = 0;  // the pixmap, read through the enlarging transform
    Picture target = 0;  // the window
    QSize transformFor;  // the enlarged size the transform was set for

    ~Server() {
        if (target) XRenderFreePicture(display, target);
        if (source) XRenderFreePicture(display, source);
        if (gc) XFreeGC(display, gc);
        if (pixmap) XFreePixmap(display, pixmap);
        XFlush(display);
    }
};

bool XRenderPresenter::available() {
    if (cpuPresentAsked()) return false;
    Display* display = qtDisplay();
    if (!display) return false;
    int eventBase = 0, errorBase = 0, major = 0, minor = 0;
    if (!XRenderQueryExtension(display, &eventBase, &errorBase)) return false;
    if (!XRenderQueryVersion(display, &major, &minor) || (major == 0 && minor < 6)) return false;
    return XRenderFindStandardFormat(display, PictStandardRGB24) != nullptr;
}

std::unique_ptr<XRenderPresenter> XRenderPresenter::create(WId window, QSize fieldSize) {
    Display* display = qtDisplay();
    if (!display || !window || fieldSize.isEmpty()) return nullptr;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, Window(window), &attributes)) return nullptr;
    XRenderPictFormat* windowFormat = XRenderFindVisualFormat(display, attributes.visual);
    XRenderPictFormat* fieldFormat = XRenderFindStandardFormat(display, PictStandardRGB24);
    if (!windowFormat || !fieldFormat) return nullptr;

    auto s = std::make_unique<Server>();
    s->display = display;
    s->window = Window(window);
    s->field = fieldSize;
    s->pixmap =
        XCreatePixmap(display, s->window, unsigned(fieldSize.width()), unsigned(fieldSize.height()), 24);
    s->gc = XCreateGC(display, s->pixmap, 0, nullptr);
    s->source = XRenderCreatePicture(display, s->pixmap, fieldFormat, 0, nullptr);
    XRenderSetPictureFilter(display, s->source, FilterNearest, nullptr, 0);
    s->target = XRenderCreatePicture(display, s->window, windowFormat, 0, nullptr);
    if (!s->pixmap || !s->gc || !s->source || !s->target) return nullptr;
    return std::unique_ptr<XRenderPresenter>(new XRenderPresenter(std::move(s)));
}

XRenderPresenter::XRenderPresenter(std::unique_ptr<Server> server) : server_(std::move(server)) {}

XRenderPresenter::~XRenderPresenter() = default;

WId XRenderPresenter::window() const { return WId(server_->window); }

QRegion XRenderPresenter::upload(const QImage& field, const QRect& shown) {
    const int w = server_->field.width(), h = server_->field.height();
    if (field.size() != server_->field || field.depth() != 32) return {};
    std::vector<bool> changed(size_t(h), true);
    if (sent_.isNull()) {
        sent_ = field.convertToFormat(QImage::Format_RGB32);
    } else {
        const size_t rowBytes = size_t(w) * 4;
        for (int y = 0; y < h; ++y) {
            changed[size_t(y)] = std::memcmp(field.constScanLine(y), sent_.constScanLine(y), rowBytes) != 0;
            if (changed[size_t(y)]) std::memcpy(sent_.scanLine(y), field.constScanLine(y), rowBytes);
        }
    }
    // The pixmap takes the rows as they lie in memory: 32 bits a pixel,
    // blue first on this little-endian machine (Xlib swaps for a server
    // that wants the other order).
    XImage image{};
    image.width = w;
    image.height = h;
    image.format = ZPixmap;
    image.data = reinterpret_cast<char*>(sent_.bits());
    image.byte_order = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? LSBFirst : MSBFirst;
    image.bitmap_unit = 32;
    image.bitmap_bit_order = image.byte_order;
    image.bitmap_pad = 32;
    image.depth = 24;
    image.bytes_per_line = int(sent_.bytesPerLine());
    image.bits_per_pixel = 32;
    image.red_mask = 0xff0000;
    image.green_mask = 0x00ff00;
    image.blue_mask = 0x0000ff;
    if (!XInitImage(&image)) return {};

    // Each run of changed rows is sent once; the client rows showing it (one
    // more each side: the server may round a row the other way) are repainted.
    QRegion shows;
    for (int y = 0; y < h;) {
        int end = y;
        while (end < h && changed[size_t(end)]) ++end;
        if (end > y) {
            XPutImage(server_->display, server_->pixmap, server_->gc, &image, 0, y, 0, y, unsigned(w),
                      unsigned(end - y));
            const int top = int(int64_t(y) * shown.height() / h) - 1;
            const int bottom = int((int64_t(end) * shown.height() + h - 1) / h) + 1;
            shows += QRect(shown.x(), shown.y() + top, shown.width(), bottom - top);
        }
        y = std::max(end, y + 1);
    }
    return shows & shown;
}

void XRenderPresenter::present(const QImage& field, QSize client, const QRect& shown, const QRegion& area) {
    Server& s = *server_;
    const QRect all(QPoint(0, 0), client);
    const QRegion paint = (area + upload(field, shown)) & all;
    if (paint.isEmpty() || shown.isEmpty()) return;

    // Nothing outside `paint` changes: it is the target's clip.
    const std::vector<XRectangle> clip = rectanglesOf(paint);
    XRenderSetPictureClipRectangles(s.display, s.target, 0, 0, clip.data(), int(clip.size()));
    if (shown != all) {  // the border around a centred field is black
        const XRenderColor black{0, 0, 0, 0xffff};
        const std::vector<XRectangle> border = rectanglesOf(QRegion(all).subtracted(QRegion(shown)) & paint);
        if (!border.empty())
            XRenderFillRectangles(s.display, PictOpSrc, s.target, &black, border.data(), int(border.size()));
    }
    if (s.transformFor != shown.size()) {
        // Client pixel -> field pixel: the transform maps the target's
        // coordinates into the source's.
        XTransform t{};
        t.matrix[0][0] = stepOf(s.field.width(), shown.width());
        t.matrix[1][1] = stepOf(s.field.height(), shown.height());
        t.matrix[2][2] = XDoubleToFixed(1);
        XRenderSetPictureTransform(s.display, s.source, &t);
        s.transformFor = shown.size();
    }
    XRenderComposite(s.display, PictOpSrc, s.source, 0, s.target, 0, 0, 0, 0, shown.x(), shown.y(),
                     unsigned(shown.width()), unsigned(shown.height()));
    XFlush(s.display);
}

}  // namespace vrh
