// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "wayland_compositor.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QtGlobal>

#include <wayland-client.h>

#include <poll.h>

#include <cerrno>
#include <cstring>
#include <memory>

namespace
{

struct Seen {
    std::optional<WaylandCompositor> compositor;
    bool done = false;
};

// Protocols that one family of compositors has made for itself: wlroots'
// (zwlr_*), GNOME's (gtk_shell1) and KDE's (org_kde_kwin_*). Others take up
// some of wlroots' now and then, but not its screen copying.
const wl_registry_listener Listener = {
    [](void *data, wl_registry *, uint32_t, const char *interface, uint32_t) {
        auto *seen = static_cast<Seen *>(data);
        const QByteArrayView name(interface);
        if (name == "zwlr_screencopy_manager_v1" || name == "zwlr_export_dmabuf_manager_v1")
            seen->compositor = WaylandCompositor::Wlroots;
        else if (name == "gtk_shell1")
            seen->compositor = WaylandCompositor::Mutter;
        else if (name.startsWith("org_kde_kwin_"))
            seen->compositor = WaylandCompositor::KWin;
    },
    [](void *, wl_registry *, uint32_t) {},
};

const wl_callback_listener Done = {
    [](void *data, wl_callback *, uint32_t) { static_cast<Seen *>(data)->done = true; },
};

} // namespace

std::optional<WaylandCompositor> waylandCompositor(std::chrono::milliseconds bound)
{
    // Without WAYLAND_DISPLAY, libwayland would try "wayland-0" all the same.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return std::nullopt;
    const std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(wl_display_connect(nullptr),
                                                                                &wl_display_disconnect);
    if (!display)
        return std::nullopt;
    Seen seen;
    const std::unique_ptr<wl_registry, decltype(&wl_registry_destroy)> registry(
        wl_display_get_registry(display.get()), &wl_registry_destroy);
    wl_registry_add_listener(registry.get(), &Listener, &seen);
    // The registry's announcements all come before the answer to a sync
    // asked after them. A compositor that does not answer in time (stopped,
    // hung) is taken for none: Qt would wait for it for ever.
    const std::unique_ptr<wl_callback, decltype(&wl_callback_destroy)> sync(wl_display_sync(display.get()),
                                                                            &wl_callback_destroy);
    wl_callback_add_listener(sync.get(), &Done, &seen);
    const QDeadlineTimer deadline(bound);
    while (!seen.done) {
        while (wl_display_prepare_read(display.get()) != 0)
            if (wl_display_dispatch_pending(display.get()) < 0)
                return std::nullopt;
        if (seen.done) {
            wl_display_cancel_read(display.get());
            break;
        }
        wl_display_flush(display.get());
        pollfd readable{wl_display_get_fd(display.get()), POLLIN, 0};
        const int ready = ::poll(&readable, 1, int(deadline.remainingTime()));
        if (ready <= 0 && !(ready < 0 && errno == EINTR)) {
            wl_display_cancel_read(display.get());
            return std::nullopt;
        }
        if (ready < 0) {
            wl_display_cancel_read(display.get());
            continue;
        }
        if (wl_display_read_events(display.get()) < 0 || wl_display_dispatch_pending(display.get()) < 0)
            return std::nullopt;
    }
    return seen.compositor.value_or(WaylandCompositor::Other);
}
