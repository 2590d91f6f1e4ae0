#include "ui/DeferredDelete.h"

#include <QObject>
#include <QPointer>
#include <QThread>
#include <QTimer>

#include <vector>

namespace vrh {
namespace {

// How often a deletion waiting for a box to close looks again.
constexpr int kRetryMs = 20;

std::vector<QPointer<QObject>>& waiting() {
    static std::vector<QPointer<QObject>> objects;
    return objects;
}

bool insideNestedLoop() { return QThread::currentThread()->loopLevel() > 1; }

void releaseWaiting() {
    if (insideNestedLoop()) {
        QTimer::singleShot(kRetryMs, releaseWaiting);
        return;
    }
    // Called from a timer event of the main loop: nothing else is running,
    // and deleteLater() takes effect when this event has been handled.
    const std::vector<QPointer<QObject>> objects = std::move(waiting());
    waiting().clear();
    for (const QPointer<QObject>& o : objects)
        if (o) o->deleteLater();
}

}  // namespace

void deleteWhenHandlersReturned(QObject* object) {
    if (!insideNestedLoop()) {
        object->deleteLater();  // the main loop deletes it once the running handler returned
        return;
    }
    const bool retryArmed = !waiting().empty();
    waiting().emplace_back(object);
    if (!retryArmed) QTimer::singleShot(kRetryMs, releaseWaiting);
}

}  // namespace vrh
