#pragma once
// The services the game receives from the machine, gathered for start-up.
class AudioDevice;
class Clock;
class EventSource;
class GlyphRasterizer;
class InputDevices;
class MessageBox;
class Presenter;

struct PlatformServices {
    Presenter* presenter = nullptr; // null when no display could be created
    Clock* clock = nullptr;
    MessageBox* messages = nullptr;
    InputDevices* input = nullptr; // null when no input devices could be set up
    EventSource* events = nullptr;
    AudioDevice* audio = nullptr;      // opened by the game; null runs it silent
    GlyphRasterizer* glyphs = nullptr; // null when no fonts can be had: text then draws nothing
};
