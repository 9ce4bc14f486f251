/* xdrop WINDOW X Y URI: drops URI (text/uri-list) on the X window WINDOW at the screen point X, Y
   as a file manager's XDND drag does; exits 0 once the window has taken it. */
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static Display* display;
static Window source;
static char uri[4096];

static void Send(Window target, const char* type, long l1, long l2, long l3, long l4) {
    XEvent event = {.xclient = {.type = ClientMessage, .window = target, .format = 32,
                                .message_type = XInternAtom(display, type, False),
                                .data.l = {(long)source, l1, l2, l3, l4}}};
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

/* Hands the data to whoever asks until a message of type comes; 0 when none in 10 s. */
static int Await(const char* type) {
    const Atom list = XInternAtom(display, "text/uri-list", False);
    for (time_t end = time(NULL) + 10; time(NULL) < end;) {
        XEvent event;
        if (!XPending(display)) {
            usleep(20000);
            continue;
        }
        XNextEvent(display, &event);
        if (event.type == ClientMessage &&
            event.xclient.message_type == XInternAtom(display, type, False))
            return 1;
        XSelectionRequestEvent* asked = &event.xselectionrequest;
        if (event.type != SelectionRequest)
            continue;
        XEvent reply = {.xselection = {.type = SelectionNotify, .requestor = asked->requestor,
                                       .selection = asked->selection, .target = asked->target,
                                       .time = asked->time, .property = None}};
        if (asked->target == list) {
            XChangeProperty(display, asked->requestor, asked->property, list, 8, PropModeReplace,
                            (const unsigned char*)uri, (int)strlen(uri));
            reply.xselection.property = asked->property;
        }
        XSendEvent(display, asked->requestor, False, NoEventMask, &reply);
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 5 || !(display = XOpenDisplay(NULL)))
        return 2;
    const Window target = strtoul(argv[1], NULL, 0);
    snprintf(uri, sizeof uri, "%s\r\n", argv[4]);
    source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, XInternAtom(display, "XdndSelection", False), source, CurrentTime);
    Send(target, "XdndEnter", 5L << 24, XInternAtom(display, "text/uri-list", False), 0, 0);
    Send(target, "XdndPosition", 0, atol(argv[2]) << 16 | atol(argv[3]), CurrentTime,
         XInternAtom(display, "XdndActionCopy", False));
    if (!Await("XdndStatus"))
        return 3;
    Send(target, "XdndDrop", 0, CurrentTime, 0, 0);
    return Await("XdndFinished") ? 0 : 4;
}
