#pragma once
#include <array>

#include "game/control/Scene.h"
#include "game/gfx/Surface.h"

class Pen;

// The card-pairing bonus stage: 18 cards, nine pairs, two players turning two cards at a time.
class CBonusScene : public CScene {
  public:
    static constexpr int kCards = 18;
    static constexpr int kColumns = 6;
    static constexpr int kRows = 3;
    static constexpr int kPlayers = 2;
    static constexpr int kSlots = 2;
    static constexpr int kNoCard = -1;
    static constexpr int kWrongPairFrames = 25;
    static constexpr int kSwaps = 50;
    enum CardState { FaceDown = 0, FaceUp = 1, Matched = 2 };

    struct Card {
        int pairId = 0;
        int state = FaceDown;
        int owner = 0; // the mark cell of the player who matched it: 2 for player 1, 3 for player 2
        int x = 0;
        int y = 0;
    };

    std::array<Card, kCards> cards;
    int slots[kPlayers][kSlots] = {{kNoCard, kNoCard}, {kNoCard, kNoCard}}; // card indexes
    int wait[kPlayers] = {};
    int backgroundCell = 0;
    int cardBack = 0;
    int remaining = 0; // pairs not yet matched
    Surface backs, openFaces, matchedFaces, background;

    void Deal();
    // One frame of both players.
    void Step();
    // Pairs whose cards are not yet matched.
    int RemainingPairs() const;
    int Message(int msg, int a, int b) override;

  private:
    void Load();
    void Draw();
    void TurnBack(int player);
    void PlayerStep(int player, Pen& pen);
    void Click(int player, const Pen& pen);
    void ComparePair(int player);
    int CardAt(int x, int y) const;
};
