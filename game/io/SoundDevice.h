#pragma once
class AudioDevice;

// Opens the sound device and makes it lowDSound with a channel for every effect. 0 when there is none: the
// game then runs silent, and no message is shown.
int DSCreate(AudioDevice* device);
// At exit: stops the music, gives every effect's channel back and forgets the device.
void ReleaseSound();
