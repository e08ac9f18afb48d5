// Every move of one window, with the real time it was seen: the full-hour shake, timed from outside the
// program. Prints "ready X Y" once it listens, then "SECONDS.MICROS X Y" for each new position, until
// the window is gone or [seconds] (600) have passed.
// usage: window_moves <window-id> [seconds]
#include <xcb/xcb.h>

#include <poll.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>

namespace {

double clockSeconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <window-id> [seconds]\n", argv[0]);
        return 2;
    }
    const double deadline = clockSeconds(CLOCK_MONOTONIC) + (argc > 2 ? std::atof(argv[2]) : 600.0);

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "window_moves: no X display\n");
        return 1;
    }
    const auto window = xcb_window_t(std::strtoul(argv[1], nullptr, 0));
    const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    // Asked after the subscription: a move after this answer is surely reported.
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr), &std::free);
    if (!geometry) {
        std::fprintf(stderr, "window_moves: no window %s\n", argv[1]);
        return 1;
    }
    // Without a window manager the window is the root's child: its coordinates are the screen's.
    int x = geometry->x, y = geometry->y;
    std::printf("ready %d %d\n", x, y);
    std::fflush(stdout);

    pollfd socket{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const double seen = clockSeconds(CLOCK_REALTIME);
            const int type = event->response_type & 0x7f;
            if (type == XCB_CONFIGURE_NOTIFY) {
                const auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(event);
                if (configure->window == window && (configure->x != x || configure->y != y)) {
                    x = configure->x;
                    y = configure->y;
                    std::printf("%.6f %d %d\n", seen, x, y);
                }
            }
            std::free(event);
            if (type == XCB_DESTROY_NOTIFY) return 0;
        }
        std::fflush(stdout);
        if (xcb_connection_has_error(connection)) return 0;
        const double left = deadline - clockSeconds(CLOCK_MONOTONIC);
        if (left <= 0) return 0;
        if (poll(&socket, 1, int(left * 1000) + 1) < 0 && errno != EINTR) return 1;
    }
}
