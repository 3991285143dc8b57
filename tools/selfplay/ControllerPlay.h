// Plays whole matches through the match controller, as the game window would: the
// player's side by presses on card positions, the PC's by timer ticks, "Continua"
// after every hand. Checks after every move what the rules and the flow promise,
// the PC's pacing tick by tick, and the end of every hand and match.
#pragma once

#include "game/BoardRecord.h"
#include "game/MatchController.h"
#include "game/Table.h"
#include "tools/selfplay/SelfPlay.h"

#include <cstdint>
#include <string>
#include <vector>

namespace SelfPlay {

class ControllerGame {
public:
    ControllerGame(Opponent opponent, std::uint32_t seed);

    void PlayMatch();
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
    MyGame::DeckRandom deckRandom_;
    MyGame::DeckRandom random_;
    MyGame::BoardRecord board_;
    MyGame::MatchController match_;
    bool lastTakerIsPlayer_ = false;
    std::int64_t ticks_ = 0;
    Totals totals_;
    std::vector<std::string> faults_;
};

}  // namespace SelfPlay
