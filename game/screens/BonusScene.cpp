#include "game/screens/BonusScene.h"

#include <utility>

#include "game/control/Globals.h"
#include "game/control/Random.h"
#include "game/gfx/Globals.h"
#include "game/io/Dik.h"
#include "game/io/Effects.h"
#include "game/io/Globals.h"
#include "game/io/Pen.h"
#include "game/play/Globals.h"
#include "game/shell/Globals.h"

namespace {
constexpr int kBackgroundCells = 5;
constexpr int kCardBacks = 7;
constexpr int kCardWidth = 60, kCardHeight = 75;
constexpr int kTileWidth = 120, kTileHeight = 80;
constexpr int kGridLeft = 90, kGridTop = 85, kColumnStep = 80, kRowStep = 90;
constexpr int kTileLeft = 20, kTileTop = 20, kTileColumns = 5, kTileRows = 5;
constexpr int kPlayer1Mark = 2;
constexpr int kMarkMode = 1; // leaves key pixels out
constexpr int kMarkLevel = 15;

PixelBuffer& Back() {
    return *gDisplay.lowDDBack;
}

// A card by its row, then its column: two draws in this order, so a seeded deal is the same everywhere.
int RandomCard() {
    const int row = GameRand() % CBonusScene::kRows;
    const int column = GameRand() % CBonusScene::kColumns;
    return row * CBonusScene::kColumns + column;
}
} // namespace

void CBonusScene::Deal() {
    for (int p = 0; p < kPlayers; ++p) {
        wait[p] = 0;
        slots[p][0] = slots[p][1] = kNoCard;
    }
    backgroundCell = GameRand() % kBackgroundCells;
    for (int i = 0; i < kCards; ++i) cards[i] = Card{i / 2, FaceDown, 0, 0, 0};
    cardBack = GameRand() % kCardBacks;
    for (int s = 0; s < kSwaps; ++s) {
        const int a = RandomCard();
        const int b = RandomCard();
        std::swap(cards[a], cards[b]);
    }
    for (int i = 0; i < kCards; ++i) {
        cards[i].x = kGridLeft + kColumnStep * (i % kColumns);
        cards[i].y = kGridTop + kRowStep * (i / kColumns);
    }
    remaining = RemainingPairs();
}

int CBonusScene::RemainingPairs() const {
    int open = 0;
    for (const Card& card : cards) open += card.state != Matched ? 1 : 0;
    return open / 2;
}

void CBonusScene::TurnBack(int player) {
    for (int& slot : slots[player]) {
        if (slot != kNoCard) cards[slot].state = FaceDown;
        slot = kNoCard;
    }
}

int CBonusScene::CardAt(int x, int y) const {
    for (int i = 0; i < kCards; ++i) {
        const Card& c = cards[i];
        if (PointInRect({c.x, c.y, c.x + kCardWidth, c.y + kCardHeight}, {x, y})) return i;
    }
    return kNoCard;
}

void CBonusScene::Click(int player, const Pen& pen) {
    int* slot = slots[player][0] == kNoCard ? &slots[player][0] : &slots[player][1];
    if (*slot != kNoCard) return; // both held: the click does nothing
    const int card = CardAt(pen.x, pen.y);
    if (card == kNoCard || cards[card].state != FaceDown) {
        PlayEffect(EffectMouseClick);
        return;
    }
    cards[card].state = FaceUp;
    *slot = card;
    PlayEffect(EffectCardOpen);
}

void CBonusScene::ComparePair(int player) {
    const int a = slots[player][0], b = slots[player][1];
    if (a == kNoCard || b == kNoCard) return;
    if (cards[a].pairId == cards[b].pairId && cards[a].state == FaceUp && cards[b].state == FaceUp) {
        for (int card : {a, b}) {
            cards[card].state = Matched;
            cards[card].owner = kPlayer1Mark + player;
        }
        slots[player][0] = slots[player][1] = kNoCard;
        PlayEffect(EffectCardSuccess);
        return;
    }
    wait[player] = kWrongPairFrames;
    PlayEffect(EffectCardReturn);
}

void CBonusScene::PlayerStep(int player, Pen& pen) {
    if (pen.lives <= 0) return;
    if (wait[player] > 0) {
        if (--wait[player] == 0) TurnBack(player);
        return;
    }
    if (!PenMove(pen)) return;
    Click(player, pen);
    ComparePair(player);
}

void CBonusScene::Step() {
    if (gInput.mouseRight != 0) TurnBack(0);
    // Player 2 turns cards back with 9, or with the right button of the other machine in network play.
    if (Player2Input().KeyDown(DIK_9) || (gTwoSeats && gGuestInput.mouseRight != 0)) TurnBack(1);
    PlayerStep(0, gPlayer1Pen);
    PlayerStep(1, gPlayer2Pen);
    remaining = RemainingPairs();
}

void CBonusScene::Load() {
    backs.LowLoadBmpBit(&gMainArchive, "BonusBk.bmp", kCardWidth, kCardHeight);
    openFaces.LowLoadBmpBit(&gMainArchive, "BonusFt1.bmp", kCardWidth, kCardHeight);
    matchedFaces.LowLoadBmpBit(&gMainArchive, "BonusFt2.bmp", kCardWidth, kCardHeight);
    background.LowLoadBmpBit(&gMainArchive, "bonusBack.bmp", kTileWidth, kTileHeight);
}

void CBonusScene::Draw() {
    for (int r = 0; r < kTileRows; ++r)
        for (int c = 0; c < kTileColumns; ++c)
            background.BltCell(kTileLeft + kTileWidth * c, kTileTop + kTileHeight * r, backgroundCell, true,
                               Back());
    for (const Card& card : cards) {
        switch (card.state) {
        case FaceDown:
            backs.BltCellClipped(card.x, card.y, cardBack, true, Back());
            break;
        case FaceUp:
            openFaces.BltCellClipped(card.x, card.y, card.pairId, true, Back());
            break;
        default:
            matchedFaces.BltCellClipped(card.x, card.y, card.pairId, true, Back());
            gBonusHandPicture.BlendCell(card.x, card.y, card.owner, kMarkMode, kMarkLevel);
            break;
        }
    }
    for (int p = 0; p < kPlayers; ++p)
        for (int slot : slots[p])
            if (slot != kNoCard)
                gBonusHandPicture.BltCellClipped(cards[slot].x, cards[slot].y, kPlayer1Mark + p, true,
                                                 Back());
}

int CBonusScene::Message(int msg, int, int) {
    switch (msg) {
    case MsgEnter:
        Deal();
        return 1;
    case MsgLoad:
        Load();
        return 1;
    case MsgDraw:
        Draw();
        return 1;
    case MsgUpdate:
        Step();
        return 1;
    default:
        return 1;
    }
}
