#pragma once

// The ending's television, one step per update, in five phases: it switches on, flickers, then plays both
// strips' pictures slowly and starts over.
struct TvAnimation {
    int phase = 0;
    int counter = 0;
    int strip = 0; // 0 = "endTV1.bmp", 1 = "endTV2.bmp"
    int cell = 0;

    void Step();
};
