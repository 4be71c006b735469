#pragma once
#include <QColor>
#include <QPoint>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/GifFiles.h"
#include "tests/support/JpegEncode.h"
#include "tests/support/PictureFiles.h"

// A 48 x 32 picture of four colours, one to each quarter (red, green on top; blue, yellow below), so that a
// swap of red and blue, a flip or a mirror of the picture shows wherever it is drawn.
struct Quadrants {
    static constexpr int kWidth = 48, kHeight = 32;

    static QColor At(int x, int y) {
        static const QColor colours[] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}};
        return colours[(y >= kHeight / 2) * 2 + (x >= kWidth / 2)];
    }
    // Points of every quarter, 4 pixels in from its corners (clear of JPEG's blur at the borders), and its
    // middle, in picture pixels.
    static std::vector<QPoint> Probes() {
        std::vector<QPoint> points;
        for (int qy = 0; qy < 2; ++qy)
            for (int qx = 0; qx < 2; ++qx) {
                const int x0 = qx * kWidth / 2, y0 = qy * kHeight / 2;
                const int x1 = x0 + kWidth / 2 - 1, y1 = y0 + kHeight / 2 - 1;
                points.insert(points.end(), {{x0 + 4, y0 + 4},
                                             {x1 - 4, y0 + 4},
                                             {x0 + 4, y1 - 4},
                                             {x1 - 4, y1 - 4},
                                             {(x0 + x1) / 2, (y0 + y1) / 2}});
            }
        return points;
    }
    // The picture as the file its name's ending asks for (.jpg, .gif or .bmp, in any case).
    static std::vector<uint8_t> File(const std::string& name) {
        std::string ending = name.substr(name.size() - 4);
        std::transform(ending.begin(), ending.end(), ending.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (ending == ".gif") {
            std::vector<uint8_t> values;
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x)
                    values.push_back(uint8_t((y >= kHeight / 2) * 2 + (x >= kWidth / 2)));
            return GifBuilder(kWidth, kHeight, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 0}})
                .Image({0, 0, kWidth, kHeight, false, {}, values, 2})
                .Done();
        }
        std::vector<uint8_t> pixels; // top row first, red-green-blue
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x) {
                const QColor c = At(x, y);
                pixels.insert(pixels.end(), {uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())});
            }
        if (ending == ".jpg") return EncodeJpeg(pixels, kWidth, kHeight, 3, JCS_RGB, 100);
        std::vector<uint8_t> rows; // bottom row first, blue-green-red; 144 bytes a row need no padding
        for (int y = kHeight - 1; y >= 0; --y)
            for (int x = 0; x < kWidth; ++x) {
                const uint8_t* p = &pixels[size_t(y * kWidth + x) * 3];
                rows.insert(rows.end(), {p[2], p[1], p[0]});
            }
        return MakeBmp(24, kWidth, kHeight, rows);
    }
};

inline bool Near(QRgb pixel, const QColor& c, int tolerance = 48) {
    return std::abs(qRed(pixel) - c.red()) < tolerance && std::abs(qGreen(pixel) - c.green()) < tolerance &&
           std::abs(qBlue(pixel) - c.blue()) < tolerance;
}
