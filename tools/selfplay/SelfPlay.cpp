#include "tools/selfplay/SelfPlay.h"

#include "game/Captures.h"
#include "game/PcStrategy.h"
#include "game/Scoring.h"
#include "game/Table.h"
#include "tools/selfplay/PlayCommon.h"
#include "tools/selfplay/Recount.h"
#include "toolkit/Text.h"

namespace SelfPlay {

using namespace MyGame;

Game::Game(Opponent opponent, std::uint32_t seed) : opponent_(opponent), random_(seed) {}

bool Game::PlayHand() {
    ShuffleDeck(state_, random_);
    Deal();
    DealTable(state_, board_);
    lastTakerIsPlayer_ = false;
    CheckCardsAccounted();
    bool playerToMove = playerBeginsHand_;
    int moves = 0;
    for (bool handOver = false; !handOver;) {
        if (moves == MovesPerHand) {
            Violation("hand not over after 36 moves");
            break;
        }
        PlayMove(playerToMove ? Side::Player : Side::Pc);
        ++moves;
        playerToMove = !playerToMove;
        handOver = FinishHand();
        if (!handOver && HandsEmpty(board_)) Deal();
        CheckCardsAccounted();
    }
    if (moves != MovesPerHand) Violation("hand over after " + std::to_string(moves) + " moves");
    ++totals_.Hands;
    playerBeginsHand_ = !playerBeginsHand_;

    const MatchResult result = MatchResultOf(state_.PcMatchPoints, state_.PlayerMatchPoints);
    const bool over = result != MatchResult::NextHand;
    if (over != MatchOver(state_.PcMatchPoints, state_.PlayerMatchPoints)) Violation("match rule");
    if (!over) return false;
    ++totals_.Matches;
    if (result == MatchResult::PlayerLost) ++totals_.PcWins;
    state_.PcMatchPoints = 0;
    state_.PlayerMatchPoints = 0;
    playerBeginsHand_ = true;
    return true;
}

void Game::PlayMove(Side side) {
    if (side == Side::Player && opponent_ == Opponent::Random) {
        PlayRandomMove();
    } else {
        PlayStrategyMove(side);
    }
}

void Game::PlayStrategyMove(Side side) {
    const int handFirst = HandFirst(side);
    const PcMove move = ChooseMove(state_, board_, side);
    if (move.HandIndex < 0) {
        Violation("no card to play");
        return;
    }
    const int position = handFirst + move.HandIndex;
    if (side == Side::Pc) HashPcMove(totals_, board_.CardAt(position), move.CaptureText);
    if (!move.CaptureText.empty()) {
        MakeCapture(side, position, move.CaptureText);
        return;
    }
    // Laying while some card of the hand could capture breaks the rules.
    const TableCards table = ReadTable(board_);
    for (int i = 0; i < HandSize; ++i) {
        if (!board_.IsPositionShown(handFirst + i)) continue;
        FindCaptures(table, CardValue(board_.CardAt(handFirst + i)), options_);
        if (!options_.empty()) Violation("card laid while a capture was possible");
    }
    (side == Side::Player ? state_.PlayerLastLaidValue : state_.PcLastLaidValue) = CardValue(board_.CardAt(position));
    LayOnTable(board_, position);
}

void Game::PlayRandomMove() {
    const int position = RandomPlayerHandPosition(board_, random_);
    if (position < 0) {
        Violation("no card to play");
        return;
    }
    const int value = CardValue(board_.CardAt(position));
    CaptureList options = FindCaptures(board_, value);
    if (options.empty()) {
        state_.PlayerLastLaidValue = value;
        LayOnTable(board_, position);
        return;
    }
    const TableCards table = ReadTable(board_);
    std::uniform_int_distribution<int> press(0, table.Count - 1);
    for (int presses = 0; !CaptureReady(options); ++presses) {
        if (presses == MaxPresses) {
            Violation("selection locked: " + options.front());
            return;
        }
        const int pressed = press(random_);
        CaptureList narrowed = SelectTableCard(options, table.Identifiers[pressed], table.Cards[pressed]);
        if (narrowed.empty()) {
            ++totals_.Beeps;
        } else {
            options = std::move(narrowed);
        }
    }
    MakeCapture(Side::Player, position, options.front());
}

void Game::MakeCapture(Side side, int handPosition, const std::string& capture) {
    CheckCapture(CardValue(board_.CardAt(handPosition)), capture);
    int& sweeps = side == Side::Player ? state_.PlayerSweeps : state_.PcSweeps;
    const int sweepsBefore = sweeps;
    TakeCapture(state_, board_, side, handPosition, capture);
    lastTakerIsPlayer_ = side == Side::Player;
    const bool handGoesOn = state_.CardsLeft != 0 || !HandsEmpty(board_);
    const bool sweep = ReadTable(board_).Count == 0 && handGoesOn;
    if (sweeps != sweepsBefore + (sweep ? 1 : 0)) Violation("sweep miscounted");
}

// A capture takes one table card of the played value, or two or more cards adding
// up to it when no card of that value lies on the table; each card once.
void Game::CheckCapture(int value, const std::string& capture) {
    const TableCards table = ReadTable(board_);
    bool named[TableSize] = {};
    int sum = 0;
    int taken = 0;
    for (const CaptureToken& token : ParseCapture(capture)) {
        int index = -1;
        for (int i = 0; i < table.Count; ++i) {
            if (table.Identifiers[i] == token.Number) index = i;
        }
        if (token.Kind != TokenKind::Identifier || index < 0 || named[index]) {
            Violation("capture names no table card once: " + capture);
            return;
        }
        named[index] = true;
        sum += table.Values[index];
        ++taken;
    }
    bool equalOnTable = false;
    for (int i = 0; i < table.Count; ++i) equalOnTable = equalOnTable || table.Values[i] == value;
    const bool equalCapture = taken == 1 && sum == value;
    const bool sumCapture = taken >= 2 && sum == value && !equalOnTable;
    if (!equalCapture && !sumCapture) Violation("illegal capture " + capture + " by value " + std::to_string(value));
}

void Game::CheckCardsAccounted() {
    if (!CardsAccountedOnce(board_, state_)) Violation("cards not accounted for exactly once");
}

bool Game::FinishHand() {
    const bool lastMove = state_.CardsLeft == 0 && HandsEmpty(board_);
    const TableCards rest = lastMove ? ReadTable(board_) : TableCards();
    const std::size_t pcBefore = state_.PcPile.size();
    const std::size_t playerBefore = state_.PlayerPile.size();
    const bool ended = EndOfHand(state_, board_);
    if (ended != lastMove) Violation("hand ended at the wrong move");
    if (!lastMove) return ended;

    const CardList& taker = lastTakerIsPlayer_ ? state_.PlayerPile : state_.PcPile;
    const std::size_t takerBefore = lastTakerIsPlayer_ ? playerBefore : pcBefore;
    const std::size_t otherAfter = lastTakerIsPlayer_ ? state_.PcPile.size() : state_.PlayerPile.size();
    const std::size_t otherBefore = lastTakerIsPlayer_ ? pcBefore : playerBefore;
    bool rightTaker = taker.size() == takerBefore + rest.Count && otherAfter == otherBefore;
    for (int i = 0; rightTaker && i < rest.Count; ++i) rightTaker = taker[takerBefore + i] == rest.Cards[i];
    if (!rightTaker || ReadTable(board_).Count != 0) Violation("rest of the table not given to the last taker");

    const int pcBeforeScore = state_.PcMatchPoints;
    const int playerBeforeScore = state_.PlayerMatchPoints;
    ScoreHand(state_, board_);
    const SideCount pc = CountPile(state_.PcPile);
    const SideCount player = CountPile(state_.PlayerPile);
    const int pcPoints = HandPoints(pc, player, state_.PcSweeps);
    const int playerPoints = HandPoints(player, pc, state_.PlayerSweeps);
    if (state_.PcMatchPoints - pcBeforeScore != pcPoints ||
        state_.PlayerMatchPoints - playerBeforeScore != playerPoints ||
        board_.Report.Pc.Points != "PC - Punti " + std::to_string(pcPoints) ||
        board_.Report.Player.Points != "Giocatore - Punti " + std::to_string(playerPoints)) {
        Violation("hand points disagree with the piles");
    }
    return ended;
}

void Game::Deal() {
    DealHands(state_, board_);
}

void Game::Violation(const std::string& what) {
    KeepViolation(totals_, faults_, what);
}

}  // namespace SelfPlay
