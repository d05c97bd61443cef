// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Windows moves a window with its own loop when told that the left button
// went down on its caption. That loop ends at the release it sees: started
// after the button is already up, it moves the window until the next click.
#include "system_move.h"

#include <QWindow>

#include <windows.h>

namespace SystemMove
{

Mover start(QWindow &window, QPointF, Qt::MouseButton button)
{
    // The loop follows the left button only; the other buttons are moved by
    // the tool. GetAsyncKeyState reads the buttons as they are, not as the
    // swap the player may have set maps them.
    const int left = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (button != Qt::LeftButton || !(GetAsyncKeyState(left) & 0x8000))
        return Mover::Tool;
    const auto handle = reinterpret_cast<HWND>(window.winId());
    // The press gave the pointer to the pressed widget; the loop needs it.
    ReleaseCapture();
    // Returns once the loop has ended at the release.
    SendMessageW(handle, WM_NCLBUTTONDOWN, HTCAPTION, 0);
    return Mover::WindowSystem;
}

void cancel(QWindow &) {}

} // namespace SystemMove
