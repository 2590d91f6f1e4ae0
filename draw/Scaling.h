#pragma once
// Where the composed play field lands in the game window's client area.
// Two ways, both drawn nearest neighbour by the window:
//   Stretch      the field covers the whole client area (the classic look;
//                pixels grow unevenly when the client is not a whole multiple).
//   WholeFactor  the field is enlarged by the largest whole number that fits
//                and centred; the rest of the client area stays black.

namespace vrh {

enum class ScaleMode { Stretch, WholeFactor };

struct PixelRect {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The largest whole factor by which a srcW x srcH picture fits into cw x ch,
// or 0 when it does not fit even unscaled (or any size is not positive).
int wholeScaleFactor(int srcW, int srcH, int cw, int ch);

// The rectangle of the cw x ch client area that shows the srcW x srcH field.
// WholeFactor falls back to Stretch when the field does not fit unscaled: the
// normal window (324 x 359 under the menu bar) is two rows shorter than the
// field, and stretching there keeps every row of the field on screen, exactly
// as the game has always looked at its normal size; clipping would hide the
// bottom rows instead.
PixelRect presentRect(ScaleMode mode, int srcW, int srcH, int cw, int ch);

}  // namespace vrh
