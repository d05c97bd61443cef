// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
#include "skin_window.h"

#include "mod_main.h"

#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <QWindow>

namespace
{

// The skin with its key-coloured pixels fully transparent.
QPixmap withKeyTransparent(const QImage &skin)
{
    if (skin.format() == QImage::Format_Indexed8) {
        // The palette's key entries rather than every pixel.
        QImage image = skin;
        const QRgb key = skin.color(skin.pixelIndex(0, 0)) & RGB_MASK;
        QList<QRgb> colours = skin.colorTable();
        for (QRgb &colour : colours)
            if ((colour & RGB_MASK) == key)
                colour = 0;
        image.setColorTable(colours);
        return QPixmap::fromImage(image);
    }
    QImage image = skin.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = image.pixel(0, 0) & RGB_MASK;
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((row[x] & RGB_MASK) == key)
                row[x] = 0;
    }
    return QPixmap::fromImage(image);
}

} // namespace

void ApplySkin(QWidget &window, QLabel &skinBox, const QImage &skin)
{
    // The cut-away pixels are both transparent and cut off by the shape.
    // Wayland has no shapes, and compositors that draw X11 windows without
    // theirs (sway and weston through XWayland) honour only the alpha; an X
    // server without a compositor honours only the shape.
    window.setAttribute(Qt::WA_TranslucentBackground);
    skinBox.setFrameShape(QFrame::NoFrame);
    skinBox.move(0, 0);
    skinBox.setPixmap(scaledPixelArt(withKeyTransparent(skin), window.devicePixelRatio()));
    skinBox.setFixedSize(skin.deviceIndependentSize().toSize());
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setFixedSize(skinBox.size());

    // In logical pixels, so that a scaled screen cuts the window exactly where
    // the scaled skin is. On Wayland it bounds where the window takes the
    // pointer (Qt makes it the input region).
    const QRegion shape = BuildSkinRegion(skin);
    if (!shape.isEmpty())
        window.setMask(shape);
    // Qt turns the mask and the fixed size into device pixels only when they
    // are set: on a screen with another scale both have to be given again
    // (the widget ignores a mask or size equal to its own), or a window
    // manager keeps the window at its old size in device pixels.
    if (QWindow *handle = window.windowHandle()) {
        if (!shape.isEmpty())
            handle->setMask(shape);
        handle->resize(window.size());
    }
}

QPixmap scaledPixelArt(const QPixmap &picture, qreal ratio)
{
    if (ratio == picture.devicePixelRatio())
        return picture;
    QPixmap scaled = picture.scaled((picture.deviceIndependentSize() * ratio).toSize(), Qt::IgnoreAspectRatio,
                                    Qt::FastTransformation);
    scaled.setDevicePixelRatio(ratio);
    return scaled;
}
