#include "combat/ui/TextPrinter.h"

#include <QPainter>

namespace vrh {

TextPrinter::TextPrinter(QFont font) : font_(std::move(font)) {}

void TextPrinter::print(QPainter& p, const QRect& box, const QColor& color, const std::string& text) {
    auto it = texts_.find(text);
    if (it == texts_.end()) {
        if (texts_.size() >= kMaxTexts) texts_.clear();
        QStaticText st(QString::fromStdString(text));
        st.setTextFormat(Qt::PlainText);
        st.setPerformanceHint(QStaticText::AggressiveCaching);
        st.prepare(QTransform(), font_);
        it = texts_.emplace(text, std::move(st)).first;
    }
    p.setFont(font_);
    p.setPen(color);
    const QSizeF size = it->second.size();
    const bool overflows = size.width() > box.width() || size.height() > box.height();
    if (overflows) {  // only then is the clipping worth its cost
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
    }
    p.drawStaticText(box.topLeft(), it->second);
    if (overflows) p.restore();
}

}  // namespace vrh
