#include "BoardCheck.h"

#include "game/CaptureCodec.h"
#include "game/Card.h"
#include "table/FormMain.h"
#include "toolkit/Text.h"

#include <algorithm>
#include <sstream>

namespace TableTest {

namespace {

using MyGame::CardBackPicture;
using MyGame::IsPcHand;
using MyGame::IsTablePosition;
using MyGame::MatchController;

constexpr int CardWidth = 63;
constexpr int CardHeight = 101;

const wchar_t* const StatusTexts[] = {
    L"", L"Tocca a te", L"Tocca al pc", L"Ora tocca al PC", L"LURNA!! Ora tocca al PC",
    L"Selezionare le carte dal tavolo", L"Ora tocca a te", L"LURNA!! Ora tocca a te", L"Fine mano",
    L"Hai vinto!!", L"Hai perso.."};

bool HoldsCards(int position) {
    return position != MyGame::StockPosition;
}

// How far below its place the position must be now.
// The PC's card turned up below its place.
bool IsPcCardShown(int position, const MatchController& match) {
    const MyGame::MoveUnderWay& move = match.Move();
    return move.PcCardShown() && position == MyGame::HandPosition(MyGame::Side::Pc, move.PcChosenPosition);
}

// The player's card being played and the coach's card stand raised; the cards
// the player picked and the ones the coach would take are marked below the row.
int ExpectedDrop(int position, const CardView& card, const MatchController& match, const BoardFacts& facts) {
    if (IsPcHand(position)) return IsPcCardShown(position, match) ? 10 : 0;
    const MyGame::MoveUnderWay& move = match.Move();
    if (MyGame::IsPlayerHand(position)) {
        const bool chosen = move.AwaitingTableChoice() && position == move.PlayerChosenPosition;
        return chosen || position == move.SuggestedPosition ? -10 : 0;
    }
    if (!IsTablePosition(position)) return 0;
    if (move.PcCaptureShown() && card.visible && MyGame::NamesIdentifier(move.PcCapture, card.identifier)) return -10;
    const bool suggested =
        std::find(move.SuggestedPicks.begin(), move.SuggestedPicks.end(), position) != move.SuggestedPicks.end();
    return facts.marks.count(position) || suggested ? 10 : 0;
}

// The focus frame is on exactly one shown table card while table cards are
// picked, the one the keys move, and on no card otherwise.
std::string CheckFrame(int position, const CardView& card, const MatchController& match) {
    const MyGame::MoveUnderWay& move = match.Move();
    if (move.AwaitingTableChoice() && move.TableFocus < 0) return "table cards are picked with no focus";
    const bool expected = move.AwaitingTableChoice() && position == move.TableFocus;
    if (card.framed == expected && (!expected || card.visible)) return "";
    return "position " + std::to_string(position) + " framed " + std::to_string(card.framed) + ", visible " +
           std::to_string(card.visible);
}

int ExpectedPicture(int position, const CardView& card, const MatchController& match) {
    if (position == MyGame::StockPosition) return CardBackPicture;
    if (IsPcHand(position) && !IsPcCardShown(position, match)) return CardBackPicture;
    return MyGame::CardPicture(card.card);
}

std::string CheckPositions(const BoardView& view, const MyGame::FormMain& form, const Places& places,
                           const BoardFacts& facts) {
    const MatchController& match = form.Match;
    std::ostringstream fault;
    for (int position = 0; position < MyGame::PositionCount; ++position) {
        const CardView& card = view.cards[position];
        const RECT& box = card.box;
        const int drop = ExpectedDrop(position, card, match, facts);
        if (box.left != places.card[position].x || box.top != places.card[position].y + drop ||
            box.right - box.left != CardWidth || box.bottom - box.top != CardHeight) {
            fault << "position " << position << " at (" << box.left << ", " << box.top << ") "
                  << box.right - box.left << "x" << box.bottom - box.top << ", expected ("
                  << places.card[position].x << ", " << places.card[position].y + drop << ")";
            return fault.str();
        }
        const std::string frame = CheckFrame(position, card, match);
        if (!frame.empty()) return frame;
        if (card.visible != form.IsPositionShown(position)) {
            fault << "position " << position << " window visible " << card.visible << ", element shown "
                  << !card.visible;
            return fault.str();
        }
        if (!card.visible) continue;
        if (facts.matchStarted && HoldsCards(position) && (card.card < 1 || card.card > MyGame::DeckSize)) {
            fault << "shown position " << position << " holds card " << card.card;
            return fault.str();
        }
        if (!HoldsCards(position) && card.card != MyGame::NoCard) {
            fault << "the stock holds card " << card.card;
            return fault.str();
        }
        if (card.picture != ExpectedPicture(position, card, match)) {
            fault << "position " << position << " with card " << card.card << " shows picture " << card.picture;
            return fault.str();
        }
    }
    return "";
}

// Hands, table, both piles and the rest of the deck hold each card once.
std::string CheckAccounting(const BoardView& view, const MyGame::GameState& state) {
    int seen[MyGame::DeckSize + 1] = {};
    auto count = [&seen](MyGame::Card card) {
        if (card >= 1 && card <= MyGame::DeckSize) ++seen[card];
    };
    for (int position = 0; position < MyGame::PositionCount; ++position) {
        if (HoldsCards(position) && view.cards[position].visible) count(view.cards[position].card);
    }
    for (MyGame::Card card : state.PcPile) count(card);
    for (MyGame::Card card : state.PlayerPile) count(card);
    if (state.Deck.size() != MyGame::DeckSize || state.CardsLeft < 0 || state.CardsLeft > MyGame::DeckSize) {
        return "a deck of " + std::to_string(state.Deck.size()) + " with " + std::to_string(state.CardsLeft) + " left";
    }
    for (int i = MyGame::DeckSize - state.CardsLeft; i < MyGame::DeckSize; ++i) count(state.Deck[i]);
    for (MyGame::Card card = 1; card <= MyGame::DeckSize; ++card) {
        if (seen[card] != 1) return "card " + std::to_string(card) + " found " + std::to_string(seen[card]) + " times";
    }
    return "";
}

bool OneOf(const std::wstring& text, std::initializer_list<const wchar_t*> texts) {
    for (const wchar_t* candidate : texts) {
        if (text == candidate) return true;
    }
    return false;
}

// The play button decides by its own caption: it must read "GIOCA" exactly in
// the phases without a match under way. The score panel shows exactly while the
// hand is over. No phase but Idle before a match is started.
std::string CheckPhase(const BoardView& view, MyGame::MatchPhase phase, const BoardFacts& facts) {
    using MyGame::MatchPhase;
    const std::string name = "phase " + std::to_string(static_cast<int>(phase));
    if ((phase == MatchPhase::Idle) == facts.matchStarted) {
        return name + " with a match started " + std::to_string(facts.matchStarted);
    }
    const bool noMatch = phase == MatchPhase::Idle || phase == MatchPhase::MatchOver;
    if (view.playButton != (noMatch ? L"GIOCA" : L"ABBANDONA")) {
        return "play button \"" + KTUtility::Narrow(view.playButton) + "\" in " + name;
    }
    if (view.reportShown != (phase == MatchPhase::HandOver)) {
        return "score panel shown " + std::to_string(view.reportShown) + " in " + name;
    }
    return "";
}

// The status line, the totals, the play button and the panel against the state
// of the match.
std::string CheckTexts(const BoardView& view, const MatchController& match, const BoardFacts& facts) {
    const MyGame::GameState& state = match.State;
    const std::string status = KTUtility::Narrow(view.status);
    if (!IsStatusText(view.status)) return "status \"" + status + "\" is none of the game's";
    if (view.pcTotal != KTUtility::Widen(KTUtility::Int64ToText(state.PcMatchPoints)) ||
        view.playerTotal != KTUtility::Widen(KTUtility::Int64ToText(state.PlayerMatchPoints))) {
        return "totals " + KTUtility::Narrow(view.pcTotal) + " and " + KTUtility::Narrow(view.playerTotal);
    }
    const std::string fault = CheckPhase(view, match.Phase(), facts);
    if (!fault.empty()) return fault;
    if (!facts.matchStarted) {
        if (!view.status.empty()) return "not idle: " + status;
        return "";
    }
    const bool handOver = match.Phase() == MyGame::MatchPhase::HandOver;
    const bool matchOver = match.Phase() == MyGame::MatchPhase::MatchOver;
    bool fits = false;
    if (handOver) {
        fits = view.status == L"Fine mano" && view.pcReportTitle.rfind(L"PC - Punti ", 0) == 0 &&
               view.playerReportTitle.rfind(L"Giocatore - Punti ", 0) == 0;
    } else if (matchOver) {
        fits = OneOf(view.status, {L"Hai vinto!!", L"Hai perso.."});
    } else if (match.Move().AwaitingTableChoice()) {
        fits = match.PlayerToMove() && view.status == L"Selezionare le carte dal tavolo";
    } else if (match.PlayerToMove()) {
        fits = OneOf(view.status, {L"Tocca a te", L"Ora tocca a te", L"LURNA!! Ora tocca a te"});
    } else {
        fits = OneOf(view.status, {L"Tocca al pc", L"Ora tocca al PC", L"LURNA!! Ora tocca al PC"});
    }
    if (!fits) return "status \"" + status + "\" does not fit the match's state";
    if (handOver || matchOver) {
        for (int position = 0; position < MyGame::PositionCount; ++position) {
            if (view.cards[position].visible) return "position " + std::to_string(position) + " shown after the hand";
        }
    } else if (view.cards[MyGame::StockPosition].visible != (state.CardsLeft > 0)) {
        return "stock shown " + std::to_string(view.cards[MyGame::StockPosition].visible) + " with " +
               std::to_string(state.CardsLeft) + " cards left";
    }
    return "";
}

}  // namespace

bool IsStatusText(const std::wstring& text) {
    for (const wchar_t* candidate : StatusTexts) {
        if (text == candidate) return true;
    }
    return false;
}

std::string CheckBoard(const BoardView& view, const MyGame::FormMain& form, const Places& places,
                       const BoardFacts& facts) {
    std::string fault = CheckPositions(view, form, places, facts);
    if (fault.empty() && facts.matchStarted) fault = CheckAccounting(view, form.Match.State);
    if (fault.empty()) fault = CheckTexts(view, form.Match, facts);
    return fault;
}

std::string CheckIdle(const BoardView& view, const Places& places) {
    for (int position = 0; position < MyGame::PositionCount; ++position) {
        const CardView& card = view.cards[position];
        const bool extra = MyGame::IsExtraTablePosition(position);
        if (card.visible == extra) return "position " + std::to_string(position) + " visible " + std::to_string(card.visible);
        if (card.box.left != places.card[position].x || card.box.top != places.card[position].y) {
            return "position " + std::to_string(position) + " out of its place";
        }
        if (!extra && (card.picture != CardBackPicture || card.card != MyGame::NoCard)) {
            return "position " + std::to_string(position) + " shows picture " + std::to_string(card.picture) +
                   " and holds card " + std::to_string(card.card);
        }
    }
    if (!view.status.empty()) return "status \"" + KTUtility::Narrow(view.status) + "\"";
    if (view.pcTotal != L"0" || view.playerTotal != L"0") return "totals are not 0 and 0";
    if (view.playButton != L"GIOCA") return "play button \"" + KTUtility::Narrow(view.playButton) + "\"";
    if (view.reportShown) return "score panel shown";
    return "";
}

}  // namespace TableTest
