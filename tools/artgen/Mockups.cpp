#include "tools/artgen/Mockups.h"

#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "tools/artgen/Canvas.h"

namespace {
constexpr int kScreenW = 640, kScreenH = 480;

class Screen {
  public:
    explicit Screen(const std::vector<BuiltAsset>& assets) : assets_(assets), pixels_(kScreenW, kScreenH) {}

    // Copies one cell to (x, y); keyed copies leave the game's transparent pixels out.
    void Blit(const char* name, int cell, int x, int y, bool keyed) {
        BlitRegion(name, Find(name).spec->stride * cell, 0, Find(name).spec->cellWidth,
                   Find(name).spec->cellHeight, x, y, keyed);
    }
    void BlitRegion(const char* name, int sx, int sy, int w, int h, int x, int y, bool keyed) {
        const Image& src = Find(name).shown;
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx) Put(x + dx, y + dy, src.At(sx + dx, sy + dy), keyed);
    }
    // Stretches a source region into the inclusive rectangle, nearest pixel.
    void Stretch(const char* name, int sx, int sy, int sw, int sh, int l, int t, int r, int b) {
        const Image& src = Find(name).shown;
        const int w = r - l + 1, h = b - t + 1;
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx)
                Put(l + dx, t + dy, src.At(sx + dx * sw / w, sy + dy * sh / h), true);
    }
    void Number(int x, int y, int value) {
        const int half = Find("Number.bmp").spec->cellWidth / 2;
        if (value == 0) Blit("Number.bmp", 0, x, y, true);
        for (int offset = 0; value > 0; value /= 10, offset += half)
            Blit("Number.bmp", value % 10, x - offset, y, true);
    }
    void Fill(Rgba c) {
        for (Rgba& p : pixels_.pixels) p = c;
    }
    bool Save(const std::string& path) const {
        Canvas canvas(kScreenW, kScreenH);
        cairo_surface_t* s = cairo_get_target(canvas.Context());
        unsigned char* data = cairo_image_surface_get_data(s);
        const int stride = cairo_image_surface_get_stride(s);
        for (int y = 0; y < kScreenH; ++y)
            for (int x = 0; x < kScreenW; ++x) {
                const Rgba& c = pixels_.At(x, y);
                reinterpret_cast<uint32_t*>(data + size_t(y) * stride)[x] =
                    0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
            }
        cairo_surface_mark_dirty(s);
        return cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
    }

  private:
    const BuiltAsset& Find(const char* name) const {
        for (const BuiltAsset& a : assets_)
            if (std::strcmp(a.spec->name, name) == 0) return a;
        throw std::runtime_error(std::string("no picture ") + name);
    }
    void Put(int x, int y, const Rgba& c, bool keyed) {
        if (x < 0 || y < 0 || x >= kScreenW || y >= kScreenH) return;
        if (keyed && c.a == 0) return;
        pixels_.At(x, y) = Rgba{c.r, c.g, c.b, 255};
    }
    const std::vector<BuiltAsset>& assets_;
    Image pixels_;
};

// A stand-in picture pair: a soft two-tone pattern where the stage pictures go.
void StagePictures(Screen& s) {
    s.Fill(Rgba{180, 200, 160, 255});
}

void PlayFrame(Screen& s, int gauge, int remaining, int frame) {
    s.Blit("backUp.bmp", 0, 0, 0, false);
    s.Blit("backLeft.bmp", 0, 0, 20, false);
    s.Blit("backRight.bmp", 0, 620, 20, false);
    s.Blit("backBottom.bmp", 0, 0, 420, false);
    s.Blit("backEtc.bmp", 0, 310, 12, false);
    s.Number(282, 433, remaining);
    const int w = gauge / 100, k = (frame / 5) % 6;
    s.Stretch("FireGage.pcx", 11, 18 + 13 * k, 202, 12, 220 - w, 435, 220, 445);
    s.Stretch("FireGage.pcx", 11, 113 + 13 * k, 202, 12, 421, 435, 421 + w, 445);
}

void Lives(Screen& s, int p1, int p2) {
    for (int i = 0; i < p1; ++i) s.Blit("Life.bmp", 0, 202 - 18 * i, 455, true);
    for (int i = 0; i < p2; ++i) s.Blit("Life.bmp", 0, 425 + 18 * i, 455, true);
}

void Play(Screen& s) {
    StagePictures(s);
    PlayFrame(s, 14500, 3, 7);
    s.Blit("CheckYes1P.bmp", 2, 80, 90, true);
    s.Blit("CheckYes2P.bmp", 5, 420, 250, true);
    s.Blit("CheckYes.bmp", 0, 200 - 8, 300 - 8, true);
    s.Blit("CheckNo.bmp", 0, 150, 200, true);
    s.Blit("Pen1P.bmp", 0, 150, 200, true);
    s.Blit("Pen2P.bmp", 7, 470, 120, true);
    Lives(s, 7, 10);
}

void Banner(Screen& s, int number) {
    StagePictures(s);
    PlayFrame(s, 20000, 5, 0);
    Lives(s, 10, 0);
    s.Blit("gameOver2.bmp", 0, 371, 426, false);
    s.Blit("StageBack.bmp", 0, 197, 149, false);
    s.Number(number >= 100 ? 310 : number >= 10 ? 300 : 280, 205, number);
}

void ReadyGo(Screen& s, int cell) {
    Banner(s, 1);
    s.Blit("stageReadyGo.bmp", cell, 197, 201, false);
}

void GameOver(Screen& s) {
    StagePictures(s);
    PlayFrame(s, 3000, 2, 3);
    s.Blit("gameOver1.bmp", 0, 0, 427, false);
    s.Blit("gameOver2.bmp", 0, 371, 426, false);
    s.Blit("GameOver.bmp", 0, 0, 180, false);
}

void Ranking(Screen& s) {
    StagePictures(s);
    PlayFrame(s, 0, 0, 0);
    s.Blit("gameOver1.bmp", 0, 0, 427, false);
    s.Blit("scoreBoard.bmp", 0, 185, 65, false);
}

void Title(Screen& s, int highlight) {
    s.Blit("Title03.bmp", 0, 0, 0, false);
    static const int kTops[] = {238, 273, 308, 343, 377};
    if (highlight >= 0 && highlight < 5) s.Blit("TitleEtc.bmp", highlight, 246, kTops[highlight], false);
    if (highlight == 5) s.Blit("select6.BMP", 0, 246, 413, false);
    s.Blit("Pen1P.bmp", 1, 300, 250 + 35 * (highlight < 0 ? 0 : highlight), true);
}

void PackSelect(Screen& s) {
    s.Blit("LoadBack.bmp", 0, 0, 0, false);
    for (int i = 0; i < 4; ++i) s.Blit("LoadStar.bmp", 0, 384 + 43 * i, 133, true);
    s.BlitRegion("loadArrow.bmp", 80, 0, 39, 33, 272, 353, false);
    s.BlitRegion("loadBtn.bmp", 0, 0, 189, 35, 15, 426, false);
    s.Number(30, 304, 1);
}

void Bonus(Screen& s) {
    PlayFrame(s, 12000, 6, 2);
    for (int y = 20; y < 420; y += 80)
        for (int x = 20; x < 620; x += 120) s.Blit("bonusBack.bmp", 1, x, y, true);
    for (int i = 0; i < 18; ++i) {
        const int x = 90 + 80 * (i % 6), y = 85 + 90 * (i / 6);
        if (i % 5 == 0) {
            s.Blit("BonusFt2.bmp", i % 9, x, y, true);
            s.Blit("BonusHd.bmp", 2 + i % 2, x, y, true);
        } else if (i % 7 == 1) {
            s.Blit("BonusFt1.bmp", i % 9, x, y, true);
        } else {
            s.Blit("BonusBk.bmp", 3, x, y, true);
        }
    }
    s.Blit("BonusHd.bmp", 0, 200, 230, true);
    s.Blit("BonusHd.bmp", 1, 460, 150, true);
    Lives(s, 6, 8);
}

void BonusResult(Screen& s, int cell) {
    Bonus(s);
    s.Blit("BonusMsg.bmp", 0, 230, 150, false);
    s.Blit("BonusMDN.bmp", cell, 230, 194, false);
}

void BonusStart(Screen& s) {
    Bonus(s);
    s.Blit("StageBack.bmp", 0, 197, 149, false);
    s.Blit("BonusStart.bmp", 0, 197, 201, false);
}

void Whole(Screen& s, const char* name) {
    s.Blit(name, 0, 0, 0, false);
}

void Logo(Screen& s, int counter) {
    Whole(s, "LogoBack.pcx");
    for (int i = 0; i < 4; ++i) {
        const int x = (112 - counter) * i + 314;
        if (x + 12 <= kScreenW) s.Blit("LogoItem.bmp", i, x, 262, true);
    }
}

void Intro(Screen& s) {
    Whole(s, "introBack.Pcx");
    s.Blit("introDal1.bmp", 1, 476, 416, true);
    s.Blit("introDal2.bmp", 2, 531, 418, true);
}

void Ending(Screen& s) {
    Whole(s, "endBack.pcx");
    s.Blit("endTV2.bmp", 3, 404, 240, false);
}
} // namespace

bool WriteMockups(const std::vector<BuiltAsset>& assets, const std::string& dir, std::string& error) {
    struct Shot {
        const char* file;
        void (*draw)(Screen&);
    };
    static const Shot kShots[] = {
        {"play.png", Play},
        {"stage.png", [](Screen& s) { Banner(s, 12); }},
        {"ready.png", [](Screen& s) { ReadyGo(s, 0); }},
        {"go.png", [](Screen& s) { ReadyGo(s, 1); }},
        {"gameover.png", GameOver},
        {"ranking.png", Ranking},
        {"title.png", [](Screen& s) { Title(s, -1); }},
        {"title-item1.png", [](Screen& s) { Title(s, 1); }},
        {"title-item5.png", [](Screen& s) { Title(s, 5); }},
        {"packs.png", PackSelect},
        {"bonus.png", Bonus},
        {"bonus-start.png", BonusStart},
        {"bonus-result.png", [](Screen& s) { BonusResult(s, 0); }},
        {"bonus-failed.png", [](Screen& s) { BonusResult(s, 2); }},
        {"loading.png", [](Screen& s) { Whole(s, "loading.pcx"); }},
        {"logo.png", [](Screen& s) { Logo(s, 100); }},
        {"logo-start.png", [](Screen& s) { Logo(s, 0); }},
        {"intro.png", Intro},
        {"ending.png", Ending},
    };
    std::error_code ec;
    std::filesystem::create_directories(dir, ec);
    try {
        for (const Shot& shot : kShots) {
            Screen screen(assets);
            shot.draw(screen);
            const std::string path = (std::filesystem::path(dir) / shot.file).string();
            if (!screen.Save(path)) {
                error = "cannot write " + path;
                return false;
            }
        }
    } catch (const std::exception& e) {
        error = e.what();
        return false;
    }
    return true;
}
