#include "game/shell/GXApp.h"

#include <algorithm>
#include <cstdlib>

#include "codecs/CodecMessages.h"
#include "game/control/Globals.h"
#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"
#include "game/gfx/ShowError.h"
#include "game/io/Input.h"
#include "game/shell/Globals.h"

namespace {
constexpr const char* kMainArchiveName = "zor.res";
constexpr const char* kSecondArchiveName = "zor2.res";
constexpr const char* kLoadingPicture = "loading.pcx";

// Puts the loading picture on screen while the rest loads: a plain copy to (0, 0) of the back surface.
void ShowLoadingPicture() {
    if (gSparePicture.LoadPcx256(&gMainArchive, kLoadingPicture, 0, 0)) {
        PixelBuffer& back = *gDisplay.lowDDBack;
        const PixelBuffer& picture = *gSparePicture.surface;
        const int w = std::min(picture.Width(), back.Width());
        const int h = std::min(picture.Height(), back.Height());
        for (int y = 0; y < h; ++y) std::copy_n(picture.Row(y), w, back.Row(y));
        DDFlip();
    }
    gSparePicture.ReleaseSurface();
}
} // namespace

bool CGXFrame::LoadFrame(const PlatformServices& platform) {
    gDisplay.fullScreen = 1;
    SetErrorSink(platform.messages);
    SetCodecMessageBox(platform.messages);
    if (!platform.presenter ||
        !InitDisplay(*platform.presenter, *platform.clock, kScreenWidth, kScreenHeight, kScreenDepth)) {
        ShowError("DirectX 초기화에 실패했습니다");
        std::exit(0);
    }
    if (!DICreate(platform.input)) ShowError("Direct Input Create error!!!!");
    gMainArchive.Open(kMainArchiveName);
    gSecondArchive.Open(kSecondArchiveName);
    ShowLoadingPicture();
    gController.StartUp();
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
    if (!DDFlip()) gController.ReloadPictures();
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
