/* xdrop WINDOW X Y URI: drops URI (text/uri-list) on the X window WINDOW at the screen point X, Y
   as a file manager's XDND drag does; exits 0 once the window has taken it. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

static Display* display;
static Window source;

static Atom A(const char* name) {
    return XInternAtom(display, name, False);
}

static void Send(Window target, const char* type, long l1, long l2, long l3, long l4) {
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = target;
    event.xclient.message_type = A(type);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)source;
    event.xclient.data.l[1] = l1;
    event.xclient.data.l[2] = l2;
    event.xclient.data.l[3] = l3;
    event.xclient.data.l[4] = l4;
    XSendEvent(display, target, False, NoEventMask, &event);
    XFlush(display);
}

/* Answers requests for the data until a message of type arrives; 0 when none in 10 s. */
static int Await(const char* type, const char* uri) {
    for (time_t end = time(NULL) + 10; time(NULL) < end;) {
        if (!XPending(display)) {
            struct timespec pause = {0, 20000000};
            nanosleep(&pause, NULL);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.message_type == A(type))
            return 1;
        if (event.type == SelectionRequest) {
            XSelectionRequestEvent* request = &event.xselectionrequest;
            XEvent reply = {0};
            reply.xselection.type = SelectionNotify;
            reply.xselection.requestor = request->requestor;
            reply.xselection.selection = request->selection;
            reply.xselection.target = request->target;
            reply.xselection.time = request->time;
            reply.xselection.property = None;
            if (request->target == A("text/uri-list")) {
                XChangeProperty(display, request->requestor, request->property, request->target, 8,
                                PropModeReplace, (const unsigned char*)uri, (int)strlen(uri));
                reply.xselection.property = request->property;
            }
            XSendEvent(display, request->requestor, False, NoEventMask, &reply);
            XFlush(display);
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    if (argc != 5 || !(display = XOpenDisplay(NULL)))
        return 2;
    const Window target = (Window)strtoul(argv[1], NULL, 0);
    const long x = atol(argv[2]), y = atol(argv[3]);
    char uri[4096];
    snprintf(uri, sizeof uri, "%s\r\n", argv[4]);
    source = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    XSetSelectionOwner(display, A("XdndSelection"), source, CurrentTime);
    Send(target, "XdndEnter", 5L << 24, (long)A("text/uri-list"), 0, 0);
    Send(target, "XdndPosition", 0, (x << 16) | y, CurrentTime, (long)A("XdndActionCopy"));
    if (!Await("XdndStatus", uri))
        return 3;
    Send(target, "XdndDrop", 0, CurrentTime, 0, 0);
    return Await("XdndFinished", uri) ? 0 : 4;
}
