#pragma once
#include <string>
#include <vector>

class Archive;
class CGameController;

// The packs `*.zor` of a directory, without regard to case, sorted by name so every machine takes the
// same order; at most `limit` of them (further ones are reported on standard error and ignored).
std::vector<std::string> FindPackFiles(const std::string& directory, size_t limit);

// Opens every pack of the current directory into the controller's holders; "Can not found Data(*.zor)
// File" and a close request when there is none. Answers the pack count.
int DiscoverPacks(CGameController& controller, const std::string& directory = ".");

// The order for a game over all packs: every (pack, picture) once, shuffled; the rest empty.
void BuildStageOrder(CGameController& controller);

// The directory index of picture j of a pack: the j-th entry among the first 20 whose name holds ".jpg",
// or entry j itself when there are fewer pictures.
int PictureEntryIndex(const Archive& pack, int j);

// Loads the picture pair and map of order entry s into the stage picture and the difference map.
int LoadStagePictures(CGameController& controller, int s);
// Loads picture j of a pack with its map into the stage picture and the difference map; a failure is shown
// and closes the game.
int LoadPackPicture(CGameController& controller, int pack, int picture);

// Decides between a normal start and test-map mode (an argument whose last component holds a dot, PairStem);
// in test-map mode the game is now playing the pair.
int ReadCommandLine(CGameController& controller, const std::string& argument);
