// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "x11.h"

#include <QDeadlineTimer>

#include <xcb/randr.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace X11
{

namespace
{

std::optional<xcb_window_t> windowProperty(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name)
{
    const auto value = property(c, window, name, XCB_ATOM_WINDOW, 1);
    if (!value || xcb_get_property_value_length(value.get()) != 4)
        return std::nullopt;
    return *static_cast<xcb_window_t *>(xcb_get_property_value(value.get()));
}

bool hasExtension(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_query_extension_reply_t> reply(
        xcb_query_extension_reply(c, xcb_query_extension(c, uint16_t(std::strlen(name)), name), nullptr));
    return reply && reply->present;
}

bool hasXWaylandOutput(xcb_connection_t *c)
{
    if (!hasExtension(c, "RANDR"))
        return false;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const Reply<xcb_randr_get_screen_resources_current_reply_t> resources(
        xcb_randr_get_screen_resources_current_reply(c, xcb_randr_get_screen_resources_current(c, root),
                                                     nullptr));
    if (!resources)
        return false;
    const xcb_randr_output_t *outputs = xcb_randr_get_screen_resources_current_outputs(resources.get());
    std::vector<xcb_randr_get_output_info_cookie_t> asked;
    for (int i = 0; i < xcb_randr_get_screen_resources_current_outputs_length(resources.get()); ++i)
        asked.push_back(xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp));
    bool named = false;
    for (const auto cookie : asked) {
        const Reply<xcb_randr_get_output_info_reply_t> info(
            xcb_randr_get_output_info_reply(c, cookie, nullptr));
        named = named || (info && QByteArrayView(xcb_randr_get_output_info_name(info.get()),
                                                 xcb_randr_get_output_info_name_length(info.get()))
                                      .startsWith("XWAYLAND"));
    }
    return named;
}

} // namespace

xcb_atom_t atom(xcb_connection_t *c, const char *name)
{
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(c, xcb_intern_atom(c, false, uint16_t(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

Reply<xcb_get_property_reply_t> property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name,
                                         xcb_atom_t type, uint32_t longs)
{
    return Reply<xcb_get_property_reply_t>(
        xcb_get_property_reply(c, xcb_get_property(c, false, window, name, type, 0, longs), nullptr));
}

std::optional<QByteArray> windowManager(xcb_connection_t *c, xcb_window_t root)
{
    const xcb_atom_t check = atom(c, "_NET_SUPPORTING_WM_CHECK");
    const std::optional<xcb_window_t> named = windowProperty(c, root, check);
    if (!named || windowProperty(c, *named, check) != named)
        return std::nullopt;
    const auto name = property(c, *named, atom(c, "_NET_WM_NAME"), atom(c, "UTF8_STRING"), 64);
    if (!name)
        return QByteArray();
    return QByteArray(static_cast<const char *>(xcb_get_property_value(name.get())),
                      xcb_get_property_value_length(name.get()));
}

bool isXWayland(xcb_connection_t *c) { return hasExtension(c, "XWAYLAND") || hasXWaylandOutput(c); }

bool answers(std::chrono::milliseconds bound)
{
    // xcb_connect has no time limit of its own and cannot be interrupted:
    // a child process connects, and is ended if the bound passes first.
    // Called before Qt starts any thread.
    int pipe[2];
    if (::pipe(pipe) != 0)
        return false;
    const pid_t child = fork();
    if (child == 0) {
        ::close(pipe[0]);
        xcb_connection_t *c = xcb_connect(nullptr, nullptr);
        const char answer = xcb_connection_has_error(c) ? 0 : 1;
        [[maybe_unused]] const ssize_t written = ::write(pipe[1], &answer, 1);
        _exit(0);
    }
    ::close(pipe[1]);
    char answer = 0;
    pollfd readable{pipe[0], POLLIN, 0};
    const QDeadlineTimer deadline(bound);
    int ready = -1;
    while (child > 0 && (ready = ::poll(&readable, 1, int(deadline.remainingTime()))) < 0 && errno == EINTR) {
    }
    const bool answered = ready == 1 && ::read(pipe[0], &answer, 1) == 1;
    ::close(pipe[0]);
    if (child > 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    return answered && answer == 1;
}

} // namespace X11
