#include "game/shell/MainLoop.h"

#include "game/control/Globals.h"
#include "game/io/SoundDevice.h"
#include "game/shell/Globals.h"
#include "platform/Events.h"

int RunGame(const PlatformServices& platform, FrameObserver* observer, const std::string& mapArgument) {
    if (!gFrame.LoadFrame(platform, mapArgument)) return 0;
    while (!gShell.closeRequested) {
        platform.events->Pump(gFrame);
        if (gShell.closeRequested) break;
        gApp.OnIdle(*platform.clock, gFrame);
        if (observer) observer->AfterFrame();
    }
    gController.SaveOptionsIfOpen();
    ReleaseSound();
    return 0;
}
