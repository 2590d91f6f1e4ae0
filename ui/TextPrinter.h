#pragma once
// Prints short captions in a box, left and top aligned, in one font: what
// QPainter::drawText(box, AlignLeft | AlignTop, text) prints, pixel for
// pixel (clipped to the box, as that is), but with the layout of each
// distinct text made once instead of at every frame. The menus print the
// same few texts ten times a second. A rimmed printer first prints the text
// one pixel to each side in the rim colour the theme gives for its colour.
#include <QColor>
#include <QFont>
#include <QStaticText>

#include <string>
#include <unordered_map>

class QPainter;

namespace vrh {

class TextPrinter {
public:
    enum class Rim { None, Contrasting };
    explicit TextPrinter(const QFont& font, Rim rim = Rim::None);
    void print(QPainter& p, const QRect& box, const QColor& color, const std::string& text);
    const QFont& font() const { return font_; }

private:
    static constexpr size_t kMaxTexts = 256;  // more distinct texts than a window shows: start over
    QFont font_;
    Rim rim_;
    std::unordered_map<std::string, QStaticText> texts_;
};

}  // namespace vrh
