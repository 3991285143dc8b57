#include "game/Scoring.h"

#include "toolkit/Text.h"

namespace MyGame {

namespace {

using KTUtility::Int64ToText;

constexpr int CardsForPoint = 21;
constexpr int CoinsForPoint = 6;
constexpr int WinningPoints = 11;
// Each suit's best primiera value as the report writes it.
constexpr const char* ShortForms[][2] = {
    {"21;", "7 "}, {"18;", "6 "}, {"16;", "1 "}, {"15;", "5 "},
    {"14;", "4 "}, {"13;", "3 "}, {"12;", "2 "}, {"10;", "F "},
};

const char* YesNo(bool yes) {
    return yes ? "SI" : "NO";
}

// Fills one side's column (all but the primiera cell) and returns its points.
int ScoreSide(const CardList& pile, int sweeps, bool primieraPoint, ReportColumn& column) {
    int coins = 0;
    bool settebello = false;
    for (Card card : pile) {
        if (IsCoin(card)) ++coins;
        if (card == Settebello) settebello = true;
    }
    const int cards = static_cast<int>(pile.size());
    const int points = (primieraPoint ? 1 : 0) + (cards >= CardsForPoint ? 1 : 0) +
                       (coins >= CoinsForPoint ? 1 : 0) + (settebello ? 1 : 0) + sweeps;
    column.Cards = "Numero carte: " + Int64ToText(cards);
    column.Coins = "Carte Denaro: " + Int64ToText(coins);
    column.Settebello = std::string("Settebello: ") + YesNo(settebello);
    column.Sweeps = "Numero lurne: " + Int64ToText(sweeps);
    return points;
}

std::string PrimieraCell(bool point, const Primiera& primiera) {
    return std::string("Primiera: ") + YesNo(point) + " (" + primiera.Text + ")";
}

}  // namespace

Primiera PrimieraOf(const CardList& pile) {
    int best[SuitCount] = {};
    for (Card card : pile) {
        const int value = PrimieraValue(card);
        int& suitBest = best[static_cast<int>(SuitOf(card))];
        if (value > suitBest) suitBest = value;
    }
    Primiera primiera;
    for (int value : best) {
        primiera.Sum += value;
        primiera.Text += Int64ToText(value) + ";";
    }
    for (const auto& form : ShortForms) {
        primiera.Text = KTUtility::ReplaceAll(primiera.Text, form[0], form[1]);
    }
    return primiera;
}

void ScoreHand(GameState& state, Board& board) {
    const Primiera pc = PrimieraOf(state.PcPile);
    const Primiera player = PrimieraOf(state.PlayerPile);
    HandReport& report = state.Report;
    report.Player.Primiera = PrimieraCell(player.Sum > pc.Sum, player);
    report.Pc.Primiera = PrimieraCell(pc.Sum > player.Sum, pc);
    const int pcPoints = ScoreSide(state.PcPile, state.PcSweeps, pc.Sum > player.Sum, report.Pc);
    report.Pc.Points = "PC - Punti " + Int64ToText(pcPoints);
    const int playerPoints = ScoreSide(state.PlayerPile, state.PlayerSweeps, player.Sum > pc.Sum, report.Player);
    report.Player.Points = "Giocatore - Punti " + Int64ToText(playerPoints);
    state.PcMatchPoints += pcPoints;
    state.PlayerMatchPoints += playerPoints;
    ShowMatchTotals(state, board);
    board.ShowReport(report);
}

void ShowMatchTotals(const GameState& state, Board& board) {
    board.SetTotals(Int64ToText(state.PcMatchPoints), Int64ToText(state.PlayerMatchPoints));
}

MatchResult MatchResultOf(int pcMatchPoints, int playerMatchPoints) {
    if (pcMatchPoints > playerMatchPoints && pcMatchPoints >= WinningPoints) return MatchResult::PlayerLost;
    if (playerMatchPoints > pcMatchPoints && playerMatchPoints >= WinningPoints) return MatchResult::PlayerWon;
    return MatchResult::NextHand;
}

}  // namespace MyGame
