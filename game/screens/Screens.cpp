// The screens' first versions: each answers as a finished or idle screen until it is built.
#include "game/screens/Screens.h"

int CLogoScene::Message(int msg, int, int) { return msg == MsgUpdate ? 0 : 1; }

int CIntroScene::Message(int msg, int, int) { return msg == MsgUpdate ? 0 : 1; }

int CEndingScene::Message(int, int, int) { return 1; }
