#include "game/shell/MainLoop.h"

#include "game/control/Globals.h"
#include "game/io/Globals.h"
#include "game/io/SoundDevice.h"
#include "game/shell/CommandFeed.h"
#include "game/shell/CommandLog.h"
#include "game/shell/Globals.h"
#include "platform/Events.h"

int RunGame(const PlatformServices& platform, const GameLoop& loop, const std::string& mapArgument) {
    if (!gFrame.LoadFrame(platform, mapArgument)) return 0;
    FrameCommands commands;
    while (!gShell.closeRequested) {
        platform.events->Pump(gFrame);
        if (gShell.closeRequested) break;
        const PlayerCommand local = gCommandSampler.Sample();
        if (loop.feed)
            loop.feed->Exchange(local, commands);
        else
            commands = FrameCommands{{local, {}}};
        if (gShell.closeRequested) break;
        if (loop.record) loop.record->Append(commands);
        gApp.OnIdle(*platform.clock, gFrame, commands);
        if (loop.feed) loop.feed->AfterFrame();
        if (loop.observer) loop.observer->AfterFrame();
    }
    gController.SaveOptionsIfOpen();
    ReleaseSound();
    return 0;
}
