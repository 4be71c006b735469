#include "game/shell/GXApp.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>

#include "codecs/CodecMessages.h"
#include "game/control/Globals.h"
#include "game/gfx/Archive.h"
#include "game/gfx/Display.h"
#include "game/gfx/Globals.h"
#include "game/gfx/ShowError.h"
#include "game/gfx/Text.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/io/SoundDevice.h"
#include "game/shell/ApplySettings.h"
#include "game/shell/Globals.h"
#include "game/texts/GameTexts.h"

namespace {
constexpr const char* kMainArchiveName = "zor.res";
constexpr const char* kSecondArchiveName = "zor2.res";
constexpr const char* kLoadingPicture = "loading.pcx";
constexpr const char* kEnglishArchiveDir = "en/"; // the English pictures, same names, beside the Korean ones

// Start-up check of the fonts against every text of the edition: what they cannot draw is left out of the
// screen, so it is named here, once.
void ReportMissingGlyphs() {
    std::string missing;
    for (int id = 0; id < kTextCount; ++id)
        for (FontHandle font : {gDisplay.font, gDisplayFont})
            CollectMissingGlyphs(font, GameText(TextId(id)), missing);
    if (!missing.empty())
        std::fprintf(stderr, "zor: the fonts cannot draw these characters, which are left out: %s\n",
                     missing.c_str());
}

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

// An English archive that cannot be opened is named on standard error and its Korean twin is opened
// instead, so the English edition still plays with the Korean pictures.
void OpenArchives() {
    const bool english = GameLanguage() == Language::English;
    std::string missing;
    for (auto [archive, name] :
         {std::pair{&gMainArchive, kMainArchiveName}, {&gSecondArchive, kSecondArchiveName}}) {
        if (english && archive->Open(kEnglishArchiveDir + std::string(name))) continue;
        if (english) missing += (missing.empty() ? "" : ", ") + (kEnglishArchiveDir + std::string(name));
        archive->Open(name);
    }
    if (!missing.empty())
        std::fprintf(stderr, "zor: the English pictures (%s) cannot be read; the Korean pictures are shown\n",
                     missing.c_str());
}

bool CGXFrame::LoadFrame(const PlatformServices& platform, const std::string& mapArgument) {
    gDisplay.fullScreen = 1;
    gShell.clock = platform.clock;
    SetErrorSink(platform.messages);
    SetCodecMessageBox(platform.messages);
    gTextCache.SetRasterizer(platform.glyphs);
    if (!platform.presenter ||
        !InitDisplay(*platform.presenter, *platform.clock, kScreenWidth, kScreenHeight, kScreenDepth)) {
        ShowError("%s", GameTextUtf8(TextDisplayFailed));
        std::exit(0);
    }
    DSCreate(platform.audio); // no sound device: the game runs silent, without a message
    if (!DICreate(platform.input)) ShowError("%s", GameTextUtf8(TextInputFailed));
    OpenArchives();
    ShowLoadingPicture();
    BuildFadeTables();
    LoadEffects(&gMainArchive);
    ApplyPlaySettings();
    gController.StartUp(mapArgument);
    gDisplayFont = MakeFont(kDisplayFontHeight, kFontWeight, "Comic Sans MS");
    gDisplay.font = MakeFont(kDefaultFontHeight, kFontWeight, "Arial");
    ReportMissingGlyphs();
    return true;
}

void CGXFrame::FrameUpdate(const FrameCommands& commands) {
    for (const PlayerCommand& command : commands.seat)
        for (int i = 0; i < command.typedCount; ++i) gController.OnTypedChar(command.typed[i]);
    // The game stands still while its window is in the background; a network game, while both are: one
    // player stepping away does not stop the other, whose pen alone then moves.
    const bool away = commands.seat[0].FocusLost() && (!gTwoSeats || commands.seat[1].FocusLost());
    gShell.focusLost = away ? 1 : 0;
    if (gShell.focusLost == 1 || gDisplay.ready == 0) return;
    gShell.frameCounter += 1;
    if (gShell.frameCounter >= kFrameCounterWrap) gShell.frameCounter = 0;
    ApplyCommand(commands.seat[0], gInput);
    if (gTwoSeats) ApplyCommand(commands.seat[1], gGuestInput);
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
    gCommandSampler.SetFocusLost(!gained);
    if (gained) gShell.editFocus = 0;
}

void CGXFrame::OnChar(uint8_t code) {
    if (gShell.editFocus) return; // the hidden edit control takes it and nothing reads it
    gCommandSampler.OnTyped(code);
}

void CGXFrame::OnCommand(int command) {
    switch (command) {
    case CmdExit:
        PostClose();
        break;
    case CmdFocusEdit:
        gShell.editFocus = 1;
        gCommandSampler.SetFocusLost(false);
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

void CGXApp::OnIdle(Clock& clock, CGXFrame& frame, const FrameCommands& commands) {
    pacer_.RunFrame(clock, [&frame, &commands] {
        frame.FrameUpdate(commands);
        frame.FrameDraw();
    });
}
