#include "game/shell/GXApp.h"

#include <cstdlib>

#include "codecs/CodecMessages.h"
#include "game/control/Globals.h"
#include "game/gfx/Archive.h"
#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Text.h"
#include "game/io/Effects.h"
#include "game/io/Input.h"
#include "game/io/SoundDevice.h"
#include "game/shell/Globals.h"

namespace {
constexpr const char* kMainArchiveName = "zor.res";
constexpr const char* kSecondArchiveName = "zor2.res";
constexpr const char* kLoadingPicture = "loading.pcx";

// Puts the loading picture on screen while the rest loads.
void ShowLoadingPicture() {
    if (gSparePicture.LoadPcx256(&gMainArchive, kLoadingPicture, 0, 0)) {
        gSparePicture.BltCell(0, 0, 0, false, *gDisplay.lowDDBack);
        DDFlip();
    }
    gSparePicture.ReleaseSurface();
}
constexpr int kDisplayFontHeight = 32;
constexpr int kDefaultFontHeight = 16;
constexpr int kFontWeight = 600;
} // namespace

bool CGXFrame::LoadFrame(const PlatformServices& platform, const std::string& mapArgument) {
    gDisplay.fullScreen = 1;
    SetErrorSink(platform.messages);
    SetCodecMessageBox(platform.messages);
    gTextCache.SetRasterizer(platform.glyphs);
    if (!platform.presenter ||
        !InitDisplay(*platform.presenter, *platform.clock, kScreenWidth, kScreenHeight, kScreenDepth)) {
        ShowError("DirectX 초기화에 실패했습니다");
        std::exit(0);
    }
    DSCreate(platform.audio); // no sound device: the game runs silent, without a message
    if (!DICreate(platform.input)) ShowError("Direct Input Create error!!!!");
    gMainArchive.Open(kMainArchiveName);
    gSecondArchive.Open(kSecondArchiveName);
    ShowLoadingPicture();
    BuildFadeTables();
    LoadEffects(&gMainArchive);
    gController.StartUp(mapArgument);
    gDisplayFont = MakeFont(kDisplayFontHeight, kFontWeight, "Comic Sans MS");
    gDisplay.font = MakeFont(kDefaultFontHeight, kFontWeight, "Arial");
    return true;
}

void CGXFrame::FrameUpdate() {
    if (gShell.focusLost == 1 || gDisplay.ready == 0) return;
    gShell.frameCounter += 1;
    if (gShell.frameCounter >= kFrameCounterWrap) gShell.frameCounter = 0;
    DIPoll();
    gController.Update();
}

void CGXFrame::FrameDraw() {
    if (gShell.focusLost == 1 || gDisplay.ready == 0) return;
    if (!DDFlip()) {
        gController.ReloadPictures();
        ++gShell.pictureReloads;
    }
    gController.Draw(gController.mode);
}

void CGXFrame::OnFocus(bool gained) {
    gShell.focusLost = gained ? 0 : 1;
    if (gained) gShell.editFocus = 0;
}

void CGXFrame::OnChar(uint8_t code) {
    if (gShell.editFocus) return; // the hidden edit control takes it and nothing reads it
    gController.OnTypedChar(code);
}

void CGXFrame::OnCommand(int command) {
    switch (command) {
    case CmdExit:
        PostClose();
        break;
    case CmdFocusEdit:
        gShell.editFocus = 1;
        gShell.focusLost = 0;
        break;
    case CmdFocusGame:
        gShell.editFocus = 0;
        break;
    default:
        break;
    }
}

void CGXFrame::OnClose() {
    PostClose();
}

void CGXApp::OnIdle(Clock& clock, CGXFrame& frame) {
    pacer_.RunFrame(clock, [&frame] {
        frame.FrameUpdate();
        frame.FrameDraw();
    });
}
