#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "tools/pairs/Colour.h"

// The object kinds the scenes are composed of. Each has its drawing in the art library.
enum class Kind : uint8_t {
    Cloud,
    Sun,
    Bird,
    Tree,
    Pine,
    Bush,
    Flower,
    Critter,
    Bench,
    Balloon,
    Kite,
    Lamp,
    House,
    Car,
    TrafficLight,
    Umbrella,
    Sailboat,
    Crab,
    Starfish,
    Shell,
    Sandcastle,
    Bucket,
    Ball,
    Palm,
    Planet,
    Rocket,
    Ufo,
    Alien,
    Star,
    Cup,
    Teapot,
    Fruit,
    Pot,
    Jar,
    Clock,
    Mushroom,
    Butterfly,
    Barn,
    Fence,
    Tractor,
    Haystack,
    Fish,
    Jellyfish,
    Seaweed,
    Coral,
    Chest,
    Snowman,
    Block,
    Robot,
    Frame,
    Stone,
    Sign,
    Books,
    Board,
    Desk,
    Stall,
    Crate,
    Flag,
    Tower,
    Building,
    Moon,
    Lantern,
    Shield,
    Garland,
    Towel,
};

// One object of a scene. It is drawn in its own box: anchored at its bottom centre (x, y), `size` pixels
// tall, its width set by its kind.
struct SceneObject {
    Kind kind = Kind::Cloud;
    double x = 0, y = 0;
    double size = 50;
    bool mirrored = false;
    std::array<Rgb, 3> colours{}; // main, second and accent colour
    int variant = 0;              // the object's style, fixed
    uint32_t details = 0;         // optional parts shown, one bit each
    int pattern = 0;              // surface pattern (plain, stripes, dots...) of kinds that show one
    int count = 0;                // how many of a repeated part (petals, windows, buttons, books)
    int label = 0;                // which word or number a sign or label shows
    bool visible = true;

    bool operator==(const SceneObject&) const = default;
};

// A whole picture: its background style and objects, back to front.
struct Scene {
    int theme = 0;
    uint64_t backgroundSeed = 0;
    double horizon = 200; // where the sky or wall meets the ground, in picture pixels
    std::vector<SceneObject> objects;
};
