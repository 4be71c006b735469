#pragma once
#include <cairo.h>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "tools/packgen/Scene.h"
#include "tools/pairs/Colour.h"

// Drawing helpers shared by every object's art. Objects draw in units: 100 units from their bottom
// (y 0) to their top (y -100), x 0 at their centre.
struct Ink {
    cairo_t* cr;
    double line; // outline width in units
};

constexpr Rgb kOutline{52, 40, 48};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{30, 26, 32};

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);
void EllipsePath(cairo_t* cr, double cx, double cy, double rx, double ry);
void RoundRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void PolygonPath(cairo_t* cr, std::initializer_list<std::pair<double, double>> points);

// Fills the current path with a top-light, bottom-dark gradient of c and outlines it.
void Paint(const Ink& ink, Rgb c);
// Outlines the current path from outside only (a thick stroke behind the fill): for shapes made of
// several overlapping parts, such as clouds and bushes.
void PaintMerged(const Ink& ink, Rgb c);
// Flat fill and outline.
void PaintFlat(const Ink& ink, Rgb c);
// Fill without outline (highlights, shadows, small marks).
void Dab(const Ink& ink, Rgb c, double alpha = 1.0);
// Strokes the current path in the outline colour with a width scaled from the outline.
void Line(const Ink& ink, double widthFactor = 1.0, Rgb c = kOutline);

// Shapes drawn at once.
void Oval(const Ink& ink, double cx, double cy, double rx, double ry, Rgb c);
void Box(const Ink& ink, double x, double y, double w, double h, double r, Rgb c);
// A cartoon eye: white, pupil and a glint.
void Eye(const Ink& ink, double cx, double cy, double r);
// A smile (details bit picks a frown when `happy` is false).
void Mouth(const Ink& ink, double cx, double cy, double w, bool happy);

// Surface patterns an object may show over its colour.
enum Pattern : int { kPlain, kStripes, kDots, kBands, kChecks, kPatterns };
// Like Paint, with the pattern drawn over the fill inside the path, darker than a light colour and lighter
// than a dark one.
void PaintPatterned(const Ink& ink, Rgb c, int pattern);

// Block capitals, digits and spaces drawn as strokes, centred on cx with their baseline at y.
void Text(const Ink& ink, double cx, double y, double height, std::string_view text, Rgb c);
// The word or two-digit number a label index (0 to kLabels - 1) shows.
constexpr int kLabels = 16;
std::string_view Word(int label);
std::string Number(int label);
