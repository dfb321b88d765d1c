/* A pointer for tests on a headless wlroots session, which has no input
 * device of its own. Reads commands from standard input, one a line, and
 * answers "ok" once the compositor has handled each:
 *   move X Y W H   put the pointer at X/W, Y/H of the whole layout
 *   press B        press button B (1 left, 2 middle, 3 right)
 *   release B      release it
 * The device lives until the input ends, so a press, moves and a release
 * form one drag. */
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <stdio.h>
#include <string.h>
#include <time.h>
#include <wayland-client.h>

static struct wl_seat* seat;
static struct zwlr_virtual_pointer_manager_v1* manager;

static void global(void* data, struct wl_registry* registry, uint32_t name, const char* interface, uint32_t version)
{
    (void)data;
    (void)version;
    if (strcmp(interface, wl_seat_interface.name) == 0 && seat == NULL)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
}

static void global_remove(void* data, struct wl_registry* registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener listener = {global, global_remove};

static uint32_t now_ms(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

static uint32_t button_code(unsigned b)
{
    /* BTN_LEFT, BTN_MIDDLE and BTN_RIGHT of linux/input-event-codes.h */
    return b == 3 ? 0x111 : b == 2 ? 0x112 : 0x110;
}

int main(void)
{
    struct wl_display* display = wl_display_connect(NULL);
    if (display == NULL) {
        fprintf(stderr, "vpointer: no Wayland display\n");
        return 1;
    }
    struct wl_registry* registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &listener, NULL);
    wl_display_roundtrip(display);
    if (manager == NULL) {
        fprintf(stderr, "vpointer: the compositor offers no virtual pointer\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1* pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(manager, seat);
    wl_display_roundtrip(display);
    printf("ready\n");
    fflush(stdout);

    char line[256];
    while (fgets(line, sizeof line, stdin) != NULL) {
        unsigned x, y, w, h, b;
        if (sscanf(line, "move %u %u %u %u", &x, &y, &w, &h) == 4) {
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), x, y, w, h);
        } else if (sscanf(line, "press %u", &b) == 1) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), button_code(b), WL_POINTER_BUTTON_STATE_PRESSED);
        } else if (sscanf(line, "release %u", &b) == 1) {
            zwlr_virtual_pointer_v1_button(pointer, now_ms(), button_code(b), WL_POINTER_BUTTON_STATE_RELEASED);
        } else {
            printf("error %s", line);
            fflush(stdout);
            continue;
        }
        zwlr_virtual_pointer_v1_frame(pointer);
        if (wl_display_roundtrip(display) < 0) {
            fprintf(stderr, "vpointer: lost the compositor\n");
            return 1;
        }
        printf("ok\n");
        fflush(stdout);
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
