#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "game/net/Packet.h"
#include "game/settings/Settings.h"

// The files both machines must have alike, by name and content: the edition's two archives and the packs
// of the directory in stage order.
std::vector<DataEntry> HashGameData(const std::string& directory, bool english);
// The FNV-1a hash of a file's bytes; false when it cannot be read.
bool HashFile(const std::string& path, uint64_t& hash);

// This machine's hello: the program's version, the edition, the data, the settings that change how the
// game plays and, from the host, the seed and the player's ranking and saved game.
Hello MakeHello(const std::string& directory, bool english, uint32_t seed, const Settings& settings);

// What keeps two machines from playing together, as the words of the message that names it (the text
// in the player's edition); empty when they can.
std::string HelloDifference(const Hello& mine, const Hello& theirs);

// The settings of the network game: the host's, with the keys the guest gave its own player.
void ShareSettings(const Hello& host, const Hello& guest, Settings& settings);
