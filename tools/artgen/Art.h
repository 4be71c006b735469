#pragma once
#include <cairo.h>

#include "tools/artgen/Manifest.h"

// The drawing of every picture in the manifest. Each function draws the whole picture of its entry.
namespace Art {

// Runs draw(cr, cell) for each cell with the origin moved to the cell and drawing clipped to it.
template <typename F> void ForEachCell(cairo_t* cr, const AssetSpec& spec, F draw) {
    for (int i = 0; i < spec.cells; ++i) {
        cairo_save(cr);
        cairo_translate(cr, i * spec.stride, 0);
        cairo_rectangle(cr, 0, 0, spec.cellWidth, spec.cellHeight);
        cairo_clip(cr);
        draw(cr, i);
        cairo_restore(cr);
    }
}

// Play screen (ArtPlay.cpp)
void BackUp(cairo_t*, const AssetSpec&);
void BackLeft(cairo_t*, const AssetSpec&);
void BackRight(cairo_t*, const AssetSpec&);
void BackBottom(cairo_t*, const AssetSpec&);
void BackEtc(cairo_t*, const AssetSpec&);
void FireGage(cairo_t*, const AssetSpec&);
void Number(cairo_t*, const AssetSpec&);
void Life(cairo_t*, const AssetSpec&);
void GameOver1(cairo_t*, const AssetSpec&);
void GameOver2(cairo_t*, const AssetSpec&);

// Pens and marks (ArtMarks.cpp)
void CheckYes(cairo_t*, const AssetSpec&);
void CheckYes1P(cairo_t*, const AssetSpec&);
void CheckYes2P(cairo_t*, const AssetSpec&);
void CheckNo(cairo_t*, const AssetSpec&);
void Pen1P(cairo_t*, const AssetSpec&);
void Pen2P(cairo_t*, const AssetSpec&);
void BonusHd(cairo_t*, const AssetSpec&);

// Banners and the ranking board (ArtBanner.cpp)
void StageBack(cairo_t*, const AssetSpec&);
void StageReadyGo(cairo_t*, const AssetSpec&);
void GameOverBand(cairo_t*, const AssetSpec&);
void BonusMsg(cairo_t*, const AssetSpec&);
void BonusMdn(cairo_t*, const AssetSpec&);
void BonusStart(cairo_t*, const AssetSpec&);
void ScoreBoard(cairo_t*, const AssetSpec&);

// Title menu (ArtTitle.cpp)
void Title(cairo_t*, const AssetSpec&);
void TitleEtc(cairo_t*, const AssetSpec&);
void Select6(cairo_t*, const AssetSpec&);

// Options screen (ArtOptions.cpp)
void Options(cairo_t*, const AssetSpec&);
void OptionsEtc(cairo_t*, const AssetSpec&);
void OptionsBack(cairo_t*, const AssetSpec&);

// Data-pack selection (ArtPackSelect.cpp)
void LoadBack(cairo_t*, const AssetSpec&);
void LoadStar(cairo_t*, const AssetSpec&);
void LoadArrow(cairo_t*, const AssetSpec&);
void LoadBtn(cairo_t*, const AssetSpec&);
// Cards of today's pack and endless play in the preview frame (ArtMadeCards.cpp)
void LoadToday(cairo_t*, const AssetSpec&);
void LoadEndless(cairo_t*, const AssetSpec&);

// Loading, logo, intro and ending screens (ArtScenes.cpp, ArtTv.cpp)
void Loading(cairo_t*, const AssetSpec&);
void LogoBack(cairo_t*, const AssetSpec&);
void LogoItem(cairo_t*, const AssetSpec&);
void IntroBack(cairo_t*, const AssetSpec&);
void IntroDal1(cairo_t*, const AssetSpec&);
void IntroDal2(cairo_t*, const AssetSpec&);
void EndBack(cairo_t*, const AssetSpec&);
void EndTv1(cairo_t*, const AssetSpec&);
void EndTv2(cairo_t*, const AssetSpec&);

// Bonus stage cards and table (ArtBonus.cpp)
void BonusBk(cairo_t*, const AssetSpec&);
void BonusFt1(cairo_t*, const AssetSpec&);
void BonusFt2(cairo_t*, const AssetSpec&);
void BonusBack(cairo_t*, const AssetSpec&);

} // namespace Art
