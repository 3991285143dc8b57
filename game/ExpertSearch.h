// Esperto: a determinized Monte Carlo search. It deals the cards it cannot see
// (the other hand and the stock) at random many times, sparing the other hand
// the values it would have taken with when it laid a card, plays each of its
// moves out to the end of the hand on every deal with the greedy strategy on
// both sides, and keeps the move with the best mean point difference. Once the
// stock is empty every card is known, and it tries all its own moves to the end
// of the hand against the greedy replies.
#pragma once

#include "game/PcStrategy.h"
#include "game/SideView.h"

#include <cstdint>

namespace MyGame {

// The search's move for the view's side. Its budget counts play-outs, not time,
// and its random deals come from the seed alone, so the same view and seed give
// the same move on every machine.
PcMove ExpertMove(const SideView& view, std::uint64_t seed);

}  // namespace MyGame
