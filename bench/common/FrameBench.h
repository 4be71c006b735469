#pragma once
// Frame-loop benchmarks of the real game, headless: start the game on the sample pair of a built data
// directory, then time frames (update and draw) and count the allocations made inside the loop.

// Starts the game in dataDir on its sample pair; false, after saying so, when there is no built data.
bool StartHeadlessGame(const char* dataDir, const char* label);

// Runs warmUp frames, then measured frames, each after keepBusy(frame); reports LABEL_median, LABEL_p99
// (microseconds), LABEL_vs_memcpy_screen (the median against a memcpy of one screen in the same run) and
// LABEL_allocations. Returns the median in microseconds.
double MeasureFrames(const char* label, int warmUp, int measured, void (*keepBusy)(int frame));
// The same frames timed without reporting: the median in microseconds.
double MedianFrame(int warmUp, int measured, void (*keepBusy)(int frame));

// Keeps a play stage busy: both players alive, the gauge full, marks of both players on show, and a life
// lost every few frames so sparks keep flying.
void KeepPlayBusy(int frame);
