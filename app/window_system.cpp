#include "window_system.h"

QByteArray preferredPlatform(const QByteArray &chosenPlatform, const QByteArray &waylandDisplay,
                             const QByteArray &x11Display)
{
    if (!chosenPlatform.isEmpty() || waylandDisplay.isEmpty() || x11Display.isEmpty())
        return {};
    return "xcb";
}
