#pragma once
#include <cairo.h>
#include <cstdint>
#include <random>
#include <string>

// Drawing helpers shared by all pictures: shapes, gradients and outlined cartoon text.
namespace Paint {

struct Colour {
    double r = 0, g = 0, b = 0, a = 1;
};
Colour Hex(uint32_t rgb, double alpha = 1.0);
Colour Mix(const Colour& a, const Colour& b, double t);
Colour Lighter(const Colour& c, double t);
Colour Darker(const Colour& c, double t);

void Set(cairo_t* cr, const Colour& c);
// Sets a vertical linear gradient from y0 (top colour) to y1 as the source.
void VGradient(cairo_t* cr, double y0, double y1, const Colour& top, const Colour& bottom);
void RGradient(cairo_t* cr, double cx, double cy, double r, const Colour& inner, const Colour& outer);

// Paths (they do not paint).
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double radius);
void Circle(cairo_t* cr, double cx, double cy, double r);
void Star(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double rotation);
void Heart(cairo_t* cr, double cx, double cy, double size);
void Cloud(cairo_t* cr, double cx, double cy, double size);

// Fills the current path, then strokes it with a rounded outline.
void FillStroke(cairo_t* cr, const Colour& fill, const Colour& line, double width);
// A glossy candy panel: gradient fill, outline, white shine on the top half.
void CandyPanel(cairo_t* cr, double x, double y, double w, double h, double radius, const Colour& base,
                const Colour& line, double lineWidth);
// A four-pointed twinkle.
void Twinkle(cairo_t* cr, double cx, double cy, double r, const Colour& c);

enum class Align { Left, Center, Right };

struct TextStyle {
    std::string font = "BM JUA_TTF";
    double size = 24; // pixels
    Colour fill = Hex(0xFFFFFF);
    Colour fillBottom = Hex(0xFFFFFF);
    bool gradient = false;
    Colour outline = Hex(0x2B2D42);
    double outlineWidth = 0;
    double shadow = 0; // drop shadow offset in pixels, 0 for none
    Colour shadowColour = Hex(0x2B2D42, 0.45);
    bool bold = false;
};

// Words of a picture in both editions. The English edition draws `en` in the Latin twin of the style's
// face; text passed as a plain string is the same in both editions and keeps its face.
struct Words {
    const char* ko;
    const char* en;
};
// The words of the context's edition.
const char* Pick(cairo_t* cr, const Words& words);

// Draws one line of text; (x, cy) is the anchor on the given side and the vertical centre of the ink.
// Throws when a picture of the English edition is given Hangul.
void Text(cairo_t* cr, const std::string& utf8, double x, double cy, const TextStyle& style,
          Align align = Align::Center);
void Text(cairo_t* cr, const Words& words, double x, double cy, const TextStyle& style,
          Align align = Align::Center);
// Width in pixels of the text in the style.
double TextWidth(cairo_t* cr, const std::string& utf8, const TextStyle& style);
// The largest size, up to style.size, at which the text fits the width.
TextStyle Fit(cairo_t* cr, const std::string& utf8, TextStyle style, double maxWidth);
TextStyle Fit(cairo_t* cr, const Words& words, TextStyle style, double maxWidth);

// Fixed-seed random numbers so every build draws the same pictures.
class Dice {
  public:
    explicit Dice(uint32_t seed) : engine_(seed) {}
    double Range(double lo, double hi) { return lo + (hi - lo) * double(engine_() % 100000) / 100000.0; }
    int Pick(int n) { return int(engine_() % uint32_t(n)); }

  private:
    std::mt19937 engine_;
};

} // namespace Paint
