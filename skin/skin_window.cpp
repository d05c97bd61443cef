#include "skin_window.h"

#include "mod_main.h"

#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QWidget>

namespace
{

// The skin with its key-coloured pixels fully transparent.
QPixmap withKeyTransparent(const QPixmap &skin)
{
    QImage image = skin.toImage().convertToFormat(QImage::Format_ARGB32);
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

void ApplySkin(QWidget &window, QLabel &skinBox, const QPixmap &skin)
{
    // Wayland has no window shapes: there the cut-away pixels are drawn
    // transparent instead, and the mask below still bounds where the window
    // takes the pointer (Qt makes it the input region).
    const bool withoutShapes = QGuiApplication::platformName() == QLatin1String("wayland");
    if (withoutShapes)
        window.setAttribute(Qt::WA_TranslucentBackground);
    skinBox.setFrameShape(QFrame::NoFrame);
    skinBox.move(0, 0);
    skinBox.setPixmap(
        scaledPixelArt(withoutShapes ? withKeyTransparent(skin) : skin, window.devicePixelRatio()));
    skinBox.setFixedSize(skin.deviceIndependentSize().toSize());
    window.setWindowFlag(Qt::FramelessWindowHint);
    window.setFixedSize(skinBox.size());

    // In logical pixels, so that a scaled screen cuts the window exactly where
    // the scaled skin is.
    const QRegion shape = BuildSkinRegion(skin.toImage());
    if (!shape.isEmpty())
        window.setMask(shape);
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
