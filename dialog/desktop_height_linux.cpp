// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "desktop_height.h"
#include "x11.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <wayland-client.h>
#include <xcb/randr.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

namespace
{

// Qt makes one screen of each RandR monitor and names it after the monitor;
// without RandR 1.5 the X screen is the one desktop.
std::optional<int> x11Height(xcb_connection_t *connection, const QWidget &window)
{
    const X11::Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window.winId()), nullptr));
    if (!geometry)
        return std::nullopt;
    const xcb_query_extension_reply_t *randr = xcb_get_extension_data(connection, &xcb_randr_id);
    const X11::Reply<xcb_randr_query_version_reply_t> version(
        randr && randr->present
            ? xcb_randr_query_version_reply(connection, xcb_randr_query_version(connection, 1, 5), nullptr)
            : nullptr);
    if (!version || (version->major_version == 1 && version->minor_version < 5)) {
        const X11::Reply<xcb_get_geometry_reply_t> root(
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, geometry->root), nullptr));
        return root ? std::optional<int>(root->height) : std::nullopt;
    }
    const X11::Reply<xcb_randr_get_monitors_reply_t> monitors(xcb_randr_get_monitors_reply(
        connection, xcb_randr_get_monitors(connection, geometry->root, true), nullptr));
    if (!monitors)
        return std::nullopt;
    const QByteArray wanted = window.screen()->name().toUtf8();
    std::optional<int> only;
    int count = 0;
    for (auto it = xcb_randr_get_monitors_monitors_iterator(monitors.get()); it.rem;
         xcb_randr_monitor_info_next(&it), ++count) {
        const X11::Reply<xcb_get_atom_name_reply_t> name(
            xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, it.data->name), nullptr));
        if (name && QByteArrayView(xcb_get_atom_name_name(name.get()),
                                   xcb_get_atom_name_name_length(name.get())) == wanted)
            return it.data->height;
        only = it.data->height;
    }
    return count == 1 ? only : std::nullopt;
}

// Wayland: the window's output, found by the name Qt gives its screen, in its
// current mode, turned as the output is turned.
struct Output {
    QByteArray name;
    int width = 0;
    int height = 0;
    int transform = WL_OUTPUT_TRANSFORM_NORMAL;
};

const wl_output_listener OutputListener = {
    [](void *data, wl_output *, int32_t, int32_t, int32_t, int32_t, int32_t, const char *, const char *,
       int32_t transform) { static_cast<Output *>(data)->transform = transform; },
    [](void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t) {
        if (flags & WL_OUTPUT_MODE_CURRENT) {
            static_cast<Output *>(data)->width = width;
            static_cast<Output *>(data)->height = height;
        }
    },
    [](void *, wl_output *) {},
    [](void *, wl_output *, int32_t) {},
    [](void *data, wl_output *, const char *name) { static_cast<Output *>(data)->name = name; },
    [](void *, wl_output *, const char *) {},
};

struct Outputs {
    std::vector<std::unique_ptr<Output>> found;
    std::vector<wl_output *> bound;
};

const wl_registry_listener RegistryListener = {
    [](void *data, wl_registry *registry, uint32_t id, const char *interface, uint32_t version) {
        if (std::strcmp(interface, wl_output_interface.name) != 0)
            return;
        auto *outputs = static_cast<Outputs *>(data);
        // Version 4 brings the output's name.
        auto *output = static_cast<wl_output *>(
            wl_registry_bind(registry, id, &wl_output_interface, std::min<uint32_t>(version, 4)));
        outputs->found.push_back(std::make_unique<Output>());
        outputs->bound.push_back(output);
        wl_output_add_listener(output, &OutputListener, outputs->found.back().get());
    },
    [](void *, wl_registry *, uint32_t) {},
};

// Qt's own connection is not offered in public; a second one to the same
// compositor sees the same outputs.
std::optional<int> waylandHeight(const QWidget &window)
{
    const std::unique_ptr<wl_display, decltype(&wl_display_disconnect)> display(wl_display_connect(nullptr),
                                                                                &wl_display_disconnect);
    if (!display)
        return std::nullopt;
    Outputs outputs;
    wl_registry *registry = wl_display_get_registry(display.get());
    wl_registry_add_listener(registry, &RegistryListener, &outputs);
    // The first round trip announces the outputs, the second their state.
    const bool answered =
        wl_display_roundtrip(display.get()) >= 0 && wl_display_roundtrip(display.get()) >= 0;
    for (wl_output *output : outputs.bound)
        wl_output_destroy(output);
    wl_registry_destroy(registry);
    if (!answered)
        return std::nullopt;
    const QByteArray wanted = window.screen()->name().toUtf8();
    const auto named = std::find_if(outputs.found.begin(), outputs.found.end(),
                                    [&](const auto &output) { return output->name == wanted; });
    const Output *output = named != outputs.found.end() ? named->get()
                           : outputs.found.size() == 1  ? outputs.found[0].get()
                                                        : nullptr;
    if (!output || output->height <= 0)
        return std::nullopt;
    // Odd transforms turn the output a quarter.
    return output->transform % 2 ? output->width : output->height;
}

} // namespace

std::optional<int> monitorPixelHeight(const QWidget &window)
{
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        return x11Height(x11->connection(), window);
    if (QGuiApplication::platformName() == u"wayland")
        return waylandHeight(window);
    return std::nullopt;
}
