#include "tools/selfplay/ControllerPlay.h"

#include "game/PcLevel.h"
#include "tools/selfplay/PlayCommon.h"
#include "tools/selfplay/Recount.h"

#include <algorithm>
#include <chrono>
#include <numeric>

namespace SelfPlay {

using namespace MyGame;

namespace {

// Far more than any match needs; a match still going after this is stuck.
constexpr int MaxHandsPerMatch = 200;
// The steps of the PC's move fall on these ticks of its turn.
constexpr int FirstStepTick = PcWaitTicks + 1;
constexpr int MaxPcTicks = 10 * FirstStepTick;

bool InHand(const Card (&hand)[HandSize], Card card) {
    return std::find(std::begin(hand), std::end(hand), card) != std::end(hand);
}

// The table's cards in table order.
CardList CardsOf(const TableCards& table) {
    return CardList(table.Cards, table.Cards + table.Count);
}

// The table's cards without the taken ones, in table order.
CardList Without(const TableCards& table, const CardList& taken) {
    CardList rest;
    for (int i = 0; i < table.Count; ++i) {
        if (std::find(taken.begin(), taken.end(), table.Cards[i]) == taken.end()) rest.push_back(table.Cards[i]);
    }
    return rest;
}

// The table's cards in table order after the card is laid at the first free place.
CardList WithLaid(const TableCards& table, Card laid) {
    CardList cards;
    int next = 0;
    bool placed = false;
    for (int position : TablePositions) {
        if (next < table.Count && table.Positions[next] == position) {
            cards.push_back(table.Cards[next++]);
        } else if (!placed) {
            cards.push_back(laid);
            placed = true;
        }
    }
    return cards;
}

// The table positions of the capture's cards in an order of pressing that makes
// exactly that capture; empty when no order does. A press goes to the options
// that name the card before any that would fill an open value with it, so the
// order can matter.
std::vector<int> PressOrder(const BoardRecord& board, const CaptureList& options, const std::string& capture) {
    std::vector<int> positions;
    std::vector<int> wanted;
    for (const CaptureToken& token : ParseCapture(capture)) {
        positions.push_back(PositionNamed(board, token));
        wanted.push_back(token.Number);
    }
    std::sort(wanted.begin(), wanted.end());
    std::vector<int> order(positions.size());
    std::iota(order.begin(), order.end(), 0);
    // The capture's own order first.
    do {
        CaptureList left = options;
        std::vector<int> pressed;
        for (int k : order) {
            if (CaptureReady(left)) break;
            const int position = positions[k];
            left = SelectTableCard(left, board.Identifier(position), board.CardAt(position));
            if (left.empty()) break;
            pressed.push_back(position);
        }
        if (!CaptureReady(left)) continue;
        std::vector<int> made;
        for (const CaptureToken& token : ParseCapture(left.front())) made.push_back(token.Number);
        std::sort(made.begin(), made.end());
        if (made == wanted) return pressed;
    } while (std::next_permutation(order.begin(), order.end()));
    return {};
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

ControllerGame::ControllerGame(Opponent opponent, std::uint32_t seed, PcLevel pcLevel, PcLevel playerLevel)
    : opponent_(opponent),
      playerLevel_(playerLevel),
      deckRandom_(seed),
      random_(seed ^ 0x9E3779B9u),
      match_(board_, deckRandom_, seed) {
    match_.SetPcLevel(pcLevel);
}

void ControllerGame::PlayDuplicatePair(PcLevel first, PcLevel second, std::uint32_t pairSeed) {
    const std::int64_t winsBefore = figures_.FirstWins;
    exactPresses_ = true;
    for (bool firstIsPc : {true, false}) {
        deckRandom_.seed(pairSeed);
        firstIsPc_ = firstIsPc;
        match_.SetPcLevel(firstIsPc ? first : second);
        playerLevel_ = firstIsPc ? second : first;
        PlayMatch();
    }
    figures_.PairWins.push_back(static_cast<int>(figures_.FirstWins - winsBefore));
}

void ControllerGame::PlayMatch() {
    match_.StartMatch();
    if (board_.PcTotal != "0" || board_.PlayerTotal != "0" || board_.PlayButtonText != "ABBANDONA") {
        Violation("match started with totals " + board_.PcTotal + " " + board_.PlayerTotal);
    }
    bool playerBegins = true;
    for (int hand = 0;; ++hand) {
        if (hand == MaxHandsPerMatch) {
            Violation("match does not end");
            break;
        }
        if (!PlayHand(playerBegins)) break;
        const bool over = MatchOver(match_.State.PcMatchPoints, match_.State.PlayerMatchPoints);
        Continue(playerBegins);
        if (over) return;
        playerBegins = !playerBegins;
    }
    match_.AbandonMatch();
}

bool ControllerGame::PlayHand(bool playerBegins) {
    const int pcBefore = match_.State.PcMatchPoints;
    const int playerBefore = match_.State.PlayerMatchPoints;
    lastTakerIsPlayer_ = false;
    if (match_.PlayerToMove() != playerBegins || board_.Status != (playerBegins ? "Tocca a te" : "Tocca al pc")) {
        Violation("wrong side begins the hand");
    }
    CheckCardsAccounted();
    CheckAtRest();
    int moves = 0;
    while (match_.HandActive()) {
        if (moves == MovesPerHand) {
            Violation("hand not over after 36 moves");
            return false;
        }
        const Side side = match_.PlayerToMove() ? Side::Player : Side::Pc;
        const Before before = Record(side);
        if (side == Side::Player) {
            PlayPlayerMove();
        } else {
            PlayPcMove();
        }
        ++moves;
        if (match_.HandActive() && match_.PlayerToMove() == (side == Side::Player)) {
            Violation("the turn did not pass");
            return false;
        }
        CheckMove(side, before);
        CheckCardsAccounted();
        CheckAtRest();
    }
    if (moves != MovesPerHand) Violation("hand over after " + std::to_string(moves) + " moves");
    ++totals_.Hands;
    CheckHandOver(pcBefore, playerBefore);
    const int pcLead = (match_.State.PcMatchPoints - pcBefore) - (match_.State.PlayerMatchPoints - playerBefore);
    ++figures_.Hands;
    figures_.PointDifference += firstIsPc_ ? pcLead : -pcLead;
    return true;
}

void ControllerGame::Continue(bool playerBegan) {
    const int pc = match_.State.PcMatchPoints;
    const int player = match_.State.PlayerMatchPoints;
    const std::size_t sounds = board_.Sounds.size();
    match_.ContinueAfterHand();
    if (board_.ReportShown) Violation("score panel still shown");
    if (!MatchOver(pc, player)) {
        if (!match_.HandActive() || match_.PlayerToMove() == playerBegan || !board_.IsPositionShown(StockPosition)) {
            Violation("next hand not dealt to the other side");
        }
        return;
    }
    const bool lost = pc > player;
    if (match_.HandActive() || board_.Status != (lost ? "Hai perso.." : "Hai vinto!!") ||
        board_.Sounds.size() != sounds + 1 || board_.Sounds.back() != (lost ? PcSound : PlayerSound) ||
        board_.PlayButtonText != "GIOCA") {
        Violation("end of match shown wrongly");
    }
    ++totals_.Matches;
    if (lost) ++totals_.PcWins;
    ++figures_.Matches;
    if (lost == firstIsPc_) ++figures_.FirstWins;
}

void ControllerGame::PlayPlayerMove() {
    if (opponent_ == Opponent::Random) {
        PressRandomly();
        return;
    }
    const auto start = std::chrono::steady_clock::now();
    const PcMove move = ChooseLevelMove(match_.State, board_, Side::Player, playerLevel_, match_.DecisionSeed());
    RecordTime(false, MillisecondsSince(start));
    if (move.HandIndex < 0) {
        Violation("no card to play");
        return;
    }
    Press(HandPosition(Side::Player, move.HandIndex));
    if (match_.Move().AwaitingTableChoice()) PressTableCards(move.CaptureText);
    if (match_.Move().AwaitingTableChoice()) {
        Violation("pressing the chosen capture does not make it: " + move.CaptureText);
    }
}

void ControllerGame::PressTableCards(const std::string& capture) {
    if (!exactPresses_) {
        for (const CaptureToken& token : ParseCapture(capture)) {
            if (!match_.Move().AwaitingTableChoice()) break;
            Press(PositionNamed(board_, token));
        }
        return;
    }
    const std::vector<int> order = PressOrder(board_, match_.Move().PlayerOptions, capture);
    if (order.empty()) Violation("no order of presses makes the capture " + capture);
    for (int position : order) Press(position);
}

void ControllerGame::RecordTime(bool pcMoved, double milliseconds) {
    (pcMoved == firstIsPc_ ? figures_.FirstTimes : figures_.SecondTimes).push_back(milliseconds);
}

// A random hand card, then random presses anywhere on the table and now and then
// on the hand, until the move is made.
void ControllerGame::PressRandomly() {
    const int position = RandomPlayerHandPosition(board_, random_);
    if (position < 0) {
        Violation("no card to play");
        return;
    }
    Press(position);
    std::uniform_int_distribution<int> pick(0, TableSize + HandSize - 1);
    for (int presses = 0; match_.Move().AwaitingTableChoice(); ++presses) {
        if (presses == MaxPresses) {
            Violation("selection locked: " + match_.Move().PlayerOptions.front());
            return;
        }
        const int choice = pick(random_);
        Press(choice < TableSize ? TablePositions[choice] : HandPosition(Side::Player, choice - TableSize));
    }
}

void ControllerGame::PlayPcMove() {
    bool capture = false;
    int shownAt = 0;
    int raisedAt = 0;
    int tick = 0;
    while (match_.HandActive() && !match_.PlayerToMove()) {
        if (tick == MaxPcTicks) {
            Violation("the PC does not move");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        Tick();
        ++tick;
        if (shownAt == 0 && match_.Move().PcCardShown()) {
            // The tick that shows the card is the one that chose it.
            RecordTime(true, MillisecondsSince(start));
            shownAt = tick;
            capture = !match_.Move().PcCapture.empty();
            const int position = PcHandFirst + match_.Move().PcChosenPosition;
            const PositionRecord& record = board_.Positions[position];
            HashPcMove(totals_, record.HeldCard, match_.Move().PcCapture);
            if (record.OffsetY != PcCardDrop || record.Picture != CardPicture(record.HeldCard)) {
                Violation("the PC's card is not shown face up below its place");
            }
        }
        if (raisedAt == 0 && match_.Move().PcCaptureShown()) {
            raisedAt = tick;
            for (int position : TablePositions) {
                const bool taken = NamesIdentifier(match_.Move().PcCapture, board_.Identifier(position));
                if (board_.Positions[position].OffsetY != (taken ? -PcTakeRaise : 0)) {
                    Violation("the PC's capture is not raised as named");
                }
            }
        }
    }
    const int steps = capture ? 3 : 2;
    if (shownAt != FirstStepTick || (capture && raisedAt != 2 * FirstStepTick) || (!capture && raisedAt != 0) ||
        tick != steps * FirstStepTick) {
        Violation("PC steps on ticks " + std::to_string(shownAt) + " " + std::to_string(raisedAt) + " " +
                  std::to_string(tick));
    }
}

void ControllerGame::Tick() {
    match_.OnTurnTimer();
    ++ticks_;
}

ControllerGame::Before ControllerGame::Record(Side side) const {
    Before before;
    before.Table = ReadTable(board_);
    for (int i = 0; i < HandSize; ++i) {
        const int position = HandPosition(side, i);
        before.Hand[i] = board_.IsPositionShown(position) ? board_.CardAt(position) : NoCard;
    }
    before.PcPile = match_.State.PcPile.size();
    before.PlayerPile = match_.State.PlayerPile.size();
    before.Sweeps = side == Side::Player ? match_.State.PlayerSweeps : match_.State.PcSweeps;
    before.Sounds = board_.Sounds.size();
    before.CardsLeft = match_.State.CardsLeft;
    return before;
}

// Works out from the piles and the table what the move was, a capture or a card
// laid, and whether the rules allowed it. After the last move of a hand the rest
// of the table has gone to the last taker too.
void ControllerGame::CheckMove(Side side, const Before& before) {
    const bool player = side == Side::Player;
    const CardList& ownPile = player ? match_.State.PlayerPile : match_.State.PcPile;
    const CardList& otherPile = player ? match_.State.PcPile : match_.State.PlayerPile;
    const CardList added(ownPile.begin() + (player ? before.PlayerPile : before.PcPile), ownPile.end());
    const std::size_t otherAdded = otherPile.size() - (player ? before.PcPile : before.PlayerPile);
    const bool handOver = !match_.HandActive();

    if (!added.empty() && InHand(before.Hand, added.front()) && otherAdded == 0) {
        // A capture: the played card, the taken cards, and at the end of the hand
        // the rest of the table.
        const CardList after = CardsOf(ReadTable(board_));
        for (std::size_t count = 1; count < added.size(); ++count) {
            const CardList taken(added.begin() + 1, added.begin() + 1 + count);
            const CardList rest(added.begin() + 1 + count, added.end());
            const CardList left = Without(before.Table, taken);
            if (!LegalCapture(CardValue(added.front()), before.Table, taken)) continue;
            if (handOver ? rest == left : rest.empty() && after == left) {
                lastTakerIsPlayer_ = player;
                CheckAnnouncement(side, before, !handOver && left.empty());
                return;
            }
        }
    }
    // A card laid: on the table at the first free place, or with the whole table
    // to the last taker when the hand is over.
    for (Card laid : before.Hand) {
        if (laid == NoCard) continue;
        const CardList expected = WithLaid(before.Table, laid);
        const bool toPlayer = lastTakerIsPlayer_;
        const CardList& taker = toPlayer ? match_.State.PlayerPile : match_.State.PcPile;
        const std::size_t takerBefore = toPlayer ? before.PlayerPile : before.PcPile;
        const bool laidThere = handOver ? CardList(taker.begin() + takerBefore, taker.end()) == expected &&
                                              added.size() + otherAdded == expected.size()
                                        : added.empty() && otherAdded == 0 && CardsOf(ReadTable(board_)) == expected;
        if (laidThere) {
            CheckLay(side, before, laid);
            CheckAnnouncement(side, before, false);
            return;
        }
    }
    Violation("move neither a legal capture nor a card laid");
}

// Only a card that takes nothing is laid; the strategy never lays while any of its
// cards could take something.
void ControllerGame::CheckLay(Side side, const Before& before, Card laid) {
    const bool strategy = side == Side::Pc || opponent_ == Opponent::Pc;
    CaptureList options;
    for (Card card : before.Hand) {
        if (card == NoCard || (!strategy && card != laid)) continue;
        FindCaptures(before.Table, CardValue(card), options);
        if (!options.empty()) Violation("card laid while a capture was possible");
    }
    const int kept = side == Side::Pc ? match_.State.PcLastLaidValue : match_.State.PlayerLastLaidValue;
    if (match_.HandActive() && match_.State.CardsLeft == before.CardsLeft && kept != CardValue(laid)) {
        Violation("the last laid value not kept");
    }
}

// One table card of the played value, or two or more adding up to it when none of
// that value lies on the table; each a card of the table, once.
bool ControllerGame::LegalCapture(int value, const TableCards& table, const CardList& taken) const {
    int sum = 0;
    bool equalOnTable = false;
    for (int i = 0; i < table.Count; ++i) equalOnTable = equalOnTable || table.Values[i] == value;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        const Card* end = table.Cards + table.Count;
        if (std::find(table.Cards, end, taken[i]) == end) return false;
        if (std::find(taken.begin(), taken.begin() + i, taken[i]) != taken.begin() + i) return false;
        sum += CardValue(taken[i]);
    }
    if (sum != value) return false;
    return taken.size() == 1 || (taken.size() >= 2 && !equalOnTable);
}

void ControllerGame::CheckAnnouncement(Side side, const Before& before, bool sweep) {
    const bool player = side == Side::Player;
    const int sweeps = player ? match_.State.PlayerSweeps : match_.State.PcSweeps;
    const std::string plain = player ? "Ora tocca al PC" : "Ora tocca a te";
    const std::string expected = !match_.HandActive() ? "Fine mano" : sweep ? "LURNA!! " + plain : plain;
    const std::size_t sounds = before.Sounds + (sweep ? 1 : 0);
    if (sweeps != before.Sweeps + (sweep ? 1 : 0)) Violation("sweep miscounted");
    if (board_.Status != expected || board_.Sounds.size() != sounds ||
        (sweep && board_.Sounds.back() != (player ? PlayerSound : PcSound))) {
        Violation("move announced as \"" + board_.Status + "\"");
    }
}

void ControllerGame::CheckHandOver(int pcBefore, int playerBefore) {
    if (board_.Status != "Fine mano" || !board_.ReportShown || match_.State.CardsLeft != 0 ||
        ReadTable(board_).Count != 0 || !HandsEmpty(board_)) {
        Violation("hand over shown wrongly");
    }
    const SideCount pc = CountPile(match_.State.PcPile);
    const SideCount player = CountPile(match_.State.PlayerPile);
    const int pcPoints = HandPoints(pc, player, match_.State.PcSweeps);
    const int playerPoints = HandPoints(player, pc, match_.State.PlayerSweeps);
    if (match_.State.PcMatchPoints != pcBefore + pcPoints ||
        match_.State.PlayerMatchPoints != playerBefore + playerPoints ||
        board_.PcTotal != std::to_string(match_.State.PcMatchPoints) ||
        board_.PlayerTotal != std::to_string(match_.State.PlayerMatchPoints) ||
        board_.Report.Pc.Points != "PC - Punti " + std::to_string(pcPoints) ||
        board_.Report.Player.Points != "Giocatore - Punti " + std::to_string(playerPoints)) {
        Violation("hand points disagree with the piles");
    }
}

void ControllerGame::CheckCardsAccounted() {
    if (!CardsAccountedOnce(board_, match_.State)) Violation("cards not accounted for exactly once");
    if (board_.IsPositionShown(StockPosition) != (match_.State.CardsLeft > 0)) Violation("stock shown wrongly");
}

// Between moves: every position in its place, no selection or PC step under way,
// the hand cursor over the player's cards exactly when the player is to move.
void ControllerGame::CheckAtRest() {
    if (match_.Move().AwaitingTableChoice() || !match_.Move().PlayerOptions.empty() || match_.Move().PcCardShown() ||
        match_.Move().PcCaptureShown() || match_.Move().PcChosenPosition != -1 || !match_.Move().PcCapture.empty()) {
        Violation("turn state left over after a move");
    }
    const bool playerCursor = match_.HandActive() && match_.PlayerToMove();
    for (int position = 0; position < PositionCount; ++position) {
        const PositionRecord& record = board_.Positions[position];
        if (record.OffsetY != 0) Violation("position " + std::to_string(position) + " out of its place");
        if (record.Shown && record.HandCursor != (IsPlayerHand(position) && playerCursor)) {
            Violation("hand cursor wrong over position " + std::to_string(position));
        }
    }
}

// A press, and while picking, the marks: only on shown table cards that every
// remaining option takes.
void ControllerGame::Press(int position) {
    const int beeps = board_.Beeps;
    match_.OnCardClicked(board_.Identifier(position));
    totals_.Beeps += board_.Beeps - beeps;
    if (!match_.Move().AwaitingTableChoice()) return;
    for (int table : TablePositions) {
        if (board_.Positions[table].OffsetY == 0) continue;
        bool named = board_.IsPositionShown(table) && board_.Positions[table].OffsetY == PlayerMarkDrop;
        for (const std::string& option : match_.Move().PlayerOptions) {
            named = named && NamesIdentifier(option, board_.Identifier(table));
        }
        if (!named) Violation("mark on a card no option takes");
    }
}

void ControllerGame::Violation(const std::string& what) {
    KeepViolation(totals_, faults_, what);
}

}  // namespace SelfPlay
