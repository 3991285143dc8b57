#include "MatchDriver.h"

#include "GameWindow.h"
#include "TestSupport.h"
#include "game/Captures.h"
#include "game/Deal.h"
#include "game/PcStrategy.h"
#include "game/Table.h"
#include "table/FormMain.h"
#include "toolkit/Button.h"
#include "toolkit/Image.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/SubMenu.h"
#include "toolkit/Text.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <vector>

namespace TableTest {

namespace {

using MyGame::IsPlayerHand;
using MyGame::IsTablePosition;
using MyGame::PlayerHandFirst;
using MyGame::TablePositions;

// Presses the random player may make in one turn before the test gives up: a
// turn needs a hand card and at most a handful of table cards.
constexpr int MaxPressesPerTurn = 2000;
constexpr int MaxHandsPerMatch = 40;

std::multiset<MyGame::Card> Tail(const MyGame::CardList& pile, std::size_t from) {
    return std::multiset<MyGame::Card>(pile.begin() + static_cast<std::ptrdiff_t>(std::min(from, pile.size())),
                                       pile.end());
}

bool TableEmpty(const BoardView& view) {
    for (int position : TablePositions) {
        if (view.cards[position].visible) return false;
    }
    return true;
}

std::string Join(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
    return text;
}

}  // namespace

// What the window showed and the match held before an event.
struct MatchDriver::Before {
    BoardView view;
    MyGame::GameState state;
    MyGame::MatchPhase phase;
    bool playerToMove;
    int pcTickCount;
    bool pcCardShown;
    bool pcCaptureShown;
    int pcChosenPosition;
    std::string pcCapture;
    MyGame::CaptureList playerOptions;
    bool awaiting;
    int playerChosenPosition;
    std::size_t sounds;
    int beeps;
    int tableFocus;
    int suggestedPosition;
    std::vector<int> suggestedPicks;
};

MatchDriver::MatchDriver(GameWindow& game, Player player, unsigned choices, Input input)
    : game_(game), player_(player), input_(input), choices_(choices) {}

void MatchDriver::PlayButton() {
    if (input_ == Input::Keys) {
        game_.Key(VK_F2);
    } else {
        game_.Click(*game_.Form().PlayButton);
    }
}

void MatchDriver::Continue() {
    if (input_ == Input::Keys) {
        game_.Key(choices_() % 2 ? VK_RETURN : VK_SPACE);
    } else {
        game_.Click(*game_.Form().ContinueButton);
    }
}

MatchDriver::Before MatchDriver::Take() const {
    const MyGame::MatchController& match = game_.Form().Match;
    const MyGame::MoveUnderWay& move = match.Move();
    return Before{ReadBoard(game_.Form()), match.State, match.Phase(), match.PlayerToMove(), move.PcTickCount,
                  move.PcCardShown(), move.PcCaptureShown(), move.PcChosenPosition, move.PcCapture,
                  move.PlayerOptions, move.AwaitingTableChoice(), move.PlayerChosenPosition,
                  game_.sounds.size(), game_.beeps, move.TableFocus, move.SuggestedPosition, move.SuggestedPicks};
}

std::string MatchDriver::Where(const std::string& event) const {
    std::ostringstream where;
    where << " (seed " << seed_ << ", hand " << hands_ + 1 << ", " << event << ")";
    return where.str();
}

std::string MatchDriver::Check(const std::string& event) {
    return Check(event, ReadBoard(game_.Form()));
}

std::string MatchDriver::Check(const std::string& event, const BoardView& view) {
    ++counts.checks;
    const std::string fault = CheckBoard(view, game_.Form(), places, facts);
    return fault.empty() ? fault : fault + Where(event);
}

bool MatchDriver::MatchOver() const {
    const MyGame::FormMain& form = game_.Form();
    return facts.matchStarted && form.Match.Phase() == MyGame::MatchPhase::MatchOver;
}

std::string MatchDriver::StartMatch(unsigned seed) {
    seed_ = seed;
    hands_ = 0;
    MyGame::RunRandom().seed(seed);
    PlayButton();
    ++counts.clicks;
    facts.matchStarted = true;
    facts.marks.clear();
    playerBeganHand_ = true;
    // The deal comes from the seeded generator: the match can be replayed.
    MyGame::GameState replay;
    MyGame::DeckRandom random(seed);
    MyGame::ShuffleDeck(replay, random);
    const MyGame::MatchController& match = game_.Form().Match;
    if (match.State.Deck != replay.Deck) return "the deal is not the seeded one" + Where("GIOCA");
    const BoardView view = ReadBoard(game_.Form());
    if (view.status != L"Tocca a te" || !match.PlayerToMove() || match.State.CardsLeft != 30) {
        return "a new match does not begin with the player" + Where("GIOCA");
    }
    return Check("GIOCA");
}

std::string MatchDriver::Advance() {
    const MyGame::MatchController& match = game_.Form().Match;
    if (match.HandActive()) return match.PlayerToMove() ? PlayerMove() : MakePcStepAfterWait();
    if (match.Phase() == MyGame::MatchPhase::HandOver) return ContinueAfterHand();
    return "";
}

std::string MatchDriver::PlayToEnd() {
    while (!MatchOver()) {
        if (hands_ >= MaxHandsPerMatch) return "the match does not end" + Where("");
        const std::string fault = Advance();
        if (!fault.empty()) return fault;
    }
    const MyGame::GameState& state = game_.Form().Match.State;
    const std::wstring status = ReadBoard(game_.Form()).status;
    const bool lost = state.PcMatchPoints > state.PlayerMatchPoints && state.PcMatchPoints >= 11;
    const bool won = state.PlayerMatchPoints > state.PcMatchPoints && state.PlayerMatchPoints >= 11;
    if (status != (won ? L"Hai vinto!!" : lost ? L"Hai perso.." : L"")) {
        return "the match ended " + std::to_string(state.PcMatchPoints) + " to " +
               std::to_string(state.PlayerMatchPoints) + " with \"" + KTUtility::Narrow(status) + "\"" +
               Where("the end");
    }
    return "";
}

std::string MatchDriver::Abandon() {
    PlayButton();
    ++counts.clicks;
    ++counts.abandons;
    facts.matchStarted = false;
    facts.marks.clear();
    const MyGame::MatchController& match = game_.Form().Match;
    const MyGame::MoveUnderWay& move = match.Move();
    std::string fault = CheckIdle(ReadBoard(game_.Form()), places);
    if (fault.empty() && (match.Phase() != MyGame::MatchPhase::Idle || move.PcCardShown() || move.PcCaptureShown() ||
                          move.PcChosenPosition != -1 || !move.PcCapture.empty() || !move.PlayerOptions.empty() ||
                          move.AwaitingTableChoice() || move.PcTickCount != 0)) {
        fault = "abandoning leaves a move under way";
    }
    if (fault.empty()) fault = Check("ABBANDONA");
    return fault.empty() ? fault : fault + Where("ABBANDONA");
}

std::string MatchDriver::Unchanged(const Before& before, const Before& after, const std::string& what) {
    const std::vector<std::string> changed = Differences(before.view, after.view);
    if (!changed.empty()) return what + " changed " + Join(changed) + Where(what);
    if (after.sounds != before.sounds) return what + " played a sound" + Where(what);
    if (after.awaiting != before.awaiting || after.playerOptions != before.playerOptions ||
        after.playerToMove != before.playerToMove || after.phase != before.phase ||
        after.state.PcPile != before.state.PcPile || after.state.PlayerPile != before.state.PlayerPile ||
        after.pcCardShown != before.pcCardShown || after.pcCaptureShown != before.pcCaptureShown ||
        after.pcChosenPosition != before.pcChosenPosition || after.pcCapture != before.pcCapture) {
        return what + " changed the match" + Where(what);
    }
    return "";
}

// Any shown card; half of the time one of those a press of the player's turn
// counts on (the hand while choosing, the table while picking), so that the
// turns end without thousands of presses.
int MatchDriver::RandomShownPosition() {
    const MyGame::MatchController& match = game_.Form().Match;
    const bool preferUseful = match.HandActive() && match.PlayerToMove() && choices_() % 2 == 0;
    std::vector<int> shown;
    for (int position = 0; position < MyGame::PositionCount; ++position) {
        if (!IsWindowVisible(game_.Form().CardPositions[position]->windowHandle)) continue;
        const bool useful = match.Move().AwaitingTableChoice() ? IsTablePosition(position) : IsPlayerHand(position);
        if (!preferUseful || useful) shown.push_back(position);
    }
    if (shown.empty()) return -1;
    return shown[std::uniform_int_distribution<std::size_t>(0, shown.size() - 1)(choices_)];
}

// Ticks while nothing is due: the timer runs on during the player's turn and
// the score panel, and must change nothing there.
std::string MatchDriver::QuietTicks(int count, const std::string& when) {
    const Before before = Take();
    for (int i = 0; i < count; ++i) game_.Tick();
    counts.ticks += count;
    std::string fault = Unchanged(before, Take(), "a tick " + when);
    if (fault.empty() && game_.Form().Match.Move().PcTickCount != 0) fault = "the PC counts ticks " + when + Where(when);
    return fault;
}

std::string MatchDriver::PlayerMove() {
    MyGame::FormMain& form = game_.Form();
    if (player_ == Player::Random) {
        for (int presses = 0; form.Match.HandActive() && form.Match.PlayerToMove(); ++presses) {
            if (presses >= MaxPressesPerTurn) return "the player's turn never ends" + Where("random presses");
            const std::string fault = PressRandomCard();
            if (!fault.empty()) return fault;
        }
        return "";
    }
    if (input_ == Input::Keys) return PlayerMoveByKeys();
    const MyGame::PcMove move = MyGame::ChooseMove(form.Match.State, form, MyGame::Side::Player);
    if (move.HandIndex < 0) return "the player has no card to play" + Where("the strategy");
    std::string fault = PressChecked(MyGame::HandPosition(MyGame::Side::Player, move.HandIndex));
    for (const MyGame::CaptureToken& token : MyGame::ParseCapture(move.CaptureText)) {
        if (!fault.empty() || !form.Match.Move().AwaitingTableChoice()) break;
        fault = PressChecked(MyGame::PositionNamed(form, token));
    }
    if (fault.empty() && form.Match.HandActive() && form.Match.PlayerToMove()) {
        fault = "the presses of capture \"" + move.CaptureText + "\" do not make the move" + Where("the strategy");
    }
    return fault;
}

std::string MatchDriver::PressRandomCard() {
    return PressChecked(RandomShownPosition());
}

std::string MatchDriver::PressChecked(int position) {
    if (position < 0) return "no card shown to press" + Where("a press");
    // The timer runs on in the player's turn: a few ticks come before the
    // press, and are judged with it (they must change nothing).
    const int ticks = static_cast<int>(choices_() % 3);
    for (int i = 0; i < ticks; ++i) game_.Tick();
    counts.ticks += ticks;
    if (game_.Form().Match.Move().PcTickCount != 0) return "the PC counts ticks in the player's turn" + Where("a tick");
    return PressAt(position);
}

std::string MatchDriver::PlayerMoveByKeys() {
    MyGame::FormMain& form = game_.Form();
    // The coach gives Esperto's move for the player.
    const MyGame::PcMove move = MyGame::ChooseLevelMove(form.Match.State, form, MyGame::Side::Player,
                                                        MyGame::PcLevel::Esperto, form.Match.DecisionSeed());
    if (move.HandIndex < 0) return "the player has no card to play" + Where("the coach");
    std::string fault = AskCoach(move);
    const int chosen = MyGame::HandPosition(MyGame::Side::Player, move.HandIndex);
    const UINT digit = choices_() % 2 ? '1' + move.HandIndex : VK_NUMPAD1 + move.HandIndex;
    if (fault.empty()) fault = PressWith(chosen, [&] { game_.Key(digit); });
    for (const MyGame::CaptureToken& token : MyGame::ParseCapture(move.CaptureText)) {
        if (!fault.empty() || !form.Match.Move().AwaitingTableChoice()) break;
        const int target = MyGame::PositionNamed(form, token);
        fault = FocusOn(target);
        const UINT press = choices_() % 2 ? VK_RETURN : VK_SPACE;
        if (fault.empty()) fault = PressWith(target, [&] { game_.Key(press); });
    }
    if (fault.empty() && form.Match.HandActive() && form.Match.PlayerToMove()) {
        fault = "the keys of capture \"" + move.CaptureText + "\" do not make the move" + Where("the keys");
    }
    return fault;
}

std::string MatchDriver::AskCoach(const MyGame::PcMove& move) {
    MyGame::FormMain& form = game_.Form();
    const Before before = Take();
    if (choices_() % 2) {
        game_.Key('H');
    } else {
        game_.ChooseMenuItem(form.SuggestItem->controlId);
    }
    const Before after = Take();
    const int chosen = MyGame::HandPosition(MyGame::Side::Player, move.HandIndex);
    std::vector<int> picks;
    for (const MyGame::CaptureToken& token : MyGame::ParseCapture(move.CaptureText)) {
        picks.push_back(MyGame::PositionNamed(form, token));
    }
    if (after.suggestedPosition != chosen || after.suggestedPicks != picks) {
        return "the coach does not suggest \"" + move.CaptureText + "\" with hand card " +
               std::to_string(move.HandIndex) + Where("the coach");
    }
    std::vector<std::string> moved;
    for (int position : picks) moved.push_back("card " + std::to_string(position) + " box");
    moved.push_back("card " + std::to_string(chosen) + " box");
    std::sort(moved.begin(), moved.end());
    std::vector<std::string> changed = Differences(before.view, after.view);
    std::sort(changed.begin(), changed.end());
    if (changed != moved || after.beeps != before.beeps || after.sounds != before.sounds) {
        return "the coach changed " + Join(changed) + Where("the coach");
    }
    return Check("the coach", after.view);
}

std::string MatchDriver::FocusOn(int position) {
    MyGame::FormMain& form = game_.Form();
    for (int moves = 0; form.Match.Move().TableFocus != position; ++moves) {
        if (moves > 2 * MyGame::TableSize) return "the focus never reaches " + std::to_string(position) + Where("a key");
        const Before before = Take();
        const UINT keys[] = {VK_RIGHT, VK_DOWN, VK_TAB, VK_LEFT, VK_UP};
        const UINT key = keys[choices_() % 5];
        const bool back = key == VK_LEFT || key == VK_UP;
        game_.Key(key, choices_() % 4 == 0);
        const Before after = Take();
        // The next shown table card in table order, or the previous, wrapping.
        const int* from = std::find(std::begin(TablePositions), std::end(TablePositions), before.tableFocus);
        int expected = -1;
        for (int step = 1; step <= MyGame::TableSize && expected < 0; ++step) {
            const std::ptrdiff_t at = from - std::begin(TablePositions);
            const int place = static_cast<int>((at + (back ? MyGame::TableSize - step : step)) % MyGame::TableSize);
            if (before.view.cards[TablePositions[place]].visible) expected = TablePositions[place];
        }
        std::vector<std::string> changed = Differences(before.view, after.view);
        const std::vector<std::string> frames =
            expected == before.tableFocus ? std::vector<std::string>{}
                                          : std::vector<std::string>{"card " + std::to_string(std::min(expected, before.tableFocus)) + " frame",
                                                                     "card " + std::to_string(std::max(expected, before.tableFocus)) + " frame"};
        if (after.tableFocus != expected || changed != frames || after.beeps != before.beeps) {
            return "a focus key moved the frame from " + std::to_string(before.tableFocus) + " to " +
                   std::to_string(after.tableFocus) + " and changed " + Join(changed) + Where("a focus key");
        }
        const std::string fault = Check("a focus key", after.view);
        if (!fault.empty()) return fault;
    }
    return "";
}

std::string MatchDriver::StrayKey(UINT key, bool repeated, const std::string& when) {
    const Before before = Take();
    game_.Key(key, repeated);
    const Before after = Take();
    if (after.beeps != before.beeps) return "a key " + when + " beeped" + Where(when);
    return Unchanged(before, after, "a key " + when);
}

std::string MatchDriver::PressAt(int position) {
    return PressWith(position, [&] { game_.Press(position); });
}

std::string MatchDriver::PressWith(int position, const std::function<void()>& press) {
    MyGame::FormMain& form = game_.Form();
    Before before = Take();
    const bool canCapture =
        !MyGame::FindCaptures(form, MyGame::CardValue(before.view.cards[position].card)).empty();
    press();
    ++counts.presses;
    const Before after = Take();
    // A suggestion on show goes back with any press, whatever the press does;
    // the board check judges where its cards are now.
    std::vector<int> suggested = before.suggestedPicks;
    if (before.suggestedPosition >= 0) suggested.push_back(before.suggestedPosition);
    for (int moved : suggested) before.view.cards[moved].box = after.view.cards[moved].box;
    const long unchanged = counts.ignored + counts.refused;
    std::string fault = CheckPress(position, before, after, canCapture);
    // A press that changed nothing leaves the board as it was last checked.
    if (fault.empty() && counts.ignored + counts.refused == unchanged) {
        fault = Check("a press on position " + std::to_string(position), after.view);
    }
    return fault;
}

std::string MatchDriver::CheckPress(int position, const Before& before, const Before& after, bool canCapture) {
    const std::string what = "a press on position " + std::to_string(position);
    const bool counted = before.playerToMove &&
                        (IsPlayerHand(position) ? !before.awaiting : IsTablePosition(position) && before.awaiting);
    // A press that is refused beeps: a hand card while picking, a table card
    // that fits no open option. Nothing else beeps.
    const bool refusedHandCard = before.playerToMove && before.awaiting &&
                                 IsPlayerHand(position);
    const bool beeped = after.beeps != before.beeps;
    if (after.beeps - before.beeps > 1) return what + " beeped more than once" + Where(what);
    if (!counted) {
        ++counts.ignored;
        if (beeped != refusedHandCard) return what + (beeped ? " beeped" : " did not beep") + Where(what);
        return Unchanged(before, after, what);
    }
    const std::vector<std::string> changed = Differences(before.view, after.view);
    if (after.awaiting && !IsPlayerHand(position) && changed.empty()) {
        // A card already picked keeps the options and stays marked; any other
        // card that changes nothing was refused.
        const bool pickedBefore = facts.marks.count(position) != 0;
        if (!pickedBefore) ++counts.refused;
        if (beeped == pickedBefore) return what + (beeped ? " beeped" : " refused without a beep") + Where(what);
        return Unchanged(before, after, what);
    }
    if (beeped) return what + " beeped" + Where(what);
    if (IsPlayerHand(position)) {
        if (after.awaiting) {
            // The chosen card rises, the frame goes to the first card that fits.
            std::vector<std::string> expected{"card " + std::to_string(after.tableFocus) + " frame", "status"};
            // Unless the coach had raised it already.
            if (before.suggestedPosition != position) {
                expected.insert(expected.begin(), "card " + std::to_string(position) + " box");
            }
            if (changed != expected) return what + " to choose changed " + Join(changed) + Where(what);
            return canCapture ? "" : what + " waits for table cards it cannot take" + Where(what);
        }
        return CheckMove(true, before.view.cards[position].card, canCapture, before, after, "", -1);
    }
    if (after.awaiting) {
        if (changed != std::vector<std::string>{"card " + std::to_string(position) + " box"}) {
            return what + " while picking changed " + Join(changed) + Where(what);
        }
        facts.marks.insert(position);
        ++counts.marks;
        return "";
    }
    return CheckMove(true, before.view.cards[before.playerChosenPosition].card, true, before, after, "", position);
}

// A move just made by either side, from the board before it.
std::string MatchDriver::CheckMove(bool byPlayer, MyGame::Card played, bool capture, const Before& before,
                                   const Before& after, const std::string& pcCapture, int pressed) {
    const std::string what = byPlayer ? "the player's move" : "the PC's move";
    const MyGame::CardList& pile = byPlayer ? after.state.PlayerPile : after.state.PcPile;
    const std::size_t old = (byPlayer ? before.state.PlayerPile : before.state.PcPile).size();
    const int oldSweeps = byPlayer ? before.state.PlayerSweeps : before.state.PcSweeps;
    const int sweeps = byPlayer ? after.state.PlayerSweeps : after.state.PcSweeps;
    const bool handOver = after.phase == MyGame::MatchPhase::HandOver;
    const bool lurna = after.view.status.rfind(L"LURNA!! ", 0) == 0;
    std::set<int> marks;
    marks.swap(facts.marks);
    // A sweep is heard: the player's with one sound, the PC's with the other.
    const std::vector<int> heard(game_.sounds.begin() + static_cast<std::ptrdiff_t>(before.sounds), game_.sounds.end());
    if (heard != (lurna ? std::vector<int>{byPlayer ? MyGame::PlayerSound : MyGame::PcSound} : std::vector<int>{})) {
        return what + " played " + std::to_string(heard.size()) + " sounds, sweep shown " + std::to_string(lurna) +
               Where(what);
    }

    if (handOver) {
        // The last move: the rest of the table went to the last taker, and the
        // last capture of a hand is no sweep.
        if (capture) {
            std::multiset<MyGame::Card> expected{played};
            for (int position : TablePositions) {
                if (before.view.cards[position].visible) expected.insert(before.view.cards[position].card);
            }
            if (pile.size() <= old || pile[old] != played || Tail(pile, old) != expected) {
                return what + " took other cards than the table at the end of the hand" + Where(what);
            }
        }
        if (sweeps != oldSweeps) return what + " counted a sweep with the last card" + Where(what);
        return "";
    }
    if (after.playerToMove == byPlayer) return what + " did not hand the turn over" + Where(what);
    if (lurna) ++counts.sweeps;
    if (lurna != (capture && TableEmpty(after.view)) || sweeps != oldSweeps + (lurna ? 1 : 0)) {
        return what + ": sweep shown " + std::to_string(lurna) + ", counted " + std::to_string(sweeps - oldSweeps) +
               Where(what);
    }
    if (!capture) {
        const int* freePlace = std::find_if(std::begin(TablePositions), std::end(TablePositions),
                                            [&](int position) { return !before.view.cards[position].visible; });
        if (freePlace == std::end(TablePositions)) return what + " laid a card on a full table" + Where(what);
        const CardView& laid = after.view.cards[*freePlace];
        if (!laid.visible || laid.card != played || after.state.PcPile != before.state.PcPile ||
            after.state.PlayerPile != before.state.PlayerPile) {
            return what + " did not lay " + std::to_string(played) + " on the first free place" + Where(what);
        }
        const bool redealt = after.state.CardsLeft != before.state.CardsLeft;
        if (byPlayer && !redealt && after.state.PlayerLastLaidValue != MyGame::CardValue(played)) {
            return what + " did not note the laid value" + Where(what);
        }
        return "";
    }
    std::vector<int> taken;
    std::multiset<MyGame::Card> takenCards;
    int takenValue = 0;
    for (int position : TablePositions) {
        if (before.view.cards[position].visible && !after.view.cards[position].visible) {
            taken.push_back(position);
            takenCards.insert(before.view.cards[position].card);
            takenValue += MyGame::CardValue(before.view.cards[position].card);
        }
    }
    if (pile.size() != old + 1 + taken.size() || pile[old] != played || Tail(pile, old + 1) != takenCards ||
        takenValue != MyGame::CardValue(played) || after.state.LastTakerIsPlayer != byPlayer) {
        return what + " with " + std::to_string(played) + " took " + std::to_string(taken.size()) +
               " cards worth " + std::to_string(takenValue) + Where(what);
    }
    if (byPlayer) {
        if (pressed >= 0) marks.insert(pressed);
        for (int mark : marks) {
            if (std::find(taken.begin(), taken.end(), mark) == taken.end()) {
                return what + " left the picked position " + std::to_string(mark) + Where(what);
            }
        }
        return "";
    }
    // The PC takes exactly the cards it raised, in the capture's order.
    const std::vector<MyGame::CaptureToken> tokens = MyGame::ParseCapture(pcCapture);
    if (tokens.size() != taken.size()) return what + " took other cards than \"" + pcCapture + "\"" + Where(what);
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        const int position = MyGame::PositionNamed(game_.Form(), tokens[i]);
        if (position < 0 || pile[old + 1 + i] != before.view.cards[position].card) {
            return what + " took other cards than \"" + pcCapture + "\"" + Where(what);
        }
    }
    return "";
}

std::string MatchDriver::WaitForPcStep() {
    const MyGame::MoveUnderWay& move = game_.Form().Match.Move();
    if (move.PcTickCount != 0) return "the PC's wait starts at " + std::to_string(move.PcTickCount) + Where("");
    const Before before = Take();
    for (int tick = 1; tick <= MyGame::PcWaitTicks; ++tick) {
        game_.Tick();
        if (input_ == Input::Keys && tick == MyGame::PcWaitTicks / 3) {
            const UINT keys[] = {'1', '2', '3', VK_NUMPAD2, 'H', VK_RETURN, VK_SPACE, VK_F2, VK_LEFT, VK_TAB};
            const std::string fault = StrayKey(keys[choices_() % 10], choices_() % 3 == 0, "in the PC's turn");
            if (!fault.empty()) return fault;
        }
        if (player_ == Player::Random && tick == MyGame::PcWaitTicks / 2 && choices_() % 4 == 0) {
            // A press during the PC's turn is ignored.
            const Before pressed = Take();
            game_.Press(RandomShownPosition());
            ++counts.presses;
            ++counts.ignored;
            const Before after = Take();
            if (after.beeps != pressed.beeps) return "a press in the PC's turn beeped" + Where("a press");
            const std::string fault = Unchanged(pressed, after, "a press in the PC's turn");
            if (!fault.empty()) return fault;
        }
    }
    counts.ticks += MyGame::PcWaitTicks;
    if (move.PcTickCount != MyGame::PcWaitTicks) {
        return "the PC counted " + std::to_string(move.PcTickCount) + Where("");
    }
    const std::vector<std::string> changed = Differences(before.view, ReadBoard(game_.Form()));
    if (!changed.empty()) return "the PC's wait changed " + Join(changed) + Where("the PC's wait");
    return "";
}

std::string MatchDriver::MakePcStep() {
    const MyGame::MoveUnderWay& move = game_.Form().Match.Move();
    const Before before = Take();
    game_.Tick();
    ++counts.ticks;
    const Before after = Take();
    std::string fault;
    const std::vector<std::string> changed = Differences(before.view, after.view);
    if (!before.pcCardShown) {
        const std::string card = "card " + std::to_string(move.PcChosenPosition);
        if (!move.PcCardShown() || move.PcTickCount != 0 || !before.view.cards[move.PcChosenPosition].visible ||
            changed != std::vector<std::string>{card + " box", card + " picture"}) {
            fault = "the PC's first step changed " + Join(changed);
        }
    } else if (!before.pcCaptureShown && !before.pcCapture.empty()) {
        std::vector<std::string> raised;
        for (const MyGame::CaptureToken& token : MyGame::ParseCapture(before.pcCapture)) {
            const int position = MyGame::PositionNamed(game_.Form(), token);
            raised.push_back("card " + std::to_string(position) + " box");
        }
        std::sort(raised.begin(), raised.end());
        std::vector<std::string> sorted = changed;
        std::sort(sorted.begin(), sorted.end());
        if (!move.PcCaptureShown() || move.PcTickCount != 0 || sorted != raised) {
            fault = "the PC's second step changed " + Join(changed);
        }
    } else {
        const int position = MyGame::HandPosition(MyGame::Side::Pc, before.pcChosenPosition);
        fault = CheckMove(false, before.view.cards[position].card, !before.pcCapture.empty(), before, after,
                          before.pcCapture, -1);
        if (fault.empty() && (move.PcChosenPosition != -1 || !move.PcCapture.empty() || move.PcCardShown())) {
            fault = "the PC's move is not cleared after it";
        }
    }
    if (!fault.empty()) return fault + Where("the PC's step");
    return Check("the PC's step", after.view);
}

std::string MatchDriver::MakePcStepAfterWait() {
    const std::string fault = WaitForPcStep();
    return fault.empty() ? MakePcStep() : fault;
}

std::string MatchDriver::ContinueAfterHand() {
    std::string fault = QuietTicks(1 + static_cast<int>(choices_() % 3), "under the score panel");
    if (!fault.empty()) return fault;
    MyGame::FormMain& form = game_.Form();
    const std::size_t sounds = game_.sounds.size();
    const int pc = form.Match.State.PcMatchPoints;
    const int player = form.Match.State.PlayerMatchPoints;
    Continue();
    ++counts.clicks;
    ++hands_;
    // The end of the match is heard: the win with one sound, the loss with the
    // other; the next hand with none.
    std::vector<int> expected;
    if (pc > player && pc >= 11) expected.push_back(MyGame::PcSound);
    if (player > pc && player >= 11) expected.push_back(MyGame::PlayerSound);
    if (std::vector<int>(game_.sounds.begin() + static_cast<std::ptrdiff_t>(sounds), game_.sounds.end()) != expected) {
        return "\"Continua\" at " + std::to_string(pc) + " to " + std::to_string(player) + " played other sounds" +
               Where("Continua");
    }
    // The window paints once a hand: every paint of the form redraws the whole
    // table, which is too slow for every event of a hundred matches.
    ToolkitTest::Pump();
    fault = Check("Continua");
    if (!fault.empty() || MatchOver()) return fault;
    playerBeganHand_ = !playerBeganHand_;
    const BoardView view = ReadBoard(form);
    if (form.Match.PlayerToMove() != playerBeganHand_ || form.Match.State.CardsLeft != 30 ||
        view.status != (playerBeganHand_ ? L"Tocca a te" : L"Tocca al pc")) {
        return "the next hand is not begun by the other side" + Where("Continua");
    }
    return "";
}

}  // namespace TableTest
