#include "tests/pairs/PhotoScene.h"

#include <algorithm>
#include <opencv2/imgproc.hpp>

#include "tools/packgen/Rng.h"

namespace {
cv::Scalar Jitter(Rng& rng, int r, int g, int b, int spread) {
    return cv::Scalar(std::clamp(r + rng.Int(-spread, spread), 0, 255),
                      std::clamp(g + rng.Int(-spread, spread), 0, 255),
                      std::clamp(b + rng.Int(-spread, spread), 0, 255));
}

void Sky(cv::Mat& m, int horizon) {
    for (int y = 0; y < horizon; ++y) {
        const double t = double(y) / horizon;
        m.row(y).setTo(cv::Scalar(90 + 110 * t, 140 + 80 * t, 215 + 25 * t));
    }
}

void Hills(cv::Mat& m, int horizon, Rng& rng) {
    for (int layer = 0; layer < 2; ++layer) {
        std::vector<cv::Point> outline{{0, m.rows}};
        const int base = horizon - (1 - layer) * m.rows / 12;
        for (int x = 0; x <= m.cols; x += m.cols / 12) outline.push_back({x, base - rng.Int(0, m.rows / 10)});
        outline.push_back({m.cols, m.rows});
        cv::fillPoly(m, std::vector{outline},
                     layer ? Jitter(rng, 70, 120, 60, 10) : Jitter(rng, 110, 140, 150, 10), cv::LINE_AA);
    }
    // Meadow: lighter toward the viewer, with grass texture.
    for (int y = horizon; y < m.rows; ++y) {
        const double t = double(y - horizon) / (m.rows - horizon);
        for (int x = 0; x < m.cols; ++x) {
            const int grain = rng.Int(-14, 14);
            m.at<cv::Vec3b>(y, x) = cv::Vec3b(cv::saturate_cast<uchar>(80 + 40 * t + grain),
                                              cv::saturate_cast<uchar>(130 + 50 * t + grain),
                                              cv::saturate_cast<uchar>(50 + 20 * t + grain / 2));
        }
    }
}

void House(cv::Mat& m, cv::Point at, int size, Rng& rng) {
    const cv::Scalar wall = Jitter(rng, 220, 200, 170, 25), roof = Jitter(rng, 160, 60, 50, 30);
    cv::rectangle(m, cv::Rect(at.x, at.y - size, size * 3 / 2, size), wall, cv::FILLED, cv::LINE_AA);
    const std::vector<cv::Point> top{{at.x - size / 8, at.y - size},
                                     {at.x + size * 3 / 4, at.y - size * 7 / 4},
                                     {at.x + size * 13 / 8, at.y - size}};
    cv::fillPoly(m, std::vector{top}, roof, cv::LINE_AA);
    cv::rectangle(m, cv::Rect(at.x + size / 6, at.y - size * 2 / 3, size / 3, size / 3),
                  Jitter(rng, 90, 140, 190, 20), cv::FILLED);
    cv::rectangle(m, cv::Rect(at.x + size * 5 / 6, at.y - size * 2 / 3, size / 3, size * 2 / 3),
                  Jitter(rng, 110, 70, 40, 15), cv::FILLED);
}

void Tree(cv::Mat& m, cv::Point at, int size, Rng& rng) {
    cv::rectangle(m, cv::Rect(at.x - size / 12, at.y - size, size / 6, size), Jitter(rng, 100, 70, 45, 15),
                  cv::FILLED);
    const cv::Scalar leaves = Jitter(rng, 50, 110, 45, 25);
    for (int i = 0; i < 7; ++i) {
        const cv::Point c(at.x + rng.Int(-size / 3, size / 3), at.y - size - rng.Int(-size / 6, size / 3));
        const cv::Scalar shade = leaves * rng.Real(0.8, 1.2);
        cv::ellipse(m, c, cv::Size(size / 4 + rng.Int(0, size / 6), size / 4 + rng.Int(0, size / 6)), 0, 0,
                    360, shade, cv::FILLED, cv::LINE_AA);
    }
}

void Rock(cv::Mat& m, cv::Point at, int size, Rng& rng) {
    const cv::Scalar grey = Jitter(rng, 140, 135, 125, 20);
    cv::ellipse(m, at, cv::Size(size, size * 2 / 3), 0, 180, 360, grey, cv::FILLED, cv::LINE_AA);
    cv::ellipse(m, at + cv::Point(size / 4, -size / 6), cv::Size(size / 3, size / 5), 0, 180, 360, grey * 1.2,
                cv::FILLED, cv::LINE_AA);
}

void Flowers(cv::Mat& m, int horizon, Rng& rng) {
    const cv::Scalar colours[] = {
        {230, 60, 70}, {250, 220, 60}, {240, 240, 240}, {160, 80, 200}, {250, 140, 40}};
    for (int i = 0; i < 30; ++i) {
        const int y = rng.Int(horizon + m.rows / 10, m.rows - 1);
        const cv::Point c(rng.Int(0, m.cols - 1), y);
        // Nearer flowers (lower in the picture) are larger.
        const int r = m.rows / 70 + (y - horizon) * m.rows / (30 * m.rows) + rng.Int(0, m.rows / 100);
        cv::circle(m, c, r, colours[rng.Int(0, 4)], cv::FILLED, cv::LINE_AA);
        cv::circle(m, c, r / 3 + 1, cv::Scalar(240, 200, 40), cv::FILLED, cv::LINE_AA);
    }
}

void Clouds(cv::Mat& m, int horizon, Rng& rng) {
    cv::Mat layer = m.clone();
    for (int i = 0; i < 4; ++i) {
        const cv::Point c(rng.Int(0, m.cols - 1), rng.Int(horizon / 8, horizon * 2 / 3));
        for (int k = 0; k < 5; ++k) {
            cv::ellipse(
                layer, c + cv::Point(rng.Int(-m.cols / 12, m.cols / 12), rng.Int(-m.rows / 60, m.rows / 60)),
                cv::Size(m.cols / 20 + rng.Int(0, m.cols / 30), m.rows / 40 + rng.Int(0, m.rows / 50)), 0, 0,
                360, cv::Scalar(248, 248, 250), cv::FILLED, cv::LINE_AA);
        }
    }
    cv::GaussianBlur(layer, layer, cv::Size(0, 0), 4);
    layer.rowRange(0, horizon).copyTo(m.rowRange(0, horizon));
}

void Pond(cv::Mat& m, cv::Point at, int size, Rng& rng) {
    cv::ellipse(m, at, cv::Size(size, size / 3), 0, 0, 360, Jitter(rng, 70, 120, 170, 15), cv::FILLED,
                cv::LINE_AA);
    cv::ellipse(m, at + cv::Point(-size / 4, -size / 12), cv::Size(size / 3, size / 14), 0, 0, 360,
                cv::Scalar(150, 190, 220), cv::FILLED, cv::LINE_AA);
}

void Fence(cv::Mat& m, cv::Point at, int size, Rng& rng) {
    const cv::Scalar wood = Jitter(rng, 200, 170, 130, 20);
    for (int i = 0; i < 6; ++i) {
        cv::rectangle(m, cv::Rect(at.x + i * size / 2, at.y - size, size / 8, size), wood, cv::FILLED);
    }
    cv::rectangle(m, cv::Rect(at.x, at.y - size * 3 / 4, size * 11 / 4, size / 10), wood, cv::FILLED);
    cv::rectangle(m, cv::Rect(at.x, at.y - size / 3, size * 11 / 4, size / 10), wood, cv::FILLED);
}

void Things(cv::Mat& m, int horizon, Rng& rng) {
    const int unit = std::min(m.cols, m.rows);
    // A kite and birds in the sky, a ball, a bench and a bucket on the grass.
    const cv::Point kite(rng.Int(m.cols / 5, m.cols * 4 / 5), rng.Int(horizon / 4, horizon * 3 / 4));
    const int k = unit / 18;
    cv::fillPoly(
        m,
        std::vector{std::vector<cv::Point>{kite + cv::Point(0, -k), kite + cv::Point(k * 2 / 3, 0),
                                           kite + cv::Point(0, k * 3 / 2), kite + cv::Point(-k * 2 / 3, 0)}},
        Jitter(rng, 220, 50, 60, 30), cv::LINE_AA);
    for (int i = 0; i < 3; ++i) {
        const cv::Point b(rng.Int(0, m.cols - 1), rng.Int(horizon / 6, horizon * 2 / 3));
        cv::ellipse(m, b, cv::Size(unit / 60, unit / 90), 0, 180, 360, cv::Scalar(40, 40, 50), 3,
                    cv::LINE_AA);
        cv::ellipse(m, b + cv::Point(unit / 30, 0), cv::Size(unit / 60, unit / 90), 0, 180, 360,
                    cv::Scalar(40, 40, 50), 3, cv::LINE_AA);
    }
    for (int i = 0; i < 2; ++i) {
        const cv::Point ball(rng.Int(0, m.cols - 1), rng.Int(horizon + unit / 4, m.rows - unit / 10));
        cv::circle(m, ball, unit / 30, Jitter(rng, 60, 90, 220, 40), cv::FILLED, cv::LINE_AA);
        cv::circle(m, ball + cv::Point(-unit / 90, -unit / 90), unit / 90, cv::Scalar(250, 250, 250),
                   cv::FILLED, cv::LINE_AA);
    }
    const cv::Point bench(rng.Int(m.cols / 10, m.cols * 3 / 4),
                          rng.Int(horizon + unit / 4, m.rows - unit / 6));
    cv::rectangle(m, cv::Rect(bench.x, bench.y, unit / 6, unit / 40), Jitter(rng, 150, 90, 50, 20),
                  cv::FILLED);
    cv::rectangle(m, cv::Rect(bench.x, bench.y - unit / 20, unit / 6, unit / 40),
                  Jitter(rng, 150, 90, 50, 20), cv::FILLED);
    cv::rectangle(m, cv::Rect(bench.x + unit / 80, bench.y, unit / 80, unit / 20), cv::Scalar(60, 60, 60),
                  cv::FILLED);
    cv::rectangle(m, cv::Rect(bench.x + unit / 7, bench.y, unit / 80, unit / 20), cv::Scalar(60, 60, 60),
                  cv::FILLED);
    const cv::Point bucket(rng.Int(m.cols / 10, m.cols * 9 / 10),
                           rng.Int(horizon + unit / 5, m.rows - unit / 8));
    cv::fillPoly(m,
                 std::vector{std::vector<cv::Point>{bucket, bucket + cv::Point(unit / 14, 0),
                                                    bucket + cv::Point(unit / 16, unit / 14),
                                                    bucket + cv::Point(unit / 112, unit / 14)}},
                 Jitter(rng, 240, 200, 40, 20), cv::LINE_AA);
}

// Light falls from the upper left; the lens darkens the corners; the sensor adds grain; focus is soft.
void Camera(cv::Mat& m, Rng& rng) {
    cv::Mat noise(m.size(), CV_16SC3);
    cv::randn(noise, 0, 5);
    cv::Mat wide;
    m.convertTo(wide, CV_16SC3);
    wide += noise;
    wide.convertTo(m, CV_8UC3);
    const cv::Point2d centre(m.cols * 0.4, m.rows * 0.35);
    const double reach = std::hypot(m.cols, m.rows);
    for (int y = 0; y < m.rows; ++y) {
        for (int x = 0; x < m.cols; ++x) {
            const double fall = 1.08 - 0.35 * std::hypot(x - centre.x, y - centre.y) / reach;
            cv::Vec3b& p = m.at<cv::Vec3b>(y, x);
            for (int i = 0; i < 3; ++i) p[i] = cv::saturate_cast<uchar>(p[i] * fall);
        }
    }
    cv::GaussianBlur(m, m, cv::Size(0, 0), 0.9 + rng.Real(0, 0.4));
}
} // namespace

RgbImage RenderPhotoScene(uint64_t seed, int width, int height) {
    Rng rng(seed);
    cv::Mat m(height, width, CV_8UC3);
    const int horizon = height * rng.Int(30, 40) / 100;
    const int unit = std::min(width, height);
    Sky(m, horizon);
    cv::circle(m, {rng.Int(width / 10, width * 9 / 10), horizon / 3}, height / 16, cv::Scalar(255, 245, 210),
               cv::FILLED, cv::LINE_AA);
    Clouds(m, horizon, rng);
    Hills(m, horizon, rng);
    Pond(m, {rng.Int(width / 4, width * 3 / 4), rng.Int(horizon + unit / 3, height - unit / 5)}, unit / 6,
         rng);
    House(m, {rng.Int(width / 10, width / 2), horizon + unit / 6}, unit / 6, rng);
    Fence(m, {rng.Int(0, width / 2), horizon + unit / 4}, unit / 10, rng);
    // Things further back first, so nearer ones cover them.
    std::vector<int> rows;
    for (int i = 0; i < 9; ++i) rows.push_back(rng.Int(horizon + unit / 10, height - unit / 12));
    std::sort(rows.begin(), rows.end());
    for (size_t i = 0; i < rows.size(); ++i) {
        const int y = rows[i], size = unit / 14 + (y - horizon) * unit / (4 * height);
        const cv::Point at(rng.Int(0, width - 1), y);
        if (i % 3 == 2) {
            Rock(m, at, size / 2, rng);
        } else {
            Tree(m, at, size, rng);
        }
    }
    Things(m, horizon, rng);
    Flowers(m, horizon, rng);
    Camera(m, rng);
    RgbImage image(width, height);
    for (int y = 0; y < height; ++y)
        std::copy_n(m.ptr<uint8_t>(y), width * 3, &image.pixels[size_t(y) * width * 3]);
    return image;
}
