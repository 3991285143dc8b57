// What both ways of playing share: the bounds past which a hand or a selection
// is stuck, the kept faults, and the checks and picks they make alike.
#pragma once

#include "game/BoardRecord.h"
#include "game/Deal.h"
#include "game/GameState.h"
#include "tools/selfplay/SelfPlay.h"

#include <string>
#include <vector>

namespace SelfPlay {

constexpr int MovesPerHand = 36;
constexpr int MaxFaultsKept = 20;
// A random player that still has not finished its capture after this many presses
// is stuck: the selection can no longer be completed.
constexpr int MaxPresses = 1000;

// A shown card of the player's hand picked at random, or -1 when none is shown.
int RandomPlayerHandPosition(const MyGame::BoardRecord& board, MyGame::DeckRandom& random);
// Whether the cards on the board (the stock aside), in the deck and in the piles
// are the forty cards, each exactly once.
bool CardsAccountedOnce(const MyGame::BoardRecord& board, const MyGame::GameState& state);
// Folds one move of the PC's (the card it played and its capture text, empty
// when it laid the card) into the run's hash.
void HashPcMove(Totals& totals, MyGame::Card played, const std::string& capture);
// Counts a violation and keeps its description among the first ones met.
void KeepViolation(Totals& totals, std::vector<std::string>& faults, const std::string& what);

}  // namespace SelfPlay
