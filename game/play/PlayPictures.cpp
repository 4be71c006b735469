#include "game/play/PlayPictures.h"

#include "game/gfx/Globals.h"
#include "game/io/Pen.h"
#include "game/play/Globals.h"
#include "game/play/LifeSymbols.h"
#include "game/shell/Globals.h"

namespace {
constexpr int kCellWidth = 70;
constexpr int kCellHeight = 59;
constexpr int kHandWidth = 15;
constexpr int kHandHeight = 26;
constexpr Point kGameOver1At{0, 427};
constexpr Point kGameOver2At{371, 426};

bool gPenPicturesLoaded = false;
bool gMarkPicturesLoaded = false;

PixelBuffer& Back() {
    return *gDisplay.lowDDBack;
}

void DrawLives(const Pen& pen) {
    for (int i = 0; i < pen.lives; ++i) {
        const Point at = LifeSymbolAt(pen, i);
        gLifePicture.BltCell(at.x, at.y, 0, true, Back());
    }
}

void DrawOutPlayer(const Pen& pen) {
    if (pen.kind == PenPlayer1) gGameOver1Picture.BltCell(kGameOver1At.x, kGameOver1At.y, 0, true, Back());
    if (pen.kind == PenPlayer2) gGameOver2Picture.BltCell(kGameOver2At.x, kGameOver2At.y, 0, true, Back());
}
} // namespace

void LoadPenPictures() {
    if (gPenPicturesLoaded) return;
    gPenPicturesLoaded = true;
    gCheckNoPicture.LowLoadBmpBit(&gMainArchive, "CheckNo.bmp", kCellWidth, kCellHeight);
    gPen1Picture.LowLoadBmpBit(&gMainArchive, "Pen1P.bmp", kCellWidth, kCellHeight);
    gPen2Picture.LowLoadBmpBit(&gMainArchive, "Pen2P.bmp", kCellWidth, kCellHeight);
    gLifePicture.LowLoadBmpBit(&gMainArchive, "Life.bmp", 0, 0);
    gBonusHandPicture.LowLoadBmpBit(&gMainArchive, "BonusHd.bmp", kHandWidth, kHandHeight);
    gGameOver1Picture.LowLoadBmpBit(&gMainArchive, "gameOver1.bmp", 0, 0);
    gGameOver2Picture.LowLoadBmpBit(&gMainArchive, "gameOver2.bmp", 0, 0);
}

void LoadMarkPictures() {
    if (gMarkPicturesLoaded) return;
    gMarkPicturesLoaded = true;
    gCheckYesPicture.LowLoadBmpBit(&gMainArchive, "CheckYes.bmp", kCellWidth, kCellHeight);
    gCheckYes1PPicture.LowLoadBmpBit(&gMainArchive, "CheckYes1P.bmp", kCellWidth, kCellHeight);
    gCheckYes2PPicture.LowLoadBmpBit(&gMainArchive, "CheckYes2P.bmp", kCellWidth, kCellHeight);
}

void DrawPen(const Pen& pen) {
    if (pen.lives <= 0) {
        DrawOutPlayer(pen);
        return;
    }
    if (pen.kind == PenMenu) {
        gPen1Picture.BltCell(pen.x, pen.y, pen.animStep, true, Back());
        return;
    }
    if (pen.freeze > 0) gCheckNoPicture.BltCell(pen.x, pen.y, pen.animStep, true, Back());
    Surface& picture = pen.kind == PenPlayer1 ? gPen1Picture : gPen2Picture;
    picture.BltCell(pen.x, pen.y, pen.animStep, true, Back());
    DrawLives(pen);
}

void DrawBonusPen(const Pen& pen) {
    if (pen.lives <= 0) {
        DrawOutPlayer(pen);
        return;
    }
    gBonusHandPicture.BltCell(pen.x, pen.y, pen.kind - 1, true, Back());
    DrawLives(pen);
}
