#include "tools/artgen/Manifest.h"

#include "game/screens/OptionsLayout.h"
#include "tools/artgen/Art.h"

namespace {
using enum ArchiveId;
using enum Format;

// A whole picture (one cell as large as the picture).
constexpr AssetSpec Whole(ArchiveId a, const char* name, Format f, int w, int h, bool keyed, DrawFn draw) {
    return AssetSpec{a, name, f, w, h, w, h, 1, w, keyed, draw};
}
// A horizontal strip of equal cells.
constexpr AssetSpec Strip(ArchiveId a, const char* name, Format f, int cw, int ch, int cells, bool keyed,
                          DrawFn draw) {
    return AssetSpec{a, name, f, cw * cells, ch, cw, ch, cells, cw, keyed, draw};
}
// Sprites cut out of a picture at a fixed step (the last one ends at the picture's edge).
constexpr AssetSpec Sprites(ArchiveId a, const char* name, Format f, int cw, int ch, int cells, int stride,
                            DrawFn draw) {
    return AssetSpec{a, name, f, stride * (cells - 1) + cw, ch, cw, ch, cells, stride, false, draw};
}

constexpr AssetSpec kAssets[] = {
    Whole(Main, "loading.pcx", Pcx256, 640, 480, false, Art::Loading),
    Whole(Main, "backUp.bmp", Bmp24, 640, 20, false, Art::BackUp),
    Whole(Main, "backLeft.bmp", Bmp24, 10, 400, false, Art::BackLeft),
    Whole(Main, "backRight.bmp", Bmp24, 20, 400, false, Art::BackRight),
    Whole(Main, "backBottom.bmp", Bmp24, 640, 60, false, Art::BackBottom),
    Whole(Main, "backEtc.bmp", Bmp8, 9, 408, false, Art::BackEtc),
    Whole(Main, "FireGage.pcx", Pcx256, 216, 192, false, Art::FireGage),
    Strip(Main, "Number.bmp", Bmp8, 36, 30, 10, true, Art::Number),
    Strip(Main, "CheckYes.bmp", Bmp8, 70, 59, 2, true, Art::CheckYes),
    Strip(Main, "CheckYes1P.bmp", Bmp8, 70, 59, 10, true, Art::CheckYes1P),
    Strip(Main, "CheckYes2P.bmp", Bmp8, 70, 59, 10, true, Art::CheckYes2P),
    Strip(Main, "CheckNo.bmp", Bmp8, 70, 59, 2, true, Art::CheckNo),
    Strip(Main, "Pen1P.bmp", Bmp24, 70, 59, 13, true, Art::Pen1P),
    Strip(Main, "Pen2P.bmp", Bmp24, 70, 59, 13, true, Art::Pen2P),
    Whole(Main, "Life.bmp", Bmp8, 16, 20, true, Art::Life),
    Strip(Main, "BonusHd.bmp", Bmp8, 15, 26, 4, true, Art::BonusHd),
    Whole(Main, "gameOver1.bmp", Bmp24, 230, 53, false, Art::GameOver1),
    Whole(Main, "gameOver2.bmp", Bmp24, 269, 54, false, Art::GameOver2),
    Whole(Main, "StageBack.bmp", Bmp24, 241, 112, true, Art::StageBack),
    Strip(Main, "stageReadyGo.bmp", Bmp24, 241, 52, 2, false, Art::StageReadyGo),
    Whole(Main, "GameOver.bmp", Bmp24, 640, 120, false, Art::GameOverBand),
    Whole(Main, "BonusMsg.bmp", Bmp8, 180, 44, true, Art::BonusMsg),
    Strip(Main, "BonusMDN.bmp", Bmp8, 180, 46, 3, true, Art::BonusMdn),
    Whole(Main, "BonusStart.bmp", Bmp24, 241, 52, false, Art::BonusStart),
    Strip(Main, "TitleEtc.bmp", Bmp24, 163, 35, 5, false, Art::TitleEtc),
    Whole(Main, "scoreBoard.bmp", Bmp24, 270, 300, false, Art::ScoreBoard),
    Whole(Main, "LogoBack.pcx", Pcx256, 640, 480, false, Art::LogoBack),
    Strip(Main, "LogoItem.bmp", Bmp8, 12, 12, 4, true, Art::LogoItem),
    Whole(Main, "introBack.Pcx", Pcx256, 640, 480, false, Art::IntroBack),
    Strip(Main, "introDal1.bmp", Bmp8, 83, 33, 4, true, Art::IntroDal1),
    Strip(Main, "introDal2.bmp", Bmp8, 83, 33, 4, true, Art::IntroDal2),
    Whole(Main, "endBack.pcx", Pcx256, 640, 480, false, Art::EndBack),
    Strip(Main, "endTV1.bmp", Bmp24, 156, 106, 10, false, Art::EndTv1),
    Strip(Main, "endTV2.bmp", Bmp24, 156, 106, 8, false, Art::EndTv2),
    Strip(Main, "BonusBk.bmp", Bmp8, 60, 75, 7, true, Art::BonusBk),
    Strip(Main, "BonusFt1.bmp", Bmp8, 60, 75, 9, true, Art::BonusFt1),
    Strip(Main, "BonusFt2.bmp", Bmp24, 60, 75, 9, true, Art::BonusFt2),
    Strip(Main, "bonusBack.bmp", Bmp8, 120, 80, 5, false, Art::BonusBack),
    Whole(Second, "Title03.bmp", Bmp24, 640, 480, false, Art::Title),
    Whole(Second, "select6.BMP", Bmp24, 163, 23, false, Art::Select6),
    Whole(Second, "LoadBack.bmp", Bmp24, 640, 480, false, Art::LoadBack),
    Whole(Second, "LoadStar.bmp", Bmp8, 40, 40, true, Art::LoadStar),
    Sprites(Second, "loadArrow.bmp", Bmp24, 39, 33, 4, 40, Art::LoadArrow),
    Sprites(Second, "loadBtn.bmp", Bmp24, 189, 35, 3, 190, Art::LoadBtn),
    Whole(Second, "Options.bmp", Bmp24, 640, 480, false, Art::Options),
    Strip(Second, "OptionsEtc.bmp", Bmp24, OptionsLayout::kLabelWidth, OptionsLayout::kRowHeight,
          OptionsLayout::kSettingRows, false, Art::OptionsEtc),
    Whole(Second, "OptionsBack.bmp", Bmp24, OptionsLayout::kBack.right - OptionsLayout::kBack.left + 1,
          OptionsLayout::kBack.bottom - OptionsLayout::kBack.top + 1, false, Art::OptionsBack),
    Whole(Second, "LoadToday.bmp", Bmp24, 320, 240, false, Art::LoadToday),
    Whole(Second, "LoadEndless.bmp", Bmp24, 320, 240, false, Art::LoadEndless),
};
} // namespace

std::span<const AssetSpec> Manifest() {
    return kAssets;
}

const char* ArchiveFileName(ArchiveId archive) {
    return archive == ArchiveId::Main ? "zor.res" : "zor2.res";
}
