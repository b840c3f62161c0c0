#include "render/winning_paths.h"

#include <QImage>
#include <QPainter>

namespace vellomir::render {
namespace {

// One arc of a bounce: the card rises with steps -top, -top + 2, ..., -1,
// hangs for two steps of 0, then falls 1, 3, ..., top.
void addArc(std::vector<FestoonPhase>& phases, int top, const std::vector<int>& repeats) {
    std::vector<int> steps;
    for (int v = -top; v <= -1; v += 2) {
        steps.push_back(v);
    }
    steps.push_back(0);
    steps.push_back(0);
    for (int v = 1; v <= top; v += 2) {
        steps.push_back(v);
    }
    for (std::size_t i = 0; i < steps.size() && i < repeats.size(); ++i) {
        phases.push_back({steps[i], repeats[i]});
    }
}

} // namespace

const std::vector<FestoonPhase>& festoonFall() {
    static const std::vector<FestoonPhase> fall{{0, 0},   {3, 3},   {5, 5},   {7, 7},   {9, 9},
                                                {11, 11}, {13, 13}, {15, 15}, {17, 17}, {19, 100}};
    return fall;
}

std::vector<FestoonPhase> festoonBounces(int n) {
    std::vector<FestoonPhase> phases;
    addArc(phases, 19, {0,     0,     n, n + 1, n + 2, n + 3, n + 2, n + 1, n, n - 1, n - 2,
                        n - 2, n - 1, n, n + 1, n + 2, n + 3, n + 2, n + 1, n, 0,     0});
    addArc(phases, 15, {1, 3, 4, 5, 5, 4, 3, 1, 0, 0, 1, 3, 4, 5, 4, 4, 3, 1});
    addArc(phases, 11, {0, 1, 3, 4, 3, 1, 0, 0, 1, 3, 4, 3, 1, 0});
    addArc(phases, 7, {0, 1, 3, 4, 3, 0, 1, 3, 4, 3});
    phases.push_back({0, 1000});
    return phases;
}

std::vector<QPoint> circlePath() {
    constexpr int kSize = 300;
    constexpr int kMiddle = 150;
    QImage picture(kSize, kSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QRect(0, 0, kSize - 1, kSize - 1));
    }
    const auto outline = [&](int x, int y) { return picture.pixel(x, y) != qRgb(255, 255, 255); };

    std::vector<QPoint> found;
    for (int y = 0; y < kSize; ++y) {
        for (int x = kMiddle + 1; x < kSize; ++x) {
            if (outline(x, y)) {
                found.emplace_back(x, y);
                break;
            }
        }
    }
    for (int y = kSize - 1; y >= 0; --y) {
        for (int x = kMiddle - 1; x >= 0; --x) {
            if (outline(x, y)) {
                found.emplace_back(x, y);
                break;
            }
        }
    }
    std::vector<QPoint> kept;
    for (std::size_t i = 0; i < found.size() && kept.size() < 300; i += 4) {
        kept.push_back(found[i]);
    }
    return kept;
}

} // namespace vellomir::render
