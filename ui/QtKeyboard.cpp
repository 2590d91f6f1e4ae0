#include "ui/QtKeyboard.h"

#include <QApplication>
#include <QHash>
#include <QKeyEvent>

namespace vrh {

int virtualKeyOf(int key, bool keypad) {
    if (keypad) {
        // Keypad digits, with Num Lock on or off.
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return 96 + (key - Qt::Key_0);
        switch (key) {
        case Qt::Key_Insert: return 96;
        case Qt::Key_End: return 97;
        case Qt::Key_Down: return 98;
        case Qt::Key_PageDown: return 99;
        case Qt::Key_Left: return 100;
        case Qt::Key_Clear: return 101;
        case Qt::Key_Right: return 102;
        case Qt::Key_Home: return 103;
        case Qt::Key_Up: return 104;
        case Qt::Key_PageUp: return 105;
        case Qt::Key_Enter: return 13;
        default: break;
        }
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return key;  // 65..90, as the letters
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return key;  // 48..57, as the digits
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return 112 + (key - Qt::Key_F1);
    switch (key) {
    case Qt::Key_Space: return 32;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Return:
    case Qt::Key_Enter: return 13;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return 9;
    case Qt::Key_Left: return 37;
    case Qt::Key_Up: return 38;
    case Qt::Key_Right: return 39;
    case Qt::Key_Down: return 40;
    default: return 0;
    }
}

bool isKeyRepeat(const QKeyEvent& e) {
    // One keyboard: the last release time of each key, whoever looked first.
    static QHash<int, quint64> lastRelease;
    if (e.isAutoRepeat()) return true;
    if (e.type() == QEvent::KeyRelease) {
        lastRelease[e.key()] = e.timestamp();
        return false;
    }
    const auto it = lastRelease.constFind(e.key());
    return e.timestamp() != 0 && it != lastRelease.constEnd() && *it == e.timestamp();
}

bool keyEventBelongs(const KeyReader& reader, const QKeyEvent& e) {
    const bool newPress = e.type() == QEvent::KeyPress && !isKeyRepeat(e);
    if (newPress) return true;
    const int vk = virtualKeyOf(e.key(), e.modifiers() & Qt::KeypadModifier);
    if (!vk) return e.type() == QEvent::KeyRelease;
    return reader.ownsLatestPress(vk);
}

QtKeyboard::QtKeyboard() { qApp->installEventFilter(this); }

void QtKeyboard::count(const QKeyEvent& k) {
    const int vk = virtualKeyOf(k.key(), k.modifiers() & Qt::KeypadModifier);
    if (!vk) return;
    if (isKeyRepeat(k)) {
        // Still held (after the release half of a repeat pair, or after its
        // release was lost, see WindowUnblocked): down again, without
        // counting as a new press.
        if (k.type() == QEvent::KeyPress && !isDown(vk, KeySource::Keyboard)) keyStillHeld(vk);
        return;
    }
    if (k.type() == QEvent::KeyPress)
        keyDown(vk);
    else
        keyUp(vk);
}

bool QtKeyboard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        // Each key event reaches the filter once per widget it travels through;
        // only the one for a window counts.
        if (!watched->isWidgetType()) break;
        const auto& k = *static_cast<QKeyEvent*>(event);
        count(k);
        if (dropKeyEvent && dropKeyEvent(watched, k)) return true;
        break;
    }
    case QEvent::WindowUnblocked:
        // Releases sent to this window while it was blocked were dropped.
        if (watched->isWidgetType()) releaseAll();
        break;
    case QEvent::ApplicationStateChange:
        if (qApp->applicationState() != Qt::ApplicationActive) releaseAll();
        break;
    default: break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace vrh
