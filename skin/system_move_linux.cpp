// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Under XWayland the compositor is asked for the move as the window-manager
// conventions describe (_NET_WM_MOVERESIZE), with the press's own position:
// Qt's QWindow::startSystemMove sends the pointer's position when it is called,
// and window managers anchor the move there, so a drag whose first motion came
// before the request would end short by it. On Wayland the compositor's move
// takes the press's serial, which Qt's startSystemMove sends.
#include "system_move.h"
#include "x11.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>
#include <array>

namespace
{

using X11::atom;
using X11::property;
using X11::Reply;

bool onX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

xcb_connection_t *x11()
{
    auto *application = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return application ? application->connection() : nullptr;
}

// The conventions' directions for a move by the pointer and for ending one.
constexpr uint32_t Move = 8;
constexpr uint32_t Cancel = 11;
// The request comes from an ordinary program, not a pager.
constexpr uint32_t FromProgram = 1;
// Long enough for a window manager to have read the request on a busy machine.
constexpr int HoldAfterCancel = 500;

bool supported(xcb_connection_t *c, xcb_window_t root, xcb_atom_t wanted)
{
    const auto list = property(c, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
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

// XWayland since version 23.1 has an extension of its own; before, it is
// known by the Wayland session around it.
bool onXWayland(xcb_connection_t *c)
{
    const char name[] = "XWAYLAND";
    const Reply<xcb_query_extension_reply_t> reply(
        xcb_query_extension_reply(c, xcb_query_extension(c, sizeof name - 1, name), nullptr));
    return (reply && reply->present) || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// Qt keeps each screen's top left corner at its position in device pixels
// and scales from there.
QPoint devicePosition(const QWindow &window, QPointF global)
{
    const QScreen *screen = window.screen();
    const QPointF origin = screen->geometry().topLeft();
    return (origin + (global - origin) * screen->devicePixelRatio()).toPoint();
}

bool startOnX11(QWindow &window, QPointF pressGlobal, Qt::MouseButton button)
{
    xcb_connection_t *c = x11();
    const uint32_t index = button == Qt::LeftButton     ? 1
                           : button == Qt::MiddleButton ? 2
                           : button == Qt::RightButton  ? 3
                                                        : 0;
    // Under an X11 window manager the tool moves the window itself, with
    // every button: the window manager's own move cannot be kept exact
    // there. xfwm4 ends it at a press of another button, mutter never ends
    // one begun by the right button, and icewm may begin one after a quick
    // click has ended, so that the window follows the pointer until the
    // next click. A Wayland compositor showing X11 programs through
    // XWayland places their windows itself and puts back the tool's own
    // moves: there, every button hands the move over.
    if (!c || index == 0 || !onXWayland(c))
        return false;
    const xcb_window_t id = window.winId();
    const Reply<xcb_query_pointer_reply_t> pointer(
        xcb_query_pointer_reply(c, xcb_query_pointer(c, id), nullptr));
    // Released already (a quick click, or a busy machine): a window manager
    // asked now would grab the pointer with no button down and move the
    // window until the next click.
    if (!pointer || !(pointer->mask & (XCB_BUTTON_MASK_1 << (index - 1))))
        return false;
    if (!X11::windowManager(c, pointer->root) || !supported(c, pointer->root, atom(c, "_NET_WM_MOVERESIZE")))
        return false;
    const QPoint press = devicePosition(window, pressGlobal);
    // The press gave the pointer to this program; the window manager can
    // only take it once it is let go.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    sendMoveResize(c, pointer->root, id,
                   {uint32_t(press.x()), uint32_t(press.y()), Move, index, FromProgram});
    return true;
}

void cancelOnX11(QWindow &window)
{
    xcb_connection_t *c = x11();
    if (!c)
        return;
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window.winId()), nullptr));
    if (!geometry)
        return;
    sendMoveResize(c, geometry->root, window.winId(), {0, 0, Cancel, 0, FromProgram});
    // Some window managers leave the cancel unread until their move ends.
    // Holding the pointer a moment keeps them from grabbing it for a move
    // with no button down; the tool's own window still gets its events.
    xcb_grab_pointer(c, true, window.winId(),
                     XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_BUTTON_RELEASE |
                         XCB_EVENT_MASK_POINTER_MOTION,
                     XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_flush(c);
    QTimer::singleShot(HoldAfterCancel, qGuiApp, [] {
        if (xcb_connection_t *c = x11()) {
            xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
            xcb_flush(c);
        }
    });
}

} // namespace

namespace SystemMove
{

bool start(QWindow &window, QPointF pressGlobal, Qt::MouseButton button)
{
    if (onX11())
        return startOnX11(window, pressGlobal, button);
    // The compositor ends its move at the release itself, and places the
    // window: the tool cannot. Every button hands the move over.
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return false;
    // Qt asks with the serial of the latest input Qt has read. A release read
    // but not yet delivered to the window would lend its serial, and the
    // compositor would begin a move that follows the pointer until the next
    // click: what has been read is delivered first, ending the drag if the
    // release is among it.
    QWindowSystemInterface::flushWindowSystemEvents();
    return (QGuiApplication::mouseButtons() & button) && window.startSystemMove();
}

bool toolPlacesWindow(QWindow &)
{
    if (!onX11())
        return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    xcb_connection_t *c = x11();
    return c && !onXWayland(c);
}

void cancel(QWindow &window)
{
    if (onX11())
        cancelOnX11(window);
}

} // namespace SystemMove
