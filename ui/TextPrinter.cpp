#include "ui/TextPrinter.h"

#include <QPainter>

#include "ui/Theme.h"

namespace vrh {

TextPrinter::TextPrinter(const QFont& font, Rim rim) : font_(font), rim_(rim) {}

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
    const QSizeF size = it->second.size();
    const bool overflows = size.width() > box.width() || size.height() > box.height();
    if (overflows) {  // only then is the clipping worth its cost
        p.save();
        p.setClipRect(box, Qt::IntersectClip);
    }
    if (rim_ == Rim::Contrasting) {
        p.setPen(theme::rimFor(color));
        for (const QPoint d : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            p.drawStaticText(box.topLeft() + d, it->second);
    }
    p.setPen(color);
    p.drawStaticText(box.topLeft(), it->second);
    if (overflows) p.restore();
}

}  // namespace vrh
