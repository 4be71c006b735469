#pragma once
#include <QIcon>

enum class ToolIcon { Open, Save, Reflash, Test, Www, About };

// The toolbar's pictures, drawn at start-up in the game's look: bright fills with a dark outline.
QIcon DrawToolIcon(ToolIcon icon, int side);
