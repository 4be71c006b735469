#include "game/io/Command.h"

#include <algorithm>
#include <cstring>

#include "game/io/Globals.h"

namespace {
constexpr uint8_t kDown = 0x80; // the devices' value of a pressed key or button

int16_t ClampMotion(int v) {
    return static_cast<int16_t>(std::clamp(v, -32768, 32767));
}

void ReadMouse(PlayerCommand& command) {
    MouseSample sample;
    if (!gInput.devices->ReadMouse(sample)) {
        gInput.devices->Acquire();
        // A poll whose second read fails too counts as no motion and no buttons.
        if (!gInput.devices->ReadMouse(sample)) sample = MouseSample{};
    }
    command.flags |= PlayerCommand::kMouseRead;
    command.dx = ClampMotion(sample.dx);
    command.dy = ClampMotion(sample.dy);
    if (sample.buttons[0]) command.buttons |= PlayerCommand::kButtonLeft;
    if (sample.buttons[1]) command.buttons |= PlayerCommand::kButtonRight;
    if (sample.buttons[2]) command.buttons |= PlayerCommand::kButtonMiddle;
}

void ReadKeyboard(PlayerCommand& command) {
    uint8_t keys[kKeyCount] = {};
    if (!gInput.devices->ReadKeyboard(keys)) {
        gInput.devices->Acquire();
        gInput.devices->ReadKeyboard(keys);
    }
    command.flags |= PlayerCommand::kKeysRead;
    for (int dik = 0; dik < kKeyCount; ++dik)
        if (keys[dik]) command.SetKey(dik);
}
} // namespace

bool PlayerCommand::operator==(const PlayerCommand& o) const {
    return dx == o.dx && dy == o.dy && buttons == o.buttons && flags == o.flags &&
           typedCount == o.typedCount && std::memcmp(typed, o.typed, typedCount) == 0 &&
           std::memcmp(keys, o.keys, sizeof keys) == 0;
}

void CommandSampler::OnTyped(uint8_t code) {
    if (count_ == kQueue) return;
    queue_[(head_ + count_++) % kQueue] = code;
}

PlayerCommand CommandSampler::Sample() {
    PlayerCommand command;
    if (focusLost_) command.flags |= PlayerCommand::kFocusLost;
    while (count_ > 0 && command.typedCount < PlayerCommand::kMaxTyped) {
        command.typed[command.typedCount++] = queue_[head_];
        head_ = (head_ + 1) % kQueue;
        --count_;
    }
    // A window without focus reads no device and counts as nothing held: a network game goes on while
    // one player is away, and that player's pen must neither move nor click.
    if (focusLost_) {
        command.flags |= PlayerCommand::kMouseRead | PlayerCommand::kKeysRead;
        return command;
    }
    if (!gInput.devices) return command;
    if (gInput.mousePresent) ReadMouse(command);
    if (gInput.keyboardPresent) ReadKeyboard(command);
    return command;
}

void ApplyCommand(const PlayerCommand& command, InputState& seat) {
    if (command.flags & PlayerCommand::kMouseRead) {
        seat.buttonsWereUp = (seat.mouseLeft == 0 && seat.mouseMiddle == 0 && seat.mouseRight == 0) ? 1 : 0;
        seat.mouseDX = command.dx;
        seat.mouseDY = command.dy;
        seat.mouseLeft = command.buttons & PlayerCommand::kButtonLeft ? kDown : 0;
        seat.mouseRight = command.buttons & PlayerCommand::kButtonRight ? kDown : 0;
        seat.mouseMiddle = command.buttons & PlayerCommand::kButtonMiddle ? kDown : 0;
    }
    if (command.flags & PlayerCommand::kKeysRead) {
        std::memcpy(seat.previousKeys, seat.keys, sizeof seat.keys);
        for (int dik = 0; dik < kKeyCount; ++dik) seat.keys[dik] = command.KeyDown(dik) ? kDown : 0;
    }
}
