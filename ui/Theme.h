#pragma once
// The one look of every window: the game's pixel font "Varnholt Pixel" and
// the style sheet resources/ui/theme.qss (night-blue panels from the
// honeycomb band, honey-gold buttons from the shop). Applied once at
// start-up; windows only ask for a font size where they paint text
// themselves.
#include <QColor>
#include <QFont>

class QApplication;

namespace vrh::theme {

// The font draws one glyph pixel per screen pixel at this size, two at twice it.
inline constexpr int kFontPixels = 10;

// Registers the pixel font, makes it the application's font and applies the
// style sheet to every window.
void apply(QApplication& app);

// The pixel font at a pixel size (a multiple of kFontPixels keeps it sharp).
QFont font(int pixelSize, bool bold = false);

// A text printed straight onto the pixel art gets a one-pixel rim of the
// opposite brightness, so it reads on the dark comb and on the pale shop alike.
QColor rimFor(const QColor& text);

}  // namespace vrh::theme
