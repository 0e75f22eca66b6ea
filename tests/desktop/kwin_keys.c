/* Presses and releases each evdev key code given on the command line, in
 * order, through KWin's fake input protocol. Usage: kwin_keys CODE... */
#define _POSIX_C_SOURCE 200809L
#include "fake-input-client-protocol.h"
#include "key_client.h"
#include <time.h>

static struct org_kde_kwin_fake_input *fake;

static void registry_global(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                            uint32_t version)
{
    (void)data;
    if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fake = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}

int main(int argc, char **argv)
{
    struct wl_display *display = connect_and_bind("kwin_keys", registry_global);
    if (!fake) {
        fprintf(stderr, "kwin_keys: the compositor offers no fake input (version 4)\n");
        return 1;
    }
    org_kde_kwin_fake_input_authenticate(fake, "lvtriv desktop tests", "plays the game by keys");
    for (int i = 1; i < argc; ++i) {
        uint32_t code = (uint32_t)strtoul(argv[i], NULL, 10);
        org_kde_kwin_fake_input_keyboard_key(fake, code, 1);
        org_kde_kwin_fake_input_keyboard_key(fake, code, 0);
        /* A round trip per key, and a pause for the client to take it, keeps
         * the keys in order at the focused window. */
        wl_display_roundtrip(display);
        nanosleep(&(struct timespec){0, 50000000}, NULL);
    }
    wl_display_disconnect(display);
    return 0;
}
