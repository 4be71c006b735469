#include <cmath>

#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;
constexpr double kPi = 3.14159265358979323846;
// The logo's four pieces come to rest side by side from x 314 at y 262.
constexpr double kLogoItemsX = 314, kLogoItemsY = 262, kLogoItemsW = 48;
const uint32_t kLogoColours[] = {Theme::kCoral, Theme::kSun, Theme::kGrass, Theme::kBlue};

// Text is Words, or a plain string for a name that is the same in both editions.
template <typename Text_>
void Title(cairo_t* cr, const Text_& text, double cx, double cy, double size, uint32_t colour) {
    TextStyle s;
    s.size = size;
    s.gradient = true;
    s.fill = Hex(0xFFFFFF);
    s.fillBottom = Lighter(Hex(colour), 0.5);
    s.outline = Hex(Theme::kInk);
    s.outlineWidth = size * 0.14;
    s.shadow = 3;
    Text(cr, text, cx, cy, s);
}

void Rays(cairo_t* cr, double cx, double cy, const Colour& c) {
    for (int i = 0; i < 16; ++i) {
        const double a0 = i * kPi / 8, a1 = a0 + kPi / 16;
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 900 * std::cos(a0), cy + 900 * std::sin(a0));
        cairo_line_to(cr, cx + 900 * std::cos(a1), cy + 900 * std::sin(a1));
        cairo_close_path(cr);
    }
    Set(cr, c);
    cairo_fill(cr);
}

// A round moon creature facing right; mouth 0..3 opens and closes, eyes blink on frame 3.
void MoonFriend(cairo_t* cr, double cx, double cy, double r, int frame, uint32_t colour, bool crescent) {
    Circle(cr, cx, cy, r);
    RGradient(cr, cx - r * 0.3, cy - r * 0.3, r * 1.3, Lighter(Hex(colour), 0.5), Hex(colour));
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 2);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    if (crescent) {
        Circle(cr, cx - r * 0.45, cy - r * 0.2, r * 0.18);
        Circle(cr, cx - r * 0.2, cy + r * 0.45, r * 0.12);
        Set(cr, Darker(Hex(colour), 0.12));
        cairo_fill(cr);
    }
    const double eyeY = cy - r * 0.15;
    for (int e = 0; e < 2; ++e) {
        const double ex = cx + r * (0.05 + 0.4 * e);
        if (frame == 3) {
            cairo_move_to(cr, ex - 2.5, eyeY);
            cairo_line_to(cr, ex + 2.5, eyeY);
            cairo_set_line_width(cr, 1.6);
            Set(cr, Hex(Theme::kInk));
            cairo_stroke(cr);
        } else {
            Circle(cr, ex, eyeY, 2.2);
            Set(cr, Hex(Theme::kInk));
            cairo_fill(cr);
        }
    }
    static constexpr double kMouth[] = {1.0, 3.5, 5.5, 2.0};
    cairo_save(cr);
    cairo_translate(cr, cx + r * 0.28, cy + r * 0.35);
    cairo_scale(cr, 1, kMouth[frame] / 4.0);
    Circle(cr, 0, 0, 4);
    cairo_restore(cr);
    FillStroke(cr, Hex(0xE63946), Hex(Theme::kInk), 1.2);
    Circle(cr, cx + r * 0.62, cy + r * 0.15, 2.5);
    Set(cr, Hex(Theme::kPink, 0.8));
    cairo_fill(cr);
}

// A speech board for the intro's four lines at x 440, y 320..400 (grey text that fades in from black).
void SpeechBoard(cairo_t* cr) {
    RoundRect(cr, 430, 308, 202, 102, 14);
    FillStroke(cr, Hex(0x101528), Hex(Theme::kInk), 3);
    RoundRect(cr, 433, 311, 196, 96, 12);
    cairo_set_line_width(cr, 2);
    Set(cr, Hex(Theme::kSun, 0.8));
    cairo_stroke(cr);
    // The tail points down at the two speakers.
    cairo_move_to(cr, 520, 409);
    cairo_line_to(cr, 530, 418);
    cairo_line_to(cr, 540, 409);
    FillStroke(cr, Hex(0x101528), Hex(Theme::kInk), 2);
}

void FramedPicture(cairo_t* cr, double x, double y, double w, double h, int variant, double tilt) {
    cairo_save(cr);
    cairo_translate(cr, x + w / 2, y + h / 2);
    cairo_rotate(cr, tilt);
    RoundRect(cr, -w / 2 - 8, -h / 2 - 8, w + 16, h + 16, 8);
    FillStroke(cr, Hex(0xFFFFFF), Hex(Theme::kInk), 3);
    Scenery::MiniPicture(cr, -w / 2, -h / 2, w, h, variant);
    cairo_rectangle(cr, -w / 2, -h / 2, w, h);
    cairo_set_line_width(cr, 2);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    cairo_restore(cr);
}
} // namespace

void Loading(cairo_t* cr, const AssetSpec& spec) {
    Scenery::Sky(cr, spec.width, spec.height, 3);
    Scenery::Hills(cr, spec.width, spec.height, 370, 5);
    Scenery::Confetti(cr, 0, 0, spec.width, 300, 50, 13, 0.8);
    Scenery::GameLogo(cr, 320, 160, 110);
    RoundRect(cr, 200, 268, 240, 44, 22);
    FillStroke(cr, Hex(0xFFFFFF, 0.9), Hex(Theme::kInk), 3);
    TextStyle s;
    s.size = 24;
    s.fill = Hex(Theme::kInk);
    Text(cr, Words{"불러오는 중...", "Loading..."}, 320, 290, s);
    for (int i = 0; i < 5; ++i) {
        Circle(cr, 280 + 20 * i, 335, 6);
        FillStroke(cr, Hex(i < 3 ? Theme::kSun : 0xFFFFFF), Hex(Theme::kInk), 2);
    }
}

void LogoBack(cairo_t* cr, const AssetSpec& spec) {
    VGradient(cr, 0, spec.height, Hex(0xFFFBEF), Hex(0xFFE6C7));
    cairo_paint(cr);
    Rays(cr, 338, 240, Hex(0xFFFFFF, 0.55));
    const double cx = kLogoItemsX + kLogoItemsW / 2;
    Title(cr, std::string("QAN TEAM"), cx, 214, 64, Theme::kOrange);
    // A soft tray where the four pieces come together.
    RoundRect(cr, kLogoItemsX - 10, kLogoItemsY - 6, kLogoItemsW + 20, 24, 12);
    FillStroke(cr, Hex(0xFFFFFF, 0.8), Hex(Theme::kInk, 0.5), 1.5);
    TextStyle s;
    s.size = 18;
    s.fill = Hex(0x8C6A4F);
    Text(cr, Words{"즐거운 게임을 만드는 사람들", "Makers of fun games"}, cx, 312, s);
}

void LogoItem(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        RoundRect(c, 1, 1, 10, 10, 3);
        FillStroke(c, Hex(kLogoColours[i]), Hex(Theme::kInk), 1.5);
        Circle(c, 4, 4, 1.3);
        Set(c, Hex(0xFFFFFF, 0.9));
        cairo_fill(c);
    });
}

void IntroBack(cairo_t* cr, const AssetSpec& spec) {
    // Evening sky, a big moon, and the two pictures the moon friends talk about.
    VGradient(cr, 0, spec.height, Hex(0x2C3E91), Hex(0xF4A582));
    cairo_paint(cr);
    Scenery::Confetti(cr, 0, 0, spec.width, 200, 60, 41, 0.7);
    Circle(cr, 560, 90, 52);
    RGradient(cr, 545, 75, 70, Hex(0xFFFBE0), Hex(0xFFE08A));
    cairo_fill(cr);
    Scenery::Hills(cr, spec.width, spec.height, 400, 29);
    FramedPicture(cr, 40, 110, 170, 128, 0, -0.06);
    FramedPicture(cr, 230, 120, 170, 128, 2, 0.05);
    Title(cr, Words{"무엇이 다를까?", "What's different?"}, 215, 52, 40, Theme::kSun);
    SpeechBoard(cr);
}

void IntroDal1(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { MoonFriend(c, 22, 17, 14, i, 0xFFE08A, true); });
}

void IntroDal2(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { MoonFriend(c, 24, 16, 13, (i + 2) % 4, 0xFFC0D9, false); });
}

void EndBack(cairo_t* cr, const AssetSpec& spec) {
    Scenery::Night(cr, spec.width, spec.height, 37);
    // Floor and a cabinet under the television at (404, 240).
    cairo_rectangle(cr, 0, 400, spec.width, 80);
    VGradient(cr, 400, 480, Hex(0x4A3A6B), Hex(0x2A2145));
    cairo_fill(cr);
    RoundRect(cr, 392, 344, 180, 60, 8);
    FillStroke(cr, Hex(0xB5651D), Hex(Theme::kInk), 3);
    for (int d = 0; d < 2; ++d) {
        RoundRect(cr, 402 + d * 84, 354, 74, 40, 5);
        FillStroke(cr, Hex(0xD9823B), Hex(Theme::kInk), 2);
        Circle(cr, 439 + d * 84, 374, 3);
        Set(cr, Hex(Theme::kSun));
        cairo_fill(cr);
    }
    Title(cr, Words{"끝까지 함께해 줘서 고마워요!", "Thanks for playing to the end!"}, 320, 44, 34,
          Theme::kSun);
}

} // namespace Art
