#include "game/SideView.h"

namespace MyGame {

SideView ViewFor(const GameState& state, const Board& board, Side seat) {
    const bool pc = seat == Side::Pc;
    SideView view;
    view.Seat = seat;
    for (int i = 0; i < HandSize; ++i) {
        const int own = HandPosition(seat, i);
        if (board.IsPositionShown(own)) view.Hand[i] = board.CardAt(own);
        // Only counted: the other side's cards are never read.
        if (board.IsPositionShown(HandPosition(Other(seat), i))) ++view.OtherHandCount;
    }
    view.Table = ReadTable(board);
    view.OwnPile = pc ? state.PcPile : state.PlayerPile;
    view.OtherPile = pc ? state.PlayerPile : state.PcPile;
    view.OwnSweeps = pc ? state.PcSweeps : state.PlayerSweeps;
    view.OtherSweeps = pc ? state.PlayerSweeps : state.PcSweeps;
    view.LastTaker = state.LastTakerIsPlayer ? Side::Player : Side::Pc;
    view.OwnLastLaid = pc ? state.PcLastLaidValue : state.PlayerLastLaidValue;
    view.OtherLastLaid = pc ? state.PlayerLastLaidValue : state.PcLastLaidValue;
    view.OtherNoTakeValues = pc ? state.PlayerNoTakeValues : state.PcNoTakeValues;
    view.StockCount = state.CardsLeft;
    view.OwnMatchPoints = pc ? state.PcMatchPoints : state.PlayerMatchPoints;
    view.OtherMatchPoints = pc ? state.PlayerMatchPoints : state.PcMatchPoints;
    return view;
}

PcMove MoveTaking(const SideView& view, int handIndex, CardSet taken) {
    PcMove move;
    move.HandIndex = handIndex;
    for (int i = 0; i < view.Table.Count; ++i) {
        if (Holds(taken, view.Table.Cards[i])) AppendIdentifier(move.CaptureText, view.Table.Identifiers[i]);
    }
    return move;
}

}  // namespace MyGame
