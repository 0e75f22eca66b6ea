/* Presses and releases the evdev key codes of each line it reads, in order,
 * through one virtual keyboard (virtual-keyboard-unstable-v1) that lives as
 * long as it runs, as a player's keyboard does, and answers each line with
 * "done" once the compositor has taken its keys. A keyboard for each line
 * (as wtype makes) leaves the seat without one as it goes, which Sway tells
 * every client as a keymap of no format. Usage: sway_keys <CODES >ANSWERS */
#define _GNU_SOURCE
#include "key_client.h"
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <xkbcommon/xkbcommon.h>

/* The protocol's two interfaces, as wayland-scanner would write them from
 * its XML, which no Debian package ships. */
static const struct wl_interface keyboard_interface;
static const struct wl_interface *create_types[] = {&wl_seat_interface, &keyboard_interface};
static const struct wl_message manager_requests[] = {{"create_virtual_keyboard", "on", create_types}};
static const struct wl_interface manager_interface = {"zwp_virtual_keyboard_manager_v1", 1, 1, manager_requests, 0, NULL};
static const struct wl_interface *no_types[] = {NULL, NULL, NULL, NULL};
static const struct wl_message keyboard_requests[] = {
    {"keymap", "uhu", no_types}, {"key", "uuu", no_types}, {"modifiers", "uuuu", no_types}, {"destroy", "", no_types}};
static const struct wl_interface keyboard_interface = {"zwp_virtual_keyboard_v1", 1, 4, keyboard_requests, 0, NULL};
enum { KEYMAP, KEY };

static struct wl_proxy *manager, *seat;

static void registry_global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                            uint32_t version)
{
    (void)data, (void)version;
    if (strcmp(interface, manager_interface.name) == 0)
        manager = wl_registry_bind(registry, name, &manager_interface, 1);
    else if (strcmp(interface, wl_seat_interface.name) == 0 && !seat)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
}

static uint32_t now(void)
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (uint32_t)(t.tv_sec * 1000 + t.tv_nsec / 1000000);
}

int main(void)
{
    struct wl_display *display = connect_and_bind("sway_keys", registry_global);
    if (!manager || !seat) {
        fprintf(stderr, "sway_keys: the compositor offers no virtual keyboard\n");
        return 1;
    }
    struct wl_proxy *keyboard =
        wl_proxy_marshal_flags(manager, 0, &keyboard_interface, 1, 0, seat, NULL);

    /* The keymap of the session (XKB_DEFAULT_*, else US English), as text in
     * a file the compositor maps. */
    struct xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    struct xkb_keymap *keymap = context ? xkb_keymap_new_from_names(context, NULL, XKB_KEYMAP_COMPILE_NO_FLAGS) : NULL;
    char *text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : NULL;
    int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (!text || fd < 0 || write(fd, text, strlen(text) + 1) != (ssize_t)(strlen(text) + 1)) {
        fprintf(stderr, "sway_keys: cannot make a keymap\n");
        return 1;
    }
    wl_proxy_marshal_flags(keyboard, KEYMAP, NULL, 1, 0, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd,
                           (uint32_t)(strlen(text) + 1));
    wl_display_roundtrip(display);

    char line[4096];
    while (fgets(line, sizeof line, stdin)) {
        for (char *code = strtok(line, " \n"); code; code = strtok(NULL, " \n")) {
            uint32_t key = (uint32_t)strtoul(code, NULL, 10);
            wl_proxy_marshal_flags(keyboard, KEY, NULL, 1, 0, now(), key, WL_KEYBOARD_KEY_STATE_PRESSED);
            wl_proxy_marshal_flags(keyboard, KEY, NULL, 1, 0, now(), key, WL_KEYBOARD_KEY_STATE_RELEASED);
            /* A round trip per key, and a pause for the client to take it,
             * keeps the keys in order at the focused window. */
            if (wl_display_roundtrip(display) < 0) {
                fprintf(stderr, "sway_keys: the compositor went away\n");
                return 1;
            }
            nanosleep(&(struct timespec){0, 50000000}, NULL);
        }
        printf("done\n");
        fflush(stdout);
    }
    wl_display_disconnect(display);
    return 0;
}
