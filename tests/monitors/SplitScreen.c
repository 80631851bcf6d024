/* Splits the X display's one screen into two monitors side by side, the
 * left one primary, for the scenarios that need two monitors under Xvfb
 * (Xvfb's own multi-screen mode stacks its screens at 0,0 for Windows
 * programs). RandR 1.5 monitors live only as long as the client that made
 * them, so this client's resources are kept past its exit; a server reset
 * drops them all the same, so the server must run with -noreset.
 *
 * The left monitor is half the screen wide. Arguments give the widths of
 * every monitor but the last, which takes the rest (at most three): run
 * again, it splits the screen anew.
 *
 * Prints the monitors it leaves and exits non-zero unless there are as many
 * as asked for. */
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

#include <stdio.h>
#include <stdlib.h>

static void set_monitor(Display *display, Window root, const char *name, int x, int width, int height,
                        RROutput *output)
{
    /* Physical size at 96 dots per inch, as Wine's default. */
    XRRMonitorInfo monitor = {0};
    monitor.name = XInternAtom(display, name, False);
    monitor.primary = x == 0;
    monitor.noutput = output ? 1 : 0;
    monitor.outputs = output;
    monitor.x = x;
    monitor.width = width;
    monitor.height = height;
    monitor.mwidth = width * 254 / 960;
    monitor.mheight = height * 254 / 960;
    XRRSetMonitor(display, root, &monitor);
}

int main(int argc, char **argv)
{
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "SplitScreen: cannot open the display\n");
        return 1;
    }
    XSetCloseDownMode(display, RetainPermanent);
    Window root = DefaultRootWindow(display);
    int width = DisplayWidth(display, DefaultScreen(display));
    int height = DisplayHeight(display, DefaultScreen(display));

    const char *names[] = {"LEFT", "RIGHT", "THIRD"};
    const int most = 3;
    int wanted = argc > 1 ? argc : 2;
    if (wanted > most) wanted = most;

    /* A split made before goes first: its left monitor holds the output. */
    int before = 0;
    XRRMonitorInfo *made = XRRGetMonitors(display, root, False, &before);
    for (int i = 0; i < before; ++i)
        for (int n = 0; n < most; ++n)
            if (made[i].name == XInternAtom(display, names[n], False)) XRRDeleteMonitor(display, root, made[i].name);
    XRRFreeMonitors(made);

    /* The left monitor takes the screen's output, which otherwise keeps a
     * monitor of its own covering the whole screen. */
    XRRScreenResources *resources = XRRGetScreenResources(display, root);
    RROutput *output = resources && resources->noutput > 0 ? &resources->outputs[0] : NULL;
    int x = 0;
    for (int n = 0; n < wanted; ++n) {
        int monitorWidth = n + 1 < wanted ? (argc > 1 ? atoi(argv[n + 1]) : width / 2) : width - x;
        set_monitor(display, root, names[n], x, monitorWidth, height, n == 0 ? output : NULL);
        x += monitorWidth;
    }
    if (resources) XRRFreeScreenResources(resources);

    int count = 0;
    XRRMonitorInfo *monitors = XRRGetMonitors(display, root, False, &count);
    for (int i = 0; i < count; ++i)
        printf("monitor %d: %dx%d+%d+%d\n", i, monitors[i].width, monitors[i].height, monitors[i].x, monitors[i].y);
    XRRFreeMonitors(monitors);
    XCloseDisplay(display);
    return count == wanted ? 0 : 1;
}
