// SPDX-FileCopyrightText: 2026 The Zunkel configuration tool's authors
// SPDX-License-Identifier: MIT
// Builds the shipped skin's region three ways in one run and prints how the
// tool's builder compares: against Qt's mask route and against the plain
// one-pixel-one-union method. Prints ratios; asserts nothing about speed.
#include "mod_main.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QImage>
#include <QRegion>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace
{

QRegion qtMaskRoute(const QImage &skin)
{
    const QRgb key = skin.pixel(0, 0);
    return QRegion(QBitmap::fromImage(skin.createMaskFromColor(key)));
}

// Reads every pixel with its own call and unites one rectangle per run.
QRegion pixelByPixel(const QImage &skin)
{
    const QRgb key = skin.pixel(0, 0) & RGB_MASK;
    QRegion result;
    for (int y = 0; y < skin.height(); ++y) {
        bool inRun = false;
        int start = 0;
        for (int x = 0; x <= skin.width(); ++x) {
            const bool isKey = x == skin.width() || (skin.pixel(x, y) & RGB_MASK) == key;
            if (isKey && inRun) {
                result = result.united(QRect(start, y, x - start, 1));
                inRun = false;
            } else if (!isKey && !inRun) {
                inRun = true;
                start = x;
            }
        }
    }
    return result;
}

struct Method {
    const char *name;
    std::function<QRegion(const QImage &)> build;
    std::vector<double> microseconds;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // QBitmap needs it
    Q_INIT_RESOURCE(art);
    const QImage skin(":/art/skin.gif");
    if (skin.isNull()) {
        std::fprintf(stderr, "cannot read the skin\n");
        return 1;
    }

    std::vector<Method> methods{{"BuildSkinRegion", BuildSkinRegion, {}},
                                {"Qt mask route", qtMaskRoute, {}},
                                {"pixel by pixel, union per run", pixelByPixel, {}}};
    const QRegion reference = methods[0].build(skin);
    for (const Method &m : methods) {
        const QRegion region = m.build(skin);
        // The mask route marks one colour; either polarity must be the skin.
        const QRegion full(skin.rect());
        if (!(region ^ reference).isEmpty() && !((full - region) ^ reference).isEmpty()) {
            std::fprintf(stderr, "%s builds another shape\n", m.name);
            return 1;
        }
    }

    // Samples alternate between the methods so that they share the machine's noise.
    constexpr int samples = 31, callsPerSample = 100;
    for (int sample = 0; sample < samples; ++sample) {
        for (Method &m : methods) {
            const auto start = std::chrono::steady_clock::now();
            for (int i = 0; i < callsPerSample; ++i) {
                const QRegion region = m.build(skin);
                if (region.isEmpty())
                    return 1;
            }
            const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
            m.microseconds.push_back(spent.count() / callsPerSample);
        }
    }

    const double ours = median(methods[0].microseconds);
    std::printf("skin region, %dx%d, %d runs; median of %d samples\n", skin.width(), skin.height(),
                int(reference.rectCount()), samples);
    for (const Method &m : methods)
        std::printf("  %-32s %9.2f us  %6.1fx BuildSkinRegion\n", m.name, median(m.microseconds),
                    median(m.microseconds) / ours);
    std::printf("  targets: Qt mask route >= 3x, pixel by pixel >= 8x\n");
    return 0;
}
