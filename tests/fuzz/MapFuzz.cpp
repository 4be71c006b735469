// The map file as the game and the editor read it (common/MapFile): the game's hit tests and answer
// outlines, and the editor's rectangles in view coordinates and back.
#include <algorithm>

#include "common/MapFile.h"
#include "editor/CMfcappView.h"
#include "game/gfx/Globals.h"
#include "game/io/Pen.h"
#include "game/play/DifferenceMap.h"
#include "platform/Presenter.h"
#include "tests/fuzz/FuzzFile.h"
#include "tests/fuzz/SilentMessages.h"

namespace {
class NoPresenter : public Presenter {
  public:
    PixelFormatDescription Format() const override { return {}; }
    bool Present(const uint16_t*, int, int, int) override { return true; }
};

bool StartDisplay() {
    static NoPresenter presenter;
    if (!DDCreate(presenter, kScreenWidth, kScreenHeight, kScreenDepth)) return false;
    BuildFadeTables();
    return true;
}

// Both players click the corners and the middle of the left picture.
void ClickAround(CDifferenceMap& map) {
    constexpr int kPoints[][2] = {{0, 0}, {299, 0}, {0, 399}, {299, 399}, {150, 200}};
    for (int kind : {PenPlayer1, PenPlayer2})
        for (const auto& p : kPoints) {
            Pen pen;
            pen.kind = kind;
            pen.x = p[0] - Pen::kTipX + (kind == PenPlayer2 ? CDifferenceMap::kRightPictureOffset : 0);
            pen.y = p[1] - Pen::kTipY;
            map.HitTest(pen);
        }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static FuzzFile file("pair.map");
    static SilentMessages quiet;
    static const bool display = StartDisplay();
    const char* path = file.Write(data, size);

    CDifferenceMap map;
    if (!map.LoadMapFile(path)) __builtin_trap();
    ClickAround(map);
    map.showAnswers = 1;
    map.RevealAll(1, 1);
    if (display) map.Message(MsgDraw, 0, 0);

    // The editor keeps whole records exactly: they are saved as they were read.
    CMfcappView view(quiet);
    view.m_mapPath = path;
    if (!view.LoadMap()) __builtin_trap();
    const MapRecords read = DecodeMap({data, std::min(size, kMapFileBytes)});
    const MapRecords back = view.PictureRects();
    for (int k = 0; k < CompleteMapRecords(size); ++k)
        if (!(back[k] == read[k])) __builtin_trap();
    return 0;
}
