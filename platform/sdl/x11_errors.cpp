#include "platform/sdl/x11_errors.h"

#include <X11/Xlib.h>
#include <X11/Xproto.h>

namespace {

XErrorHandler nextHandler = nullptr;

// SDL ends another thread's wait for events by sending an X event to one of
// its windows. When the frame timer or the sound thread wakes the loop just as
// the window closes, the event may go to a window already destroyed: the
// wake-up is not needed any more, but Xlib's default handler would end the
// program with status 1. The error is read late, often only when SDL closes
// its connections, so this handler has to outlive SDL's.
int onXError(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow && error->request_code == X_SendEvent) return 0;
    return nextHandler != nullptr ? nextHandler(display, error) : 0;
}

}  // namespace

void tolerateLateWakeUps() {
    const XErrorHandler previous = XSetErrorHandler(onXError);
    if (previous != onXError) nextHandler = previous;
}
