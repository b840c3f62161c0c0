/* Watches the screen of an X server while a program starts, and says when its
 * window first showed something, when it first showed the table it ends up
 * with, when it stopped changing, and how much memory the program held.
 *
 *   paint_watch [-w MS] [-m] -- PROGRAM [ARGUMENTS...]
 *
 * The program is started by the watcher itself, so every time counts from
 * its launch: loading its libraries is part of it. Every change of the
 * screen (the X DAMAGE extension reports them) is grabbed, shrunk to every
 * fourth pixel each way, and kept with its time. After MS milliseconds
 * (-w, 4000) the program's memory is read from /proc and it is ended;
 * the frames are then compared with the last one:
 *
 *   first      the first change of the screen (a window appeared)
 *   dealt      the first frame that already is the last one, give or take
 *              a few words of text (at most kTextSamples samples differ
 *              outside the clock): the first paint of the table as it stays
 *   settled    the last change outside the clock
 *
 * The clock: what changes during the last 1.6 s of the watch is taken for
 * a clock ticking in the window, and left out of both comparisons. With -m
 * the frames' times and differences are printed as well.
 *
 * Printed on one line: first_ms dealt_ms settled_ms rss_dealt_kb rss_end_kb
 * hwm_kb frames. A time of -1 says the event was not seen. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/ipc.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

enum { kStep = 4, kMaxFrames = 1500, kTextSamples = 150, kClockLearnMs = 1600, kClockMargin = 3 };

typedef struct {
    double ms;
    long rssKb;
    uint32_t* pixels;
} Frame;

typedef struct {
    int x0, y0, x1, y1; /* inclusive; empty when x0 > x1 */
} Box;

static double nowMs(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

static long statusKb(pid_t pid, const char* key) {
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* file = fopen(path, "r");
    if (!file) {
        return -1;
    }
    char line[256];
    long kb = -1;
    const size_t keyLength = strlen(key);
    while (fgets(line, sizeof line, file)) {
        if (strncmp(line, key, keyLength) == 0 && line[keyLength] == ':') {
            kb = strtol(line + keyLength + 1, NULL, 10);
            break;
        }
    }
    fclose(file);
    return kb;
}

static int inBox(const Box* box, int x, int y) {
    return box->x0 <= box->x1 && x >= box->x0 - kClockMargin && x <= box->x1 + kClockMargin &&
           y >= box->y0 - kClockMargin && y <= box->y1 + kClockMargin;
}

/* Samples that differ between two frames outside `skip`; `changed` gets
 * their bounding box when given. */
static long difference(const uint32_t* a, const uint32_t* b, int w, int h, const Box* skip,
                       Box* changed) {
    long count = 0;
    Box box = {w, h, -1, -1};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const size_t i = (size_t)y * w + x;
            if (a[i] == b[i] || (skip && inBox(skip, x, y))) {
                continue;
            }
            ++count;
            if (x < box.x0) box.x0 = x;
            if (y < box.y0) box.y0 = y;
            if (x > box.x1) box.x1 = x;
            if (y > box.y1) box.y1 = y;
        }
    }
    if (changed) {
        *changed = box;
    }
    return count;
}

static void unite(Box* into, const Box* box) {
    if (box->x0 > box->x1) {
        return;
    }
    if (into->x0 > into->x1) {
        *into = *box;
        return;
    }
    if (box->x0 < into->x0) into->x0 = box->x0;
    if (box->y0 < into->y0) into->y0 = box->y0;
    if (box->x1 > into->x1) into->x1 = box->x1;
    if (box->y1 > into->y1) into->y1 = box->y1;
}

int main(int argc, char** argv) {
    int watchMs = 4000;
    int verbose = 0;
    int opt;
    while ((opt = getopt(argc, argv, "w:m")) != -1) {
        if (opt == 'w') {
            watchMs = atoi(optarg);
        } else if (opt == 'm') {
            verbose = 1;
        } else {
            return 2;
        }
    }
    if (optind >= argc) {
        fprintf(stderr, "usage: paint_watch [-w MS] [-m] -- PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "paint_watch: no X display\n");
        return 1;
    }
    int damageEvent, damageError;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError) || !XShmQueryExtension(display)) {
        fprintf(stderr, "paint_watch: the X server lacks DAMAGE or MIT-SHM\n");
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int width = DisplayWidth(display, screen), height = DisplayHeight(display, screen);
    const int w = width / kStep, h = height / kStep;

    XShmSegmentInfo shm;
    XImage* image = XShmCreateImage(display, DefaultVisual(display, screen),
                                    DefaultDepth(display, screen), ZPixmap, NULL, &shm, width, height);
    shm.shmid = shmget(IPC_PRIVATE, (size_t)image->bytes_per_line * height, IPC_CREAT | 0600);
    shm.shmaddr = image->data = shmat(shm.shmid, NULL, 0);
    shm.readOnly = False;
    XShmAttach(display, &shm);
    shmctl(shm.shmid, IPC_RMID, NULL);

    const Damage damage = XDamageCreate(display, root, XDamageReportNonEmpty);
    XSync(display, False);

    Frame* frames = calloc(kMaxFrames, sizeof(Frame));
    int count = 0;
    const double launch = nowMs();
    const pid_t pid = fork();
    if (pid == 0) {
        /* Tells the program when it was launched (its start-up probe counts from it). */
        char launched[32];
        snprintf(launched, sizeof launched, "%.3f", launch);
        setenv("VELLOMIR_LAUNCHED_MS", launched, 1);
        execvp(argv[optind], argv + optind);
        _exit(127);
    }

    /* The screen before the program: frame 0. */
    for (int pending = 1;;) {
        if (pending && count < kMaxFrames) {
            XDamageSubtract(display, damage, None, None);
            XShmGetImage(display, root, image, 0, 0, AllPlanes);
            Frame* frame = &frames[count++];
            frame->ms = nowMs() - launch;
            frame->rssKb = statusKb(pid, "VmRSS");
            frame->pixels = malloc(sizeof(uint32_t) * w * h);
            for (int y = 0; y < h; ++y) {
                const uint32_t* row = (const uint32_t*)(image->data + (size_t)y * kStep * image->bytes_per_line);
                for (int x = 0; x < w; ++x) {
                    frame->pixels[(size_t)y * w + x] = row[x * kStep] & 0xffffffu;
                }
            }
            pending = 0;
        }
        const double left = watchMs - (nowMs() - launch);
        if (left <= 0) {
            break;
        }
        if (!XPending(display)) {
            struct pollfd fd = {ConnectionNumber(display), POLLIN, 0};
            poll(&fd, 1, (int)left + 1);
        }
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == damageEvent + XDamageNotify) {
                pending = 1;
            }
        }
    }
    const long rssEnd = statusKb(pid, "VmRSS");
    const long hwm = statusKb(pid, "VmHWM");
    kill(pid, SIGTERM);
    waitpid(pid, NULL, 0);

    const Frame* last = &frames[count - 1];
    Box clock = {w, h, -1, -1};
    for (int i = 1; i < count; ++i) {
        if (frames[i].ms > watchMs - kClockLearnMs) {
            Box changed;
            difference(frames[i - 1].pixels, frames[i].pixels, w, h, NULL, &changed);
            unite(&clock, &changed);
        }
    }
    double first = -1, dealt = -1, settled = -1;
    long rssDealt = -1;
    for (int i = 1; i < count; ++i) {
        const long step = difference(frames[i - 1].pixels, frames[i].pixels, w, h, &clock, NULL);
        const long fromLast = difference(frames[i].pixels, last->pixels, w, h, &clock, NULL);
        if (first < 0 && difference(frames[0].pixels, frames[i].pixels, w, h, NULL, NULL) > 0) {
            first = frames[i].ms;
        }
        if (step > 0) {
            settled = frames[i].ms;
        }
        if (fromLast <= kTextSamples && dealt < 0) {
            dealt = frames[i].ms;
            rssDealt = frames[i].rssKb;
        } else if (fromLast > kTextSamples) {
            dealt = -1; /* it changed away again: not the table it stays with */
        }
        if (verbose) {
            fprintf(stderr, "%8.1f ms  changed %6ld  from last %6ld  rss %ld KB\n", frames[i].ms,
                    step, fromLast, frames[i].rssKb);
        }
    }
    if (verbose && clock.x0 <= clock.x1) {
        fprintf(stderr, "clock at %d,%d-%d,%d\n", clock.x0 * kStep, clock.y0 * kStep,
                clock.x1 * kStep, clock.y1 * kStep);
    }
    printf("first_ms %.1f dealt_ms %.1f settled_ms %.1f rss_dealt_kb %ld rss_end_kb %ld hwm_kb %ld "
           "frames %d\n",
           first, dealt, settled, rssDealt, rssEnd, hwm, count);
    return 0;
}
