#include "skin_window.h"

#include "mod_main.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

void ApplySkin(QWidget &window, QLabel &skinBox, const QPixmap &skin)
{
    skinBox.setFrameShape(QFrame::NoFrame);
    skinBox.move(0, 0);
    skinBox.setPixmap(scaledPixelArt(skin, window.devicePixelRatio()));
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
