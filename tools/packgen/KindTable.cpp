#include "tools/packgen/KindTable.h"

#include <array>

namespace {
constexpr Rgb kBright[] = {{230, 60, 60},  {245, 150, 40},  {250, 215, 60}, {90, 190, 80},   {60, 130, 230},
                           {150, 90, 210}, {240, 120, 180}, {40, 180, 180}, {245, 245, 245}, {70, 70, 90}};
constexpr Rgb kGreens[] = {{70, 160, 60}, {50, 135, 75}, {115, 185, 60}, {40, 115, 70}, {140, 190, 80}};
constexpr Rgb kBrowns[] = {{150, 100, 60}, {120, 80, 50}, {170, 120, 75}, {105, 75, 55}};
constexpr Rgb kPastels[] = {{245, 225, 185}, {200, 220, 245}, {245, 200, 200},
                            {215, 240, 200}, {250, 240, 210}, {225, 210, 245}};
constexpr Rgb kRoofs[] = {{200, 70, 60}, {80, 100, 160}, {120, 80, 60}, {60, 130, 110}, {170, 90, 150}};
constexpr Rgb kFurs[] = {{235, 150, 60}, {145, 100, 70},  {200, 200, 205}, {245, 243, 235},
                         {95, 85, 85},   {240, 205, 155}, {245, 175, 185}};
constexpr Rgb kClouds[] = {{252, 252, 255}, {236, 242, 252}};
constexpr Rgb kSuns[] = {{255, 222, 60}, {255, 205, 45}};
constexpr Rgb kRays[] = {{255, 170, 40}, {255, 190, 70}};
constexpr Rgb kSea[] = {{250, 130, 90}, {245, 110, 150}, {250, 180, 70}, {170, 120, 230}, {240, 90, 80}};
constexpr Rgb kSand[] = {{235, 200, 130}, {225, 185, 120}};
constexpr Rgb kGreys[] = {{90, 95, 105}, {60, 70, 80}, {120, 120, 130}};
constexpr Rgb kStars[] = {{255, 225, 80}, {255, 245, 170}};
constexpr Rgb kWoods[] = {{160, 110, 65}, {190, 140, 90}, {130, 90, 60}};
constexpr Rgb kStones[] = {{165, 160, 150}, {185, 175, 160}, {140, 140, 150}, {175, 165, 140}};
constexpr Rgb kNight[] = {{70, 75, 110}, {90, 70, 100}, {60, 85, 95}, {100, 100, 120}};
constexpr Rgb kMoons[] = {{250, 240, 190}, {245, 245, 225}};

using P = std::span<const Rgb>;

KindInfo Make(ArtFunction draw, double width, int details, bool asym, P a, P b = kBright, P c = kBright,
              Features features = {}) {
    return {draw, width, details, asym, {a, b, c}, features};
}

constexpr Features Shapes(int n) {
    return {.shapes = n};
}
constexpr Features Patterned() {
    return {.patterns = kPatterns};
}
constexpr Features Counted(int lo, int hi) {
    return {.minCount = lo, .maxCount = hi};
}
constexpr Features kLabelled{.labelled = true};

const std::array<KindInfo, size_t(Kind::Towel) + 1>& Table() {
    static const std::array<KindInfo, size_t(Kind::Towel) + 1> table = {
        Make(DrawCloud, 1.7, 2, true, kClouds),
        Make(DrawSun, 1.0, 2, false, kSuns, kRays),
        Make(DrawBird, 1.3, 2, true, kBright),
        Make(DrawTree, 1.0, 2, false, kGreens, kBrowns, kBright, Shapes(2)),
        Make(DrawPine, 0.75, 2, false, kGreens, kBrowns, kBright),
        Make(DrawBush, 1.2, 1, false, kGreens),
        Make(DrawFlower, 0.6, 1, true, kBright, kBright, kBright, Counted(5, 8)),
        Make(DrawCritter, 1.0, 2, true, kFurs, kBright, kBright, Shapes(6)),
        Make(DrawBench, 1.5, 1, false, kWoods),
        Make(DrawBalloon, 0.5, 1, false, kBright, kPastels, kBright, Patterned()),
        Make(DrawKite, 0.65, 1, true, kBright, kPastels, kBright, Patterned()),
        Make(DrawLamp, 0.35, 1, false, kGreys),
        Make(DrawHouse, 1.1, 3, true, kPastels, kRoofs, kBright),
        Make(DrawCar, 1.6, 3, true, kBright, kPastels, kBright, Patterned()),
        Make(DrawTrafficLight, 0.3, 1, false, kGreys),
        Make(DrawUmbrella, 1.2, 1, false, kBright),
        Make(DrawSailboat, 1.2, 2, true, kBright, kPastels, kBright),
        Make(DrawCrab, 1.2, 1, false, kSea),
        Make(DrawStarfish, 1.0, 2, false, kSea),
        Make(DrawShell, 0.8, 1, false, kPastels),
        Make(DrawSandcastle, 1.0, 2, true, kSand),
        Make(DrawBucket, 0.8, 1, true, kBright, kPastels, kBright, Patterned()),
        Make(DrawBall, 0.8, 1, false, kBright),
        Make(DrawPalm, 1.1, 1, true, kGreens),
        Make(DrawPlanet, 1.0, 2, false, kBright, kPastels, kBright, Shapes(2)),
        Make(DrawRocket, 0.6, 2, false, kBright),
        Make(DrawUfo, 1.2, 2, false, kGreys, kBright, kBright),
        Make(DrawAlien, 0.7, 2, true, kGreens),
        Make(DrawStar, 1.0, 1, false, kStars),
        Make(DrawCup, 0.9, 2, true, kBright, kPastels, kBright, Patterned()),
        Make(DrawTeapot, 1.2, 2, true, kBright),
        Make(DrawFruit, 0.8, 1, true, kBright, kBright, kBright, Shapes(3)),
        Make(DrawPot, 0.9, 1, false, kBright),
        Make(DrawJar, 0.55, 1, false, kBright, kBright, kBright, kLabelled),
        Make(DrawClock, 0.9, 1, false, kBright, kBright, kBright, Shapes(4)),
        Make(DrawMushroom, 0.9, 2, false, kBright),
        Make(DrawButterfly, 0.8, 1, false, kBright),
        Make(DrawBarn, 1.2, 2, false, kRoofs, kWoods),
        Make(DrawFence, 1.6, 1, false, kWoods, kBright, kBright, Counted(3, 6)),
        Make(DrawTractor, 1.4, 2, true, kBright),
        Make(DrawHaystack, 1.0, 1, false, kSuns, kBright, kBright),
        Make(DrawFish, 1.3, 2, true, kBright, kBright, kBright, Patterned()),
        Make(DrawJellyfish, 0.8, 2, false, kSea),
        Make(DrawSeaweed, 0.5, 1, true, kGreens),
        Make(DrawCoral, 0.9, 1, true, kSea),
        Make(DrawChest, 0.9, 2, false, kWoods, kGreys),
        Make(DrawSnowman, 0.7, 3, true, kBright, kGreys),
        Make(DrawBlock, 0.9, 1, false, kBright),
        Make(DrawRobot, 0.8, 2, true, kBright, kBright, kBright, Counted(2, 4)),
        Make(DrawFrame, 0.8, 1, false, kWoods, kGreens),
        Make(DrawStone, 1.4, 1, true, kStones, kBright, kBright, Shapes(2)),
        Make(DrawSign, 1.0, 1, false, kPastels, kBright, kBright, {.shapes = 3, .labelled = true}),
        Make(DrawBooks, 1.1, 1, true, kBright, kBright, kBright,
             {.patterns = kPatterns, .minCount = 3, .maxCount = 7}),
        Make(DrawBoard, 1.5, 2, false, kWoods, kBright, kBright, kLabelled),
        Make(DrawDesk, 1.35, 2, false, kWoods, kBright),
        Make(DrawStall, 1.45, 0, false, kBright, kWoods, kBright,
             {.patterns = kPatterns, .minCount = 2, .maxCount = 5, .labelled = true}),
        Make(DrawCrate, 1.0, 0, false, kWoods, kBright, kBright,
             {.minCount = 2, .maxCount = 5, .labelled = true}),
        Make(DrawFlag, 0.85, 1, true, kBright, kBright, kBright, Patterned()),
        Make(DrawTower, 0.85, 2, false, kStones, kBright, kBright, Counted(3, 5)),
        Make(DrawBuilding, 0.85, 2, false, kNight, kBright, kBright,
             {.patterns = kPatterns, .minCount = 2, .maxCount = 4}),
        Make(DrawMoon, 1.0, 1, true, kMoons, kBright, kBright, Shapes(2)),
        Make(DrawLantern, 0.9, 1, false, kBright, kBright, kBright, Patterned()),
        Make(DrawShield, 0.85, 1, false, kBright, kPastels, kBright, {.shapes = 2, .patterns = kPatterns}),
        Make(DrawGarland, 2.0, 0, false, kBright, kBright, kBright, Counted(4, 8)),
        Make(DrawTowel, 1.5, 1, true, kBright, kPastels, kBright, Patterned()),
    };
    return table;
}
} // namespace

const KindInfo& InfoOf(Kind kind) {
    return Table()[size_t(kind)];
}

std::span<const Rgb> ChangeColours() {
    return kBright;
}
