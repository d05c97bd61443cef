// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Decodes the pictures with Qt's own readers when the program is built and
// writes them out as C++ data, so that the program shows exactly these images
// without loading an image reader or plugin at start-up.
// Usage: bake_art OUTPUT.inc PICTURE...   (every image of each file, in order)
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <cstdio>
#include <cstring>

namespace
{

QByteArray bytesAsText(const uchar *bytes, qsizetype size)
{
    QByteArray text;
    for (qsizetype i = 0; i < size; ++i)
        text += QByteArray::number(bytes[i]) + (i % 32 == 31 ? ",\n" : ",");
    return text;
}

// The picture with a palette, a quarter of its size, when it has no more
// than 256 colours (as drawn pictures have); else as it is.
QImage withPalette(const QImage &image)
{
    if (image.format() == QImage::Format_Indexed8)
        return image;
    QList<QRgb> colours;
    QImage indexed(image.size(), QImage::Format_Indexed8);
    // The rows' padding too (fill() leaves it): the same pictures give the same output.
    std::memset(indexed.bits(), 0, size_t(indexed.sizeInBytes()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            qsizetype index = colours.indexOf(colour);
            if (index < 0) {
                if (colours.size() == 256)
                    return image;
                index = colours.size();
                colours << colour;
            }
            indexed.scanLine(y)[x] = uchar(index); // setPixel needs the palette first
        }
    indexed.setColorTable(colours);
    return indexed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bake_art OUTPUT.inc PICTURE...\n");
        return 2;
    }
    QByteArray data = "// Made by bake_art from the pictures in art/; do not edit.\n";
    QByteArray table = "const BakedImage Baked[] = {\n";
    int count = 0;
    for (int arg = 2; arg < argc; ++arg) {
        QImageReader reader(QString::fromLocal8Bit(argv[arg]));
        const QByteArray file = QFileInfo(reader.fileName()).fileName().toUtf8();
        int images = 0;
        // As Qt's icons read a file: image after image until one fails or
        // there is no next one.
        for (bool more = true; more; more = reader.jumpToNextImage()) {
            const QImage image = reader.read();
            if (image.isNull())
                break;
            const QImage stored = withPalette(image);
            const QByteArray name = "image" + QByteArray::number(count++);
            data += "alignas(4) const uchar " + name + "Bits[] = {\n" +
                    bytesAsText(stored.constBits(), stored.sizeInBytes()) + "};\n";
            const QList<QRgb> colours = stored.colorTable();
            data += "const QRgb " + name + "Colours[] = {";
            for (QRgb colour : colours)
                data += "0x" + QByteArray::number(colour, 16) + "u,";
            data += colours.isEmpty() ? "0};\n" : "};\n";
            table += QStringLiteral("    {\"%1\", %2, %3, %4, QImage::Format(%5), %6Bits, %6Colours, %7},\n")
                         .arg(QString::fromUtf8(file))
                         .arg(stored.width())
                         .arg(stored.height())
                         .arg(stored.bytesPerLine())
                         .arg(int(stored.format()))
                         .arg(QString::fromLatin1(name))
                         .arg(colours.size())
                         .toUtf8();
            ++images;
        }
        if (!images) {
            std::fprintf(stderr, "bake_art: %s: %s\n", argv[arg], qPrintable(reader.errorString()));
            return 1;
        }
    }
    QFile output(QString::fromLocal8Bit(argv[1]));
    if (!output.open(QIODevice::WriteOnly) || output.write(data + table + "};\n") < 0 || !output.flush()) {
        std::fprintf(stderr, "bake_art: %s: %s\n", argv[1], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
