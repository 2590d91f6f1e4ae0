#pragma once
// Deleting a window or timer whose handler is still on the stack frees
// memory that handler goes on to use. A message box runs an event loop of its
// own, and that inner loop carries out deleteLater() requests made while it
// runs, even for a window whose timer handler opened the box. Objects handed
// in here are deleted only once every event loop above the main one has
// returned, that is when no handler that was running at the time is left.
class QObject;

namespace vrh {

void deleteWhenHandlersReturned(QObject* object);

}  // namespace vrh
