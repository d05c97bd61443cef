// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Under XWayland the compositor is the X11 window manager, and the tool hands
// it the move at the press, as the window-manager conventions describe
// (_NET_WM_MOVERESIZE), with the press's own position: Qt's
// QWindow::startSystemMove sends the pointer's position when it is called,
// and the move would be anchored there, short by any motion before.
//
// The tool cannot move the window exactly itself there. Most compositors
// place X11 windows themselves (weston keeps a window where it is whatever
// its program asks, wlroots' compositors put it back), and where one does
// follow the program's moves (mutter, KWin), XWayland works out the
// pointer's position from where the window is on X11, which runs ahead of
// where the compositor shows it: an event in between is off by the last
// move, and so may be where the drag ends.
//
// mutter never ends a move begun by the right or middle button (the window
// follows the pointer until the next click): there those buttons do not
// move the window, as natively (move_wayland.cpp).
#include "moves_linux.h"
#include "window_log.h"
#include "x11.h"

#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <array>

namespace
{

using SystemMove::Mover;
using X11::atom;
using X11::Reply;

// The conventions' directions for a move by the pointer and for ending one.
constexpr uint32_t Move = 8;
constexpr uint32_t Cancel = 11;
// The request comes from an ordinary program, not a pager.
constexpr uint32_t FromProgram = 1;

bool endsOnlyLeftMoves(const QByteArray &windowManager)
{
    return windowManager == "Mutter" || windowManager == "GNOME Shell";
}

bool supported(xcb_connection_t *c, xcb_window_t root, xcb_atom_t wanted)
{
    const auto list = X11::property(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    if (!list)
        return false;
    const auto *atoms = static_cast<xcb_atom_t *>(xcb_get_property_value(list.get()));
    const int count = xcb_get_property_value_length(list.get()) / int(sizeof(xcb_atom_t));
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

void sendMoveResize(xcb_connection_t *c, xcb_window_t root, xcb_window_t window, std::array<uint32_t, 5> data)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(c, "_NET_WM_MOVERESIZE");
    std::copy(data.begin(), data.end(), message.data.data32);
    xcb_send_event(c, false, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(c);
}

// Qt keeps each screen's top left corner at its position in device pixels
// and scales from there.
QPoint devicePosition(const QWindow &window, QPointF global)
{
    const QScreen *screen = window.screen();
    const QPointF origin = screen->geometry().topLeft();
    return (origin + (global - origin) * screen->devicePixelRatio()).toPoint();
}

} // namespace

namespace XWaylandMove
{

Mover start(xcb_connection_t *c, QWindow &window, QPointF pressGlobal, Qt::MouseButton button)
{
    const uint32_t index = button == Qt::LeftButton     ? 1
                           : button == Qt::MiddleButton ? 2
                           : button == Qt::RightButton  ? 3
                                                        : 0;
    const xcb_window_t id = window.winId();
    const Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(c, xcb_query_pointer(c, id), nullptr));
    if (!pointer)
        return Mover::Tool;
    const std::optional<QByteArray> manager = X11::windowManager(c, pointer->root);
    if (!manager || index == 0 || !supported(c, pointer->root, atom(c, "_NET_WM_MOVERESIZE"))) {
        qCInfo(windowLog, "XWayland, window manager %s: the tool moves the window",
               manager ? manager->constData() : "none");
        return Mover::Tool;
    }
    if (button != Qt::LeftButton && endsOnlyLeftMoves(*manager)) {
        qCInfo(windowLog, "XWayland, %s: button %d does not move the window", manager->constData(),
               int(button));
        return Mover::Nobody;
    }
    // Released already (a quick click, or a busy machine): a compositor
    // asked now might begin a move with no button down.
    if (!(pointer->mask & (XCB_BUTTON_MASK_1 << (index - 1))))
        return Mover::Tool;
    const QPoint press = devicePosition(window, pressGlobal);
    sendMoveResize(c, pointer->root, id,
                   {uint32_t(press.x()), uint32_t(press.y()), Move, index, FromProgram});
    qCInfo(windowLog, "XWayland, window manager %s: move handed over", manager->constData());
    return Mover::WindowSystem;
}

void cancel(xcb_connection_t *c, QWindow &window)
{
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window.winId()), nullptr));
    if (!geometry)
        return;
    sendMoveResize(c, geometry->root, window.winId(), {0, 0, Cancel, 0, FromProgram});
    qCInfo(windowLog, "XWayland: the release came first, the move cancelled");
}

} // namespace XWaylandMove
