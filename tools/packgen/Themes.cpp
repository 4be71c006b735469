#include <array>

#include "tools/packgen/Backgrounds.h"
#include "tools/packgen/Theme.h"

namespace {
using K = Kind;
using Z = Zone;

// Critter styles as variant bits.
constexpr uint32_t kCat = 1u << 0, kBear = 1u << 1, kRabbit = 1u << 2, kDog = 1u << 3, kPig = 1u << 4,
                   kFox = 1u << 5;
constexpr uint32_t kPlainPlanet = 1u << 0, kRingedPlanet = 1u << 1;
constexpr uint32_t kSnowy = 1u << 1; // the pine's snow caps

constexpr Placement kPark[] = {
    {K::Sun, Z::Sky, 0, 1, 45, 60},
    {K::Cloud, Z::Sky, 1, 3, 28, 40},
    {K::Kite, Z::Sky, 0, 1, 45, 60},
    {K::Balloon, Z::Sky, 0, 2, 40, 55},
    {K::Tree, Z::Horizon, 2, 3, 110, 150},
    {K::Bush, Z::Horizon, 1, 2, 45, 60},
    {K::Bench, Z::Ground, 0, 1, 40, 55},
    {K::Lamp, Z::Ground, 0, 1, 100, 130},
    {K::Critter, Z::Ground, 1, 2, 50, 65, kCat | kDog | kRabbit},
    {K::Flower, Z::Ground, 3, 5, 28, 40},
    {K::Butterfly, Z::Ground, 0, 2, 18, 24},
    {K::Bird, Z::Ground, 0, 1, 28, 36},
};
constexpr Placement kSeaside[] = {
    {K::Sun, Z::Sky, 0, 1, 45, 60},           {K::Cloud, Z::Sky, 1, 2, 28, 38},
    {K::Bird, Z::Sky, 0, 2, 22, 30},          {K::Sailboat, Z::Horizon, 1, 2, 55, 80},
    {K::Palm, Z::Ground, 0, 1, 150, 190},     {K::Umbrella, Z::Ground, 1, 2, 85, 110},
    {K::Sandcastle, Z::Ground, 1, 1, 55, 70}, {K::Bucket, Z::Ground, 0, 1, 32, 40},
    {K::Ball, Z::Ground, 0, 1, 30, 38},       {K::Crab, Z::Ground, 1, 2, 30, 40},
    {K::Starfish, Z::Ground, 1, 2, 26, 34},   {K::Shell, Z::Ground, 1, 2, 20, 28},
};
constexpr Placement kStreet[] = {
    {K::Sun, Z::Sky, 0, 1, 40, 55},
    {K::Cloud, Z::Sky, 1, 2, 26, 36},
    {K::Balloon, Z::Sky, 0, 1, 40, 50},
    {K::House, Z::Horizon, 2, 3, 105, 135},
    {K::Tree, Z::Horizon, 0, 2, 100, 130},
    {K::Lamp, Z::Ground, 1, 2, 110, 140},
    {K::TrafficLight, Z::Ground, 0, 1, 110, 130},
    {K::Car, Z::Ground, 2, 3, 42, 55},
    {K::Critter, Z::Ground, 0, 1, 40, 50, kDog | kCat},
    {K::Bird, Z::Ground, 0, 1, 24, 30},
};
constexpr Placement kSpace[] = {
    {K::Planet, Z::Float, 2, 3, 55, 100, kPlainPlanet | kRingedPlanet},
    {K::Star, Z::Float, 3, 5, 18, 28},
    {K::Ufo, Z::Float, 1, 2, 40, 55},
    {K::Rocket, Z::Float, 1, 1, 70, 90},
    {K::Rocket, Z::Ground, 0, 1, 70, 90},
    {K::Alien, Z::Ground, 1, 3, 45, 60},
};
constexpr Placement kKitchen[] = {
    {K::Clock, Z::Wall, 1, 1, 55, 70},    {K::Frame, Z::Wall, 1, 2, 65, 85},
    {K::Cup, Z::Horizon, 1, 2, 45, 58},   {K::Teapot, Z::Horizon, 1, 1, 62, 78},
    {K::Jar, Z::Horizon, 1, 2, 55, 70},   {K::Pot, Z::Horizon, 0, 1, 75, 95},
    {K::Fruit, Z::Horizon, 2, 3, 30, 40}, {K::Critter, Z::Ground, 0, 1, 60, 75, kCat | kDog},
};
constexpr Placement kForest[] = {
    {K::Sun, Z::Sky, 0, 1, 40, 50},
    {K::Cloud, Z::Sky, 0, 2, 26, 34},
    {K::Bird, Z::Sky, 0, 1, 24, 30},
    {K::Pine, Z::Horizon, 2, 4, 120, 170},
    {K::Tree, Z::Horizon, 1, 2, 110, 140},
    {K::Bush, Z::Ground, 1, 2, 40, 55},
    {K::Critter, Z::Ground, 2, 3, 48, 62, kFox | kBear | kRabbit},
    {K::Mushroom, Z::Ground, 2, 4, 24, 38},
    {K::Flower, Z::Ground, 1, 3, 26, 36},
    {K::Butterfly, Z::Ground, 0, 2, 18, 24},
};
constexpr Placement kFarm[] = {
    {K::Sun, Z::Sky, 0, 1, 45, 55},        {K::Cloud, Z::Sky, 1, 2, 28, 38},
    {K::Barn, Z::Horizon, 1, 1, 110, 135}, {K::Tree, Z::Horizon, 0, 2, 100, 130},
    {K::Fence, Z::Ground, 1, 2, 38, 50},   {K::Haystack, Z::Ground, 1, 2, 48, 62},
    {K::Tractor, Z::Ground, 0, 1, 60, 75}, {K::Critter, Z::Ground, 2, 3, 48, 62, kPig | kDog | kCat},
    {K::Bird, Z::Ground, 0, 1, 26, 32},    {K::Flower, Z::Ground, 0, 3, 24, 34},
};
constexpr Placement kUndersea[] = {
    {K::Fish, Z::Float, 3, 5, 42, 64},      {K::Jellyfish, Z::Float, 1, 2, 55, 72},
    {K::Seaweed, Z::Ground, 2, 3, 60, 100}, {K::Coral, Z::Ground, 1, 2, 50, 75},
    {K::Chest, Z::Ground, 0, 1, 45, 55},    {K::Starfish, Z::Ground, 1, 2, 22, 30},
    {K::Crab, Z::Ground, 0, 1, 28, 36},     {K::Shell, Z::Ground, 0, 2, 18, 24},
};
constexpr Placement kWinter[] = {
    {K::Cloud, Z::Sky, 1, 2, 28, 38},
    {K::Sun, Z::Sky, 0, 1, 40, 50},
    {K::Pine, Z::Horizon, 2, 4, 110, 160, 0, kSnowy},
    {K::House, Z::Horizon, 0, 1, 100, 120},
    {K::Snowman, Z::Ground, 1, 2, 70, 95},
    {K::Critter, Z::Ground, 1, 2, 45, 58, kRabbit | kFox},
    {K::Pine, Z::Ground, 0, 1, 110, 140, 0, kSnowy},
    {K::Bird, Z::Ground, 0, 1, 24, 30},
};
constexpr Placement kToyRoom[] = {
    {K::Frame, Z::Wall, 1, 1, 65, 80},
    {K::Clock, Z::Wall, 0, 1, 55, 65},
    {K::Kite, Z::Wall, 1, 1, 65, 80},
    {K::Robot, Z::Ground, 1, 2, 80, 100},
    {K::Critter, Z::Ground, 1, 2, 70, 85, kBear | kRabbit},
    {K::Block, Z::Ground, 2, 3, 38, 50},
    {K::Ball, Z::Ground, 1, 1, 36, 46},
    {K::Car, Z::Ground, 0, 1, 42, 52},
    {K::Rocket, Z::Ground, 0, 1, 75, 90},
};

constexpr std::array kThemes = {
    Theme{"park", "공원", PaintParkBackground, 190, 240, kPark},
    Theme{"seaside", "바닷가", PaintSeasideBackground, 150, 190, kSeaside},
    Theme{"street", "거리", PaintStreetBackground, 200, 235, kStreet},
    Theme{"space", "우주", PaintSpaceBackground, 290, 320, kSpace},
    Theme{"kitchen", "부엌", PaintKitchenBackground, 250, 275, kKitchen},
    Theme{"forest", "숲속 동물", PaintForestBackground, 170, 210, kForest},
    Theme{"farm", "농장", PaintFarmBackground, 180, 220, kFarm},
    Theme{"undersea", "바닷속", PaintUnderseaBackground, 320, 350, kUndersea},
    Theme{"winter", "겨울", PaintWinterBackground, 190, 230, kWinter},
    Theme{"toyroom", "장난감 방", PaintToyRoomBackground, 200, 240, kToyRoom},
};
} // namespace

std::span<const Theme> Themes() {
    return kThemes;
}

int FindTheme(std::string_view name) {
    for (size_t i = 0; i < kThemes.size(); ++i) {
        if (kThemes[i].name == name) return static_cast<int>(i);
    }
    return -1;
}
