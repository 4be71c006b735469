#pragma once
#include "tools/packgen/ArtKit.h"

// The drawing of every object kind, in the object's units (see ArtKit.h).
using ArtFunction = void (*)(const Ink&, const SceneObject&);

// Outdoors: sky, parks, streets, farms, winter.
void DrawCloud(const Ink&, const SceneObject&);
void DrawSun(const Ink&, const SceneObject&);
void DrawBird(const Ink&, const SceneObject&);
void DrawTree(const Ink&, const SceneObject&);
void DrawPine(const Ink&, const SceneObject&);
void DrawBush(const Ink&, const SceneObject&);
void DrawFlower(const Ink&, const SceneObject&);
void DrawBench(const Ink&, const SceneObject&);
void DrawBalloon(const Ink&, const SceneObject&);
void DrawKite(const Ink&, const SceneObject&);
void DrawLamp(const Ink&, const SceneObject&);
void DrawMushroom(const Ink&, const SceneObject&);
void DrawButterfly(const Ink&, const SceneObject&);
void DrawSnowman(const Ink&, const SceneObject&);
// Buildings and machines.
void DrawHouse(const Ink&, const SceneObject&);
void DrawCar(const Ink&, const SceneObject&);
void DrawTrafficLight(const Ink&, const SceneObject&);
void DrawBarn(const Ink&, const SceneObject&);
void DrawFence(const Ink&, const SceneObject&);
void DrawTractor(const Ink&, const SceneObject&);
void DrawHaystack(const Ink&, const SceneObject&);
// Creatures.
void DrawCritter(const Ink&, const SceneObject&);
void DrawFish(const Ink&, const SceneObject&);
void DrawCrab(const Ink&, const SceneObject&);
void DrawStarfish(const Ink&, const SceneObject&);
void DrawJellyfish(const Ink&, const SceneObject&);
void DrawAlien(const Ink&, const SceneObject&);
// Seaside and under the sea.
void DrawUmbrella(const Ink&, const SceneObject&);
void DrawSailboat(const Ink&, const SceneObject&);
void DrawShell(const Ink&, const SceneObject&);
void DrawSandcastle(const Ink&, const SceneObject&);
void DrawBucket(const Ink&, const SceneObject&);
void DrawBall(const Ink&, const SceneObject&);
void DrawPalm(const Ink&, const SceneObject&);
void DrawSeaweed(const Ink&, const SceneObject&);
void DrawCoral(const Ink&, const SceneObject&);
void DrawChest(const Ink&, const SceneObject&);
// Space.
void DrawPlanet(const Ink&, const SceneObject&);
void DrawRocket(const Ink&, const SceneObject&);
void DrawUfo(const Ink&, const SceneObject&);
void DrawStar(const Ink&, const SceneObject&);
// Indoors: kitchen and toy room.
void DrawCup(const Ink&, const SceneObject&);
void DrawTeapot(const Ink&, const SceneObject&);
void DrawFruit(const Ink&, const SceneObject&);
void DrawPot(const Ink&, const SceneObject&);
void DrawJar(const Ink&, const SceneObject&);
void DrawClock(const Ink&, const SceneObject&);
void DrawBlock(const Ink&, const SceneObject&);
void DrawRobot(const Ink&, const SceneObject&);
void DrawFrame(const Ink&, const SceneObject&);

// Scenery, shops, school, castle and night.
void DrawStone(const Ink&, const SceneObject&);
void DrawSign(const Ink&, const SceneObject&);
void DrawBooks(const Ink&, const SceneObject&);
void DrawBoard(const Ink&, const SceneObject&);
void DrawDesk(const Ink&, const SceneObject&);
void DrawStall(const Ink&, const SceneObject&);
void DrawCrate(const Ink&, const SceneObject&);
void DrawFlag(const Ink&, const SceneObject&);
void DrawTower(const Ink&, const SceneObject&);
void DrawBuilding(const Ink&, const SceneObject&);
void DrawMoon(const Ink&, const SceneObject&);
void DrawLantern(const Ink&, const SceneObject&);
void DrawShield(const Ink&, const SceneObject&);
void DrawGarland(const Ink&, const SceneObject&);
void DrawTowel(const Ink&, const SceneObject&);

inline bool Has(const SceneObject& o, int bit) {
    return (o.details >> bit) & 1u;
}
