#pragma once

// The messages a scene receives; a and b are 0 in every call of the game.
enum SceneMessage {
    MsgInit = 0,   // once, after the data packs are known
    MsgEnter = 1,  // when its screen starts
    MsgLoad = 2,   // load (again) all pictures
    MsgDraw = 3,   // draw into the back surface
    MsgUpdate = 4, // one step of logic; the answer is the scene's event code
};

// Every screen and on-screen object driven by the frame loop: one message handler and a registry slot.
class CScene {
  public:
    virtual ~CScene() = default;
    virtual int Message(int msg, int a, int b);

    int slot = -1; // registry slot index, -1 until registered
};
