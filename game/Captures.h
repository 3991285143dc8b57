// What a played card may take, how the player's presses choose among the ways,
// what a capture does, sweeps and the end of a hand.
//
// Captures are written as game/CaptureCodec.h says.
#pragma once

#include "game/Board.h"
#include "game/GameState.h"
#include "game/Table.h"

#include <string>
#include <vector>

namespace MyGame {

using CaptureList = std::vector<std::string>;

// The ways of writing sum (2 to 10) as two or more values from 1 to 9, no value
// more than four times, each a text of values in non-increasing order joined by
// ";", in their fixed order. Empty for any other sum.
const std::vector<std::string>& PartitionsOf(int sum);

// The options of a played card of the value on the table as it is shown: the
// equal cards alone when there are any, else the sums in the order of
// PartitionsOf. Changes nothing.
CaptureList FindCaptures(const Board& board, int value);
// The same on a table already read; options is emptied and refilled, keeping its
// storage for the next call.
void FindCaptures(const TableCards& table, int value, CaptureList& options);

// One option left and nothing open in it.
bool CaptureReady(const CaptureList& options);

// Narrows the options by a pressed table card (its identifier and card). An empty
// result means the press says nothing; the caller keeps its options and beeps.
CaptureList SelectTableCard(const CaptureList& options, int identifier, Card card);

// The played card and the cards named in the capture go to the taker's pile and
// leave the board; counts the sweep when there is one.
void TakeCapture(GameState& state, Board& board, Side taker, int handPosition, const std::string& capture);

// The capture just made emptied the table and the hand goes on.
bool IsSweep(const GameState& state, const Board& board);

// When every card of the hand has been played: the cards left on the table go to
// the last taker (to the PC when nobody took anything), "Fine mano" is shown and
// the result is true. Otherwise nothing changes.
bool EndOfHand(GameState& state, Board& board);

}  // namespace MyGame
