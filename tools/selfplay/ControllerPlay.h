// Plays whole matches through the match controller, as the game window would: the
// player's side by presses on card positions, the PC's by timer ticks, "Continua"
// after every hand. Checks after every move what the rules and the flow promise,
// the PC's pacing tick by tick, and the end of every hand and match. Each side
// plays at a level of its own; played in duplicate, two levels meet on the same
// deals twice, each in either seat, which takes most of the luck of the deal out
// of the comparison.
#pragma once

#include "game/BoardRecord.h"
#include "game/MatchController.h"
#include "game/Table.h"
#include "tools/selfplay/SelfPlay.h"

#include <cstdint>
#include <string>
#include <vector>

namespace SelfPlay {

// How the first of two levels fared against the second.
struct LevelFigures {
    std::int64_t Matches = 0;
    std::int64_t FirstWins = 0;
    std::int64_t Hands = 0;
    // The first level's points less the second's, over all hands.
    std::int64_t PointDifference = 0;
    // For each pair of matches on the same deals, the first level's wins (0 to 2).
    std::vector<int> PairWins;
    // Milliseconds per choice of a move, of each level.
    std::vector<double> FirstTimes;
    std::vector<double> SecondTimes;
};

class ControllerGame {
public:
    // A random opponent presses at random; otherwise the player's side plays at
    // playerLevel, as the PC does at pcLevel.
    ControllerGame(Opponent opponent, std::uint32_t seed, MyGame::PcLevel pcLevel, MyGame::PcLevel playerLevel);

    // A match on the deals that follow the last one's.
    void PlayMatch();
    // Two matches on the deals of the pair's seed: the first level as the PC
    // against the second as the player, then the seats changed.
    void PlayDuplicatePair(MyGame::PcLevel first, MyGame::PcLevel second, std::uint32_t pairSeed);
    const LevelFigures& Figures() const { return figures_; }
    const Totals& Counts() const { return totals_; }
    const std::vector<std::string>& Faults() const { return faults_; }
    std::int64_t Ticks() const { return ticks_; }

private:
    // What a move is judged against: the board just before it.
    struct Before {
        MyGame::TableCards Table;
        MyGame::Card Hand[MyGame::HandSize];
        std::size_t PcPile = 0;
        std::size_t PlayerPile = 0;
        int Sweeps = 0;
        std::size_t Sounds = 0;
        int CardsLeft = 0;
    };

    // Returns false when the match had to be given up.
    bool PlayHand(bool playerBegins);
    void Continue(bool playerBegan);
    void PlayPlayerMove();
    void PressTableCards(const std::string& capture);
    void RecordTime(bool pcMoved, double milliseconds);
    void PressRandomly();
    void PlayPcMove();
    void Tick();
    Before Record(MyGame::Side side) const;
    void CheckMove(MyGame::Side side, const Before& before);
    void CheckLay(MyGame::Side side, const Before& before, MyGame::Card played);
    bool LegalCapture(int value, const MyGame::TableCards& table, const MyGame::CardList& taken) const;
    void CheckAnnouncement(MyGame::Side side, const Before& before, bool captured);
    void CheckHandOver(int pcBefore, int playerBefore);
    void CheckCardsAccounted();
    void CheckAtRest();
    void Press(int position);
    void Violation(const std::string& what);

    Opponent opponent_;
    MyGame::PcLevel playerLevel_;
    // Whether the first level of the figures plays as the PC.
    bool firstIsPc_ = true;
    // The pinned runs press a capture's cards in the order it names them, as they
    // always have, though now and then a press goes to another option that names
    // the card and makes that capture instead. Measured runs press in an order
    // that makes exactly the chosen capture.
    bool exactPresses_ = false;
    MyGame::DeckRandom deckRandom_;
    MyGame::DeckRandom random_;
    MyGame::BoardRecord board_;
    MyGame::MatchController match_;
    bool lastTakerIsPlayer_ = false;
    std::int64_t ticks_ = 0;
    Totals totals_;
    LevelFigures figures_;
    std::vector<std::string> faults_;
};

}  // namespace SelfPlay
