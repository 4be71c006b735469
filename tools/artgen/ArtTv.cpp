#include "tools/artgen/Art.h"
#include "tools/artgen/Scenery.h"

namespace Art {
namespace {
using namespace Paint;
constexpr double kTvX = 404, kTvY = 240;
constexpr double kScreenX = 14, kScreenY = 16, kScreenW = 104, kScreenH = 76;

enum class Show { Off, Warm, Noise, Picture, Words };

void Screen(cairo_t* cr, Show show, int n) {
    cairo_save(cr);
    RoundRect(cr, kScreenX, kScreenY, kScreenW, kScreenH, 10);
    cairo_clip_preserve(cr);
    Set(cr, Hex(0x1B2030));
    cairo_fill(cr);
    Dice dice(100 + n);
    switch (show) {
    case Show::Off:
        break;
    case Show::Warm: {
        // Switching on: a bright line that opens into a glow.
        const double h = 3 + n * 22.0;
        RGradient(cr, kScreenX + kScreenW / 2, kScreenY + kScreenH / 2, kScreenW * 0.6, Hex(0xFFFFFF),
                  Hex(0x6CCFF6, 0.2));
        cairo_rectangle(cr, kScreenX, kScreenY + (kScreenH - h) / 2, kScreenW, h);
        cairo_fill(cr);
        break;
    }
    case Show::Noise:
        for (int i = 0; i < 700; ++i) {
            const double v = dice.Range(0.2, 1.0);
            cairo_set_source_rgb(cr, v, v, v);
            cairo_rectangle(cr, kScreenX + dice.Pick(int(kScreenW / 2)) * 2,
                            kScreenY + dice.Pick(int(kScreenH / 2)) * 2, 2, 2);
            cairo_fill(cr);
        }
        break;
    case Show::Picture:
        Scenery::MiniPicture(cr, kScreenX, kScreenY, kScreenW, kScreenH, n);
        break;
    case Show::Words: {
        static constexpr Words kWords[] = {
            {"ZOR", "ZOR"}, {"다른 그림 찾기", "Spot It!"}, {"끝!", "The End!"}, {"또 만나요!", "See you!"}};
        VGradient(cr, kScreenY, kScreenY + kScreenH, Hex(Theme::kPurple), Hex(Theme::kBlue));
        cairo_paint(cr);
        Scenery::Confetti(cr, kScreenX, kScreenY, kScreenW, kScreenH, 14, 70 + n, 0.9);
        TextStyle s;
        s.size = n == 1 ? 17 : 26;
        s.outline = Hex(Theme::kInk);
        s.outlineWidth = 4;
        s = Fit(cr, kWords[n], s, kScreenW - 10);
        Text(cr, kWords[n], kScreenX + kScreenW / 2, kScreenY + kScreenH / 2, s);
        break;
    }
    }
    // Glass shine
    RoundRect(cr, kScreenX + 4, kScreenY + 4, kScreenW * 0.5, 10, 5);
    Set(cr, Hex(0xFFFFFF, 0.18));
    cairo_fill(cr);
    cairo_restore(cr);
    RoundRect(cr, kScreenX, kScreenY, kScreenW, kScreenH, 10);
    cairo_set_line_width(cr, 2.5);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
}

// One television cell: the room behind it, the set, and its screen.
void Television(cairo_t* cr, Show show, int n) {
    cairo_save(cr);
    cairo_translate(cr, -kTvX, -kTvY);
    AssetSpec room{};
    room.width = 640;
    room.height = 480;
    EndBack(cr, room);
    cairo_restore(cr);
    // Antennas
    cairo_move_to(cr, 66, 6);
    cairo_line_to(cr, 48, -10);
    cairo_move_to(cr, 76, 6);
    cairo_line_to(cr, 100, -8);
    cairo_set_line_width(cr, 2.5);
    Set(cr, Hex(Theme::kInk));
    cairo_stroke(cr);
    RoundRect(cr, 4, 6, 148, 96, 14);
    FillStroke(cr, Hex(0xFF9F6B), Hex(Theme::kInk), 3);
    RoundRect(cr, 8, 10, 140, 30, 10);
    Set(cr, Hex(0xFFFFFF, 0.2));
    cairo_fill(cr);
    Screen(cr, show, n);
    for (int k = 0; k < 2; ++k) {
        Circle(cr, 136, 36 + k * 22, 7);
        FillStroke(cr, Hex(k ? Theme::kMint : Theme::kSun), Hex(Theme::kInk), 2);
    }
    Circle(cr, 136, 84, 3);
    Set(cr, show == Show::Off ? Hex(0x7A1F1F) : Hex(0x4CFF6A));
    cairo_fill(cr);
}
} // namespace

void EndTv1(cairo_t* cr, const AssetSpec& spec) {
    // Cells 0-3 switch on, 4-5 flicker with noise, 6-7 show the title, 8-9 say goodbye.
    ForEachCell(cr, spec, [](cairo_t* c, int i) {
        if (i == 0)
            Television(c, Show::Off, 0);
        else if (i < 4)
            Television(c, Show::Warm, i - 1);
        else if (i < 6)
            Television(c, Show::Noise, i);
        else
            Television(c, Show::Words, i - 6);
    });
}

void EndTv2(cairo_t* cr, const AssetSpec& spec) {
    ForEachCell(cr, spec, [](cairo_t* c, int i) { Television(c, Show::Picture, i); });
}

} // namespace Art
