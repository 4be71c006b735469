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
// are short or name a stage total, stage number, pack or picture that does not exist.
bool DecodeSavedGame(const std::vector<uint8_t>& bytes, CGameController& controller, int& lives1,
                     int& lives2);

// Writes zor.sav whole or not at all; a failure is reported in an error box. True when written.
bool SaveGame();
// Continues the saved game, or starts a new one-player game when there is none (or it is unusable).
void LoadSavedGame();
