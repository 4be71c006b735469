// The screens' first versions: each answers as a finished or idle screen until it is built.
#include "game/screens/Screens.h"

int CPackSelectScene::Message(int msg, int, int) { return msg == MsgUpdate ? -1 : 1; }

int CBonusScene::Message(int, int, int) { return 1; }

int CRankBoard::RankInsert(int) { return 0; }

void CRankBoard::OnTypedChar(uint8_t) {}

int CRankBoard::Message(int, int, int) { return 1; }
