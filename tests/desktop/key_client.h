/* What both key clients (kwin_keys.c, sway_keys.c) do first. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <wayland-client.h>

static void ignore_removal(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data, (void)registry, (void)name;
}

/* Connects to the compositor, hands each of its globals to `global` and
 * waits for them all; ends the program, as `name`, without a compositor. */
static struct wl_display *connect_and_bind(const char *name, void (*global)(void *, struct wl_registry *, uint32_t,
                                                                            const char *, uint32_t))
{
    static struct wl_registry_listener listener;
    listener = (struct wl_registry_listener){global, ignore_removal};
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "%s: no Wayland display\n", name);
        exit(1);
    }
    wl_registry_add_listener(wl_display_get_registry(display), &listener, NULL);
    wl_display_roundtrip(display);
    return display;
}
