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

// Placements: kind, zone, count range, size range, allowed variants, parts always shown. Counts add up to
// 25 objects or more, with small details (flowers, stones, books, fruit) between the big ones.
constexpr Placement kPark[] = {
    {K::Sun, Z::Sky, 0, 1, 40, 55},
    {K::Cloud, Z::Sky, 2, 3, 24, 36},
    {K::Kite, Z::Sky, 1, 1, 40, 55},
    {K::Balloon, Z::Sky, 1, 2, 34, 48},
    {K::Bird, Z::Sky, 1, 2, 16, 22},
    {K::Tree, Z::Horizon, 3, 4, 100, 140},
    {K::Bush, Z::Horizon, 2, 3, 36, 52},
    {K::Bench, Z::Ground, 1, 1, 38, 50},
    {K::Lamp, Z::Ground, 1, 1, 95, 120},
    {K::Sign, Z::Ground, 1, 1, 40, 50},
    {K::Critter, Z::Ground, 2, 2, 40, 55, kCat | kDog | kRabbit},
    {K::Flower, Z::Ground, 5, 7, 20, 32},
    {K::Butterfly, Z::Ground, 1, 2, 14, 20},
    {K::Stone, Z::Ground, 2, 3, 10, 18},
    {K::Ball, Z::Ground, 1, 1, 18, 24},
    {K::Bird, Z::Ground, 1, 1, 20, 28},
};
constexpr Placement kSeaside[] = {
    {K::Sun, Z::Sky, 0, 1, 40, 55},       {K::Cloud, Z::Sky, 2, 3, 24, 34},
    {K::Bird, Z::Sky, 2, 3, 16, 24},      {K::Sailboat, Z::Horizon, 2, 3, 40, 70},
    {K::Palm, Z::Ground, 1, 1, 140, 180}, {K::Umbrella, Z::Ground, 1, 2, 75, 100},
    {K::Towel, Z::Ground, 1, 1, 22, 30},  {K::Sandcastle, Z::Ground, 1, 1, 45, 60},
    {K::Bucket, Z::Ground, 1, 2, 24, 34}, {K::Ball, Z::Ground, 1, 1, 24, 32},
    {K::Crab, Z::Ground, 2, 3, 22, 32},   {K::Starfish, Z::Ground, 2, 3, 18, 26},
    {K::Shell, Z::Ground, 3, 4, 14, 22},  {K::Stone, Z::Ground, 2, 3, 10, 16},
    {K::Sign, Z::Ground, 1, 1, 40, 50},
};
constexpr Placement kStreet[] = {
    {K::Sun, Z::Sky, 0, 1, 36, 50},
    {K::Cloud, Z::Sky, 2, 3, 22, 34},
    {K::Bird, Z::Sky, 1, 2, 14, 20},
    {K::Balloon, Z::Sky, 0, 1, 34, 44},
    {K::House, Z::Horizon, 3, 4, 95, 125},
    {K::Tree, Z::Horizon, 1, 2, 90, 120},
    {K::Lamp, Z::Ground, 2, 2, 100, 130},
    {K::TrafficLight, Z::Ground, 1, 1, 100, 120},
    {K::Sign, Z::Ground, 1, 2, 42, 52},
    {K::Car, Z::Ground, 3, 4, 36, 50},
    {K::Critter, Z::Ground, 1, 2, 32, 44, kDog | kCat},
    {K::Bush, Z::Ground, 2, 3, 24, 34},
    {K::Flower, Z::Ground, 2, 4, 18, 26},
    {K::Bird, Z::Ground, 1, 2, 18, 24},
    {K::Stone, Z::Ground, 1, 2, 9, 14},
};
constexpr Placement kSpace[] = {
    {K::Planet, Z::Float, 2, 3, 45, 90, kPlainPlanet | kRingedPlanet},
    {K::Star, Z::Float, 6, 8, 14, 24},
    {K::Moon, Z::Float, 1, 1, 30, 40},
    {K::Ufo, Z::Float, 2, 3, 32, 46},
    {K::Rocket, Z::Float, 1, 2, 55, 80},
    {K::Rocket, Z::Ground, 1, 1, 60, 80},
    {K::Alien, Z::Ground, 3, 4, 36, 52},
    {K::Flag, Z::Ground, 1, 2, 36, 48},
    {K::Robot, Z::Ground, 1, 1, 40, 52},
    {K::Stone, Z::Ground, 4, 5, 10, 20},
};
constexpr Placement kKitchen[] = {
    {K::Clock, Z::Wall, 1, 1, 45, 60},
    {K::Frame, Z::Wall, 1, 2, 55, 75},
    {K::Jar, Z::Wall, 2, 3, 30, 40},
    {K::Cup, Z::Wall, 1, 2, 24, 30},
    {K::Cup, Z::Horizon, 2, 3, 36, 48},
    {K::Teapot, Z::Horizon, 1, 1, 55, 70},
    {K::Jar, Z::Horizon, 2, 3, 45, 60},
    {K::Pot, Z::Horizon, 1, 1, 65, 85},
    {K::Fruit, Z::Horizon, 4, 5, 22, 32},
    {K::Books, Z::Horizon, 1, 1, 40, 50},
    {K::Critter, Z::Ground, 1, 1, 50, 65, kCat | kDog},
    {K::Ball, Z::Ground, 1, 1, 22, 30},
    {K::Crate, Z::Ground, 1, 1, 40, 50},
    {K::Fruit, Z::Ground, 2, 3, 18, 24},
};
constexpr Placement kForest[] = {
    {K::Sun, Z::Sky, 0, 1, 36, 46},
    {K::Cloud, Z::Sky, 1, 2, 22, 32},
    {K::Bird, Z::Sky, 1, 2, 16, 22},
    {K::Pine, Z::Horizon, 3, 5, 110, 160},
    {K::Tree, Z::Horizon, 2, 3, 100, 130},
    {K::Bush, Z::Ground, 2, 3, 32, 48},
    {K::Critter, Z::Ground, 3, 3, 38, 52, kFox | kBear | kRabbit},
    {K::Mushroom, Z::Ground, 4, 5, 16, 28},
    {K::Flower, Z::Ground, 3, 4, 18, 28},
    {K::Butterfly, Z::Ground, 1, 2, 14, 20},
    {K::Stone, Z::Ground, 2, 3, 10, 18},
    {K::Sign, Z::Ground, 1, 1, 38, 46},
};
constexpr Placement kFarm[] = {
    {K::Sun, Z::Sky, 0, 1, 40, 50},
    {K::Cloud, Z::Sky, 2, 3, 24, 34},
    {K::Bird, Z::Sky, 1, 2, 14, 20},
    {K::Barn, Z::Horizon, 1, 1, 100, 125},
    {K::Tree, Z::Horizon, 2, 3, 90, 120},
    {K::Fence, Z::Ground, 2, 2, 32, 44},
    {K::Haystack, Z::Ground, 1, 2, 40, 54},
    {K::Tractor, Z::Ground, 1, 1, 50, 65},
    {K::Critter, Z::Ground, 3, 4, 36, 50, kPig | kDog | kCat},
    {K::Bird, Z::Ground, 1, 2, 18, 26},
    {K::Flower, Z::Ground, 3, 5, 18, 28},
    {K::Crate, Z::Ground, 1, 1, 30, 38},
    {K::Bucket, Z::Ground, 1, 1, 20, 26},
    {K::Stone, Z::Ground, 2, 3, 9, 15},
    {K::Sign, Z::Ground, 1, 1, 38, 46},
};
constexpr Placement kUndersea[] = {
    {K::Fish, Z::Float, 6, 8, 26, 50},     {K::Jellyfish, Z::Float, 2, 3, 40, 60},
    {K::Seaweed, Z::Ground, 4, 5, 50, 90}, {K::Coral, Z::Ground, 3, 4, 36, 60},
    {K::Chest, Z::Ground, 1, 1, 38, 48},   {K::Starfish, Z::Ground, 2, 3, 16, 24},
    {K::Crab, Z::Ground, 1, 2, 20, 28},    {K::Shell, Z::Ground, 2, 3, 12, 18},
    {K::Stone, Z::Ground, 3, 4, 10, 18},
};
constexpr Placement kWinter[] = {
    {K::Cloud, Z::Sky, 2, 3, 24, 34},
    {K::Sun, Z::Sky, 0, 1, 36, 46},
    {K::Bird, Z::Sky, 1, 2, 14, 20},
    {K::Pine, Z::Horizon, 4, 5, 100, 150, 0, kSnowy},
    {K::House, Z::Horizon, 1, 2, 90, 110},
    {K::Snowman, Z::Ground, 2, 2, 55, 80},
    {K::Critter, Z::Ground, 2, 3, 36, 48, kRabbit | kFox},
    {K::Pine, Z::Ground, 1, 2, 80, 120, 0, kSnowy},
    {K::Bird, Z::Ground, 1, 2, 18, 24},
    {K::Sign, Z::Ground, 1, 1, 38, 46},
    {K::Fence, Z::Ground, 1, 1, 28, 36},
    {K::Stone, Z::Ground, 3, 4, 9, 15},
    {K::Lantern, Z::Ground, 1, 1, 26, 34},
    {K::Flag, Z::Ground, 1, 1, 34, 44},
};
constexpr Placement kToyRoom[] = {
    {K::Frame, Z::Wall, 1, 2, 50, 70},
    {K::Clock, Z::Wall, 0, 1, 45, 55},
    {K::Kite, Z::Wall, 1, 1, 55, 70},
    {K::Garland, Z::Wall, 1, 1, 28, 34},
    {K::Books, Z::Wall, 1, 1, 34, 42},
    {K::Robot, Z::Ground, 2, 2, 60, 85},
    {K::Critter, Z::Ground, 2, 2, 55, 75, kBear | kRabbit},
    {K::Block, Z::Ground, 4, 5, 26, 40},
    {K::Ball, Z::Ground, 2, 2, 24, 36},
    {K::Car, Z::Ground, 1, 2, 30, 42},
    {K::Rocket, Z::Ground, 1, 1, 60, 80},
    {K::Balloon, Z::Ground, 1, 2, 45, 60},
    {K::Bucket, Z::Ground, 1, 1, 24, 30},
    {K::Shield, Z::Ground, 1, 1, 28, 36},
};
constexpr Placement kClassroom[] = {
    {K::Board, Z::Wall, 1, 1, 70, 85},    {K::Clock, Z::Wall, 1, 1, 34, 44},
    {K::Frame, Z::Wall, 1, 2, 40, 55},    {K::Garland, Z::Wall, 1, 1, 22, 28},
    {K::Books, Z::Horizon, 2, 3, 30, 40}, {K::Pot, Z::Horizon, 1, 2, 40, 55},
    {K::Desk, Z::Ground, 3, 4, 50, 65},   {K::Books, Z::Ground, 2, 3, 26, 34},
    {K::Ball, Z::Ground, 1, 1, 22, 28},   {K::Fruit, Z::Ground, 2, 3, 14, 20},
    {K::Cup, Z::Ground, 1, 2, 18, 24},    {K::Bucket, Z::Ground, 1, 1, 22, 28},
    {K::Robot, Z::Ground, 1, 1, 38, 48},  {K::Critter, Z::Ground, 1, 1, 36, 44, kCat | kRabbit},
    {K::Block, Z::Ground, 2, 3, 18, 26},
};
constexpr Placement kMarket[] = {
    {K::Cloud, Z::Sky, 1, 2, 22, 32},     {K::Bird, Z::Sky, 1, 2, 14, 20},
    {K::Garland, Z::Sky, 1, 1, 26, 32},   {K::Stall, Z::Horizon, 2, 3, 80, 100},
    {K::Sign, Z::Ground, 1, 2, 40, 50},   {K::Crate, Z::Ground, 3, 4, 30, 42},
    {K::Fruit, Z::Ground, 4, 5, 14, 22},  {K::Bucket, Z::Ground, 1, 2, 22, 30},
    {K::Jar, Z::Ground, 2, 3, 24, 32},    {K::Critter, Z::Ground, 1, 2, 34, 46, kDog | kCat | kPig},
    {K::Bird, Z::Ground, 1, 2, 16, 22},   {K::Umbrella, Z::Ground, 1, 1, 70, 90},
    {K::Flower, Z::Ground, 2, 3, 18, 26}, {K::Stone, Z::Ground, 1, 2, 9, 14},
};
constexpr Placement kCastle[] = {
    {K::Sun, Z::Sky, 0, 1, 36, 46},        {K::Cloud, Z::Sky, 2, 3, 22, 32},
    {K::Bird, Z::Sky, 1, 2, 14, 20},       {K::Tower, Z::Horizon, 2, 3, 100, 140},
    {K::Flag, Z::Horizon, 2, 3, 40, 55},   {K::Pine, Z::Horizon, 1, 2, 80, 110},
    {K::Shield, Z::Ground, 2, 3, 26, 36},  {K::Critter, Z::Ground, 1, 2, 36, 48, kFox | kRabbit | kDog},
    {K::Chest, Z::Ground, 1, 1, 30, 38},   {K::Haystack, Z::Ground, 1, 1, 36, 46},
    {K::Sign, Z::Ground, 1, 1, 38, 46},    {K::Flower, Z::Ground, 3, 4, 18, 26},
    {K::Stone, Z::Ground, 3, 4, 10, 18},   {K::Mushroom, Z::Ground, 2, 3, 14, 22},
    {K::Lantern, Z::Ground, 1, 1, 24, 30},
};
constexpr Placement kNightCity[] = {
    {K::Moon, Z::Sky, 1, 1, 36, 48},
    {K::Star, Z::Sky, 4, 6, 10, 16},
    {K::Building, Z::Horizon, 4, 5, 100, 150},
    {K::Lamp, Z::Ground, 2, 3, 90, 120},
    {K::Lantern, Z::Ground, 2, 3, 24, 34},
    {K::Sign, Z::Ground, 1, 2, 40, 50},
    {K::TrafficLight, Z::Ground, 1, 1, 90, 110},
    {K::Car, Z::Ground, 3, 4, 32, 46},
    {K::Critter, Z::Ground, 1, 2, 30, 40, kCat | kDog},
    {K::Bush, Z::Ground, 2, 3, 22, 32},
    {K::Stone, Z::Ground, 1, 2, 8, 12},
    {K::Bird, Z::Ground, 1, 1, 16, 22},
};
constexpr Placement kLibrary[] = {
    {K::Clock, Z::Wall, 1, 1, 40, 50},    {K::Frame, Z::Wall, 1, 2, 45, 60},
    {K::Books, Z::Wall, 3, 4, 30, 40},    {K::Lamp, Z::Ground, 1, 1, 90, 110},
    {K::Books, Z::Horizon, 3, 4, 32, 44}, {K::Desk, Z::Ground, 2, 2, 55, 70},
    {K::Books, Z::Ground, 2, 3, 26, 34},  {K::Cup, Z::Ground, 1, 2, 18, 24},
    {K::Pot, Z::Ground, 1, 2, 40, 55},    {K::Critter, Z::Ground, 1, 1, 36, 46, kCat | kBear},
    {K::Jar, Z::Ground, 1, 2, 22, 30},    {K::Shield, Z::Wall, 1, 1, 30, 38},
    {K::Sign, Z::Ground, 1, 1, 40, 48},   {K::Fruit, Z::Ground, 1, 2, 14, 20},
};
constexpr Placement kBeachParty[] = {
    {K::Garland, Z::Sky, 1, 2, 26, 34},   {K::Lantern, Z::Sky, 2, 3, 24, 34},
    {K::Bird, Z::Sky, 1, 2, 14, 20},      {K::Sailboat, Z::Horizon, 1, 2, 40, 60},
    {K::Palm, Z::Ground, 1, 2, 130, 170}, {K::Umbrella, Z::Ground, 1, 2, 70, 90},
    {K::Towel, Z::Ground, 2, 2, 20, 28},  {K::Ball, Z::Ground, 1, 2, 20, 28},
    {K::Cup, Z::Ground, 2, 3, 16, 22},    {K::Fruit, Z::Ground, 2, 3, 14, 20},
    {K::Crab, Z::Ground, 1, 2, 20, 28},   {K::Shell, Z::Ground, 2, 3, 12, 18},
    {K::Sign, Z::Ground, 1, 1, 40, 48},   {K::Bucket, Z::Ground, 1, 1, 20, 26},
    {K::Flag, Z::Ground, 1, 1, 34, 44},
};

constexpr std::array kThemes = {
    Theme{"park", "공원", "Park", PaintParkBackground, 190, 240, kPark},
    Theme{"seaside", "바닷가", "Seaside", PaintSeasideBackground, 150, 190, kSeaside},
    Theme{"street", "거리", "Street", PaintStreetBackground, 200, 235, kStreet},
    Theme{"space", "우주", "Space", PaintSpaceBackground, 290, 320, kSpace},
    Theme{"kitchen", "부엌", "Kitchen", PaintKitchenBackground, 250, 275, kKitchen},
    Theme{"forest", "숲속 동물", "Forest animals", PaintForestBackground, 170, 210, kForest},
    Theme{"farm", "농장", "Farm", PaintFarmBackground, 180, 220, kFarm},
    Theme{"undersea", "바닷속", "Under the sea", PaintUnderseaBackground, 320, 350, kUndersea},
    Theme{"winter", "겨울", "Winter", PaintWinterBackground, 190, 230, kWinter},
    Theme{"toyroom", "장난감 방", "Toy room", PaintToyRoomBackground, 200, 240, kToyRoom},
    Theme{"classroom", "교실", "Classroom", PaintClassroomBackground, 190, 220, kClassroom},
    Theme{"market", "시장", "Market", PaintMarketBackground, 190, 225, kMarket},
    Theme{"castle", "성", "Castle", PaintCastleBackground, 200, 235, kCastle},
    Theme{"nightcity", "밤의 도시", "City at night", PaintNightCityBackground, 210, 240, kNightCity},
    Theme{"library", "도서관", "Library", PaintLibraryBackground, 220, 250, kLibrary},
    Theme{"beachparty", "해변 파티", "Beach party", PaintBeachPartyBackground, 150, 185, kBeachParty},
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
