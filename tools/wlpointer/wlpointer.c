// A pointer for a Wayland session without input devices: creates a virtual pointer on
// the compositor's seat and plays the steps given as arguments, then removes it.
//   orvella-wlpointer STEP...   with STEP one of  move:X,Y  press  release  sleep:MS
// X and Y are layout coordinates of a 1920x1080 output (ORVELLA_POINTER_EXTENT=WxH for others).
// Exit status 0 when every step was sent, 2 on bad arguments, 3 when the compositor offers no
// virtual pointer.
#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

#include "virtual-pointer-client.h"

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* manager;

static void announce(void* data, struct wl_registry* registry, uint32_t name, const char* interface,
                     uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && !seat) {
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    } else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0) {
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    }
}

static void withdraw(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registryListener = {announce, withdraw};

static uint32_t nowMs(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (uint32_t)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

static void waitMs(long ms)
{
    struct timespec ts = {ms / 1000, (ms % 1000) * 1000000};
    nanosleep(&ts, NULL);
}

static int play(struct wl_display* display, struct zwlr_virtual_pointer_v1* pointer,
                const char* step, unsigned width, unsigned height)
{
    unsigned x, y;
    long ms;
    if (sscanf(step, "move:%u,%u", &x, &y) == 2) {
        zwlr_virtual_pointer_v1_motion_absolute(pointer, nowMs(), x, y, width, height);
    } else if (strcmp(step, "press") == 0 || strcmp(step, "release") == 0) {
        const uint32_t state =
            step[0] == 'p' ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED;
        zwlr_virtual_pointer_v1_button(pointer, nowMs(), BTN_LEFT, state);
    } else if (sscanf(step, "sleep:%ld", &ms) == 1) {
        waitMs(ms);
        return 0;
    } else {
        fprintf(stderr, "wlpointer: unknown step %s\n", step);
        return 2;
    }
    zwlr_virtual_pointer_v1_frame(pointer);
    wl_display_roundtrip(display);
    // Clients see the event after the compositor passed it on.
    waitMs(60);
    return 0;
}

int main(int argc, char** argv)
{
    unsigned width = 1920, height = 1080;
    const char* extent = getenv("ORVELLA_POINTER_EXTENT");
    if (extent && sscanf(extent, "%ux%u", &width, &height) != 2) {
        fprintf(stderr, "wlpointer: bad ORVELLA_POINTER_EXTENT %s\n", extent);
        return 2;
    }
    struct wl_display* display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wlpointer: no Wayland display\n");
        return 3;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, NULL);
    wl_display_roundtrip(display);
    if (!manager || !seat) {
        fprintf(stderr, "wlpointer: the compositor offers no virtual pointer\n");
        wl_display_disconnect(display);
        return 3;
    }
    struct zwlr_virtual_pointer_v1* pointer =
        zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    // Clients learn of the new pointer before the first step reaches them.
    waitMs(200);
    int status = 0;
    for (int i = 1; i < argc && status == 0; ++i) {
        status = play(display, pointer, argv[i], width, height);
    }
    wl_display_disconnect(display);
    return status;
}
