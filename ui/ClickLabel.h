#pragma once
// A label that acts as a button: a left click, or Return, Enter or Space
// while it has the keyboard focus, emits clicked(). Tab and the arrow keys
// move the focus between the labels of a window; the focused one is framed.
#include <QLabel>

namespace vrh {

class ClickLabel : public QLabel {
    Q_OBJECT
public:
    ClickLabel(const QString& text, QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace vrh
