#pragma once
#include <cstdint>
#include <string>
#include <vector>

class CGameController;

constexpr const char* kSaveFileName = "zor.sav";
constexpr size_t kSaveFileBytes = 1016;

// The 1016 bytes of a saved game: the stage order, the stage total, the stage number and both lives.
std::vector<uint8_t> EncodeSavedGame(const CGameController& controller, int lives1, int lives2);
// Takes a saved game into the controller and the player pens; false (nothing changed) when the bytes
// are short, name a stage total or stage number that does not exist, or when an entry still to be played
// is empty at the saved stage or names a pack or picture that is not there. The stage total taken is
// where the order ends: at the saved total or at the first empty entry after the saved stage. An order of
// one pack's ten pictures in their own order is a single-pack game, and sets the single-pack flag.
bool DecodeSavedGame(const std::vector<uint8_t>& bytes, CGameController& controller, int& lives1,
                     int& lives2);

// Writes zor.sav whole or not at all; a failure is reported in an error box. True when written.
bool SaveGame();
// Continues the saved game, or starts a new one-player game when there is none (or it is unusable); a
// single-pack game continues as one, with its pack chosen on the selection screen it ends on.
void LoadSavedGame();
