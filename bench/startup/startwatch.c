/* Starts a program under an X server and reports, on one line, how long it took from the
 * start to the first painting into its window, and the peak resident memory it reached:
 *
 *     startwatch [-t TIMEOUT_S] [-s SETTLE_MS] TITLE_PREFIX PROGRAM [ARGS...]
 *     -> first_frame_ms=51.234 vm_hwm_kb=34120
 *
 * The window is the first top-level window whose name starts with TITLE_PREFIX (UTF-8). The
 * first frame is the first Damage event inside that window after it was mapped. The peak
 * memory (VmHWM) is read SETTLE_MS after the first frame, then the program is killed
 * (SIGKILL: a benchmark run is no user session, so nothing is saved). */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/Xfixes.h>

#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

/* The window's name, _NET_WM_NAME (UTF-8) or WM_NAME; the caller frees it. */
static char *window_name(Display *d, Window w)
{
    Atom utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom net_name = XInternAtom(d, "_NET_WM_NAME", False);
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char *data = NULL;
    if (XGetWindowProperty(
            d, w, net_name, 0, 1024, False, utf8, &type, &format, &count, &after, &data)
            == Success
        && data) {
        char *name = strdup((char *)data);
        XFree(data);
        return name;
    }
    char *plain = NULL;
    if (XFetchName(d, w, &plain) && plain) {
        char *name = strdup(plain);
        XFree(plain);
        return name;
    }
    return NULL;
}

static long vm_hwm_kb(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE *f = fopen(path, "r");
    if (!f)
        return -1;
    char line[256];
    long kb = -1;
    while (fgets(line, sizeof line, f)) {
        if (strncmp(line, "VmHWM:", 6) == 0)
            kb = strtol(line + 6, NULL, 10);
    }
    fclose(f);
    return kb;
}

int main(int argc, char **argv)
{
    double timeout_ms = 20000;
    int settle_ms = 500;
    int opt;
    while ((opt = getopt(argc, argv, "+t:s:")) != -1) {
        if (opt == 't')
            timeout_ms = atof(optarg) * 1000;
        else if (opt == 's')
            settle_ms = atoi(optarg);
        else
            return 2;
    }
    if (argc - optind < 2) {
        fprintf(stderr,
            "usage: startwatch [-t TIMEOUT_S] [-s SETTLE_MS] TITLE_PREFIX PROGRAM [ARGS...]\n");
        return 2;
    }
    const char *prefix = argv[optind];
    char **command = argv + optind + 1;

    Display *d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "startwatch: no X display\n");
        return 2;
    }
    int damage_event, damage_error;
    if (!XDamageQueryExtension(d, &damage_event, &damage_error)) {
        fprintf(stderr, "startwatch: the X server has no DAMAGE extension\n");
        return 2;
    }
    Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    /* Drawing into any window damages the root's tree: one damage object sees all. */
    Damage damage = XDamageCreate(d, root, XDamageReportRawRectangles);
    XSync(d, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(command[0], command);
        perror("startwatch: exec");
        _exit(127);
    }

    Window target = 0;
    int tx = 0, ty = 0, tw = 0, th = 0;
    double first_frame = -1;
    const int fd = ConnectionNumber(d);
    while (first_frame < 0 && now_ms() - start < timeout_ms) {
        if (!XPending(d)) {
            fd_set set;
            FD_ZERO(&set);
            FD_SET(fd, &set);
            struct timeval tv = { 0, 20000 };
            select(fd + 1, &set, NULL, NULL, &tv);
            continue;
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapNotify && !target) {
            char *name = window_name(d, e.xmap.window);
            if (name && strncmp(name, prefix, strlen(prefix)) == 0) {
                XWindowAttributes a;
                XGetWindowAttributes(d, e.xmap.window, &a);
                target = e.xmap.window;
                tx = a.x;
                ty = a.y;
                tw = a.width;
                th = a.height;
            }
            free(name);
        } else if (e.type == ConfigureNotify && e.xconfigure.window == target) {
            tx = e.xconfigure.x;
            ty = e.xconfigure.y;
            tw = e.xconfigure.width;
            th = e.xconfigure.height;
        } else if (e.type == damage_event + XDamageNotify) {
            const XDamageNotifyEvent *n = (const XDamageNotifyEvent *)&e;
            const XRectangle *r = &n->area;
            if (target && r->x < tx + tw && r->x + r->width > tx && r->y < ty + th
                && r->y + r->height > ty)
                first_frame = now_ms() - start;
        }
    }
    long hwm = -1;
    if (first_frame >= 0) {
        usleep((useconds_t)settle_ms * 1000);
        hwm = vm_hwm_kb(pid);
    }
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    XDamageDestroy(d, damage);
    XCloseDisplay(d);
    if (first_frame < 0) {
        fprintf(stderr, "startwatch: no frame of a window named \"%s...\" in time\n", prefix);
        return 1;
    }
    printf("first_frame_ms=%.3f vm_hwm_kb=%ld\n", first_frame, hwm);
    return 0;
}
