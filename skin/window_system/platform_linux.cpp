// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// A skinned window needs a shape, and must be placed where the player drags
// it. Wayland has no shapes (the cut-away parts are then only transparent),
// and a Wayland client cannot place itself: only the compositor's own move,
// begun at a press, moves it. So in a Wayland session that has XWayland the
// tool runs on X11, where the compositors of GNOME and KDE let it move its
// window itself, exactly (see move_xwayland.cpp).
//
// Not so where the compositor is built on wlroots (sway, and many others):
// its XWayland window manager ("wlroots wm") begins a move the tool asks for
// without looking at the buttons and cannot be told to cancel one, so a quick
// click could leave the window following the pointer, and it puts X11
// windows back where it placed them. There the tool runs natively, where the
// compositor's move takes the press's serial. The Wayland registry tells
// wlroots apart without a connection to X11, which would start a lazily
// started XWayland only to be left.
#include "platform.h"

#include "window_log.h"
#include "x11.h"

using namespace std::chrono_literals;

namespace
{
// A compositor or X server answers a connection in milliseconds; one started
// on demand (XWayland) in well under a second.
constexpr auto Bound = 2s;

const char *name(const std::optional<WaylandCompositor> &compositor)
{
    if (!compositor)
        return "none";
    switch (*compositor) {
    case WaylandCompositor::Wlroots:
        return "wlroots";
    case WaylandCompositor::Mutter:
        return "mutter";
    case WaylandCompositor::KWin:
        return "KWin";
    case WaylandCompositor::Other:
        break;
    }
    return "another";
}
} // namespace

bool choiceNeedsX11(const Displays &found)
{
    return found.chosen.isEmpty() && found.wayland && *found.wayland != WaylandCompositor::Wlroots;
}

QByteArray preferredPlatform(const Displays &found)
{
    // Outside a Wayland session Qt's own choice, X11, is the tool's.
    if (!found.chosen.isEmpty() || !found.wayland)
        return {};
    // Qt tries these in turn: the second where the first cannot start (no
    // Wayland plugin installed, or the X server gone meanwhile).
    if (*found.wayland == WaylandCompositor::Wlroots)
        return "wayland;xcb";
    if (found.x11Answers)
        return "xcb;wayland";
    // An X server that does not answer would hold Qt for ever: not even as
    // a fallback.
    return "wayland";
}

QByteArray preferredPlatform()
{
    Displays found;
    found.chosen = qgetenv("QT_QPA_PLATFORM");
    if (found.chosen.isEmpty())
        found.wayland = waylandCompositor(Bound);
    if (choiceNeedsX11(found))
        found.x11Answers = !qEnvironmentVariableIsEmpty("DISPLAY") && X11::answers(Bound);
    const QByteArray platform = preferredPlatform(found);
    if (!found.chosen.isEmpty())
        qCInfo(windowLog, "platform %s, as the player chose", found.chosen.constData());
    else
        qCInfo(windowLog, "platform %s: Wayland compositor %s, X server %s",
               platform.isEmpty() ? "Qt's own" : platform.constData(), name(found.wayland),
               choiceNeedsX11(found) ? (found.x11Answers ? "answers" : "does not answer") : "not asked");
    return platform;
}
