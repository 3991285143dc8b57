// selfplay [--hands N] [--seed S] [--opponent pc|random]: plays N hands with the
// rule routines alone and checks every move; the last line sums it up.
// With --pc-hash H a timed run also fails unless the PC's moves hash to H: the
// tests pin the PC's choices over seeded runs with it.
// selfplay --match [--seed S]: plays one match PC against PC and prints each
// hand's report and the result in the game's own texts.
// selfplay --through-controller [--matches N] [--seed S] [--opponent pc|random]:
// plays N whole matches through the match controller, by presses and ticks.
// With --pc-level L and/or --player-level L (principiante, normale, esperto; normale
// when not given) and no random opponent, the N matches are played in duplicate,
// each seed's deals twice with the seats changed, and the PC's level is measured
// against the player's: matches won with a 95 % interval, the mean point
// difference per hand, and each level's time per move.
#include "game/Scoring.h"
#include "game/SearchRandom.h"
#include "tools/selfplay/ControllerPlay.h"
#include "tools/selfplay/SelfPlay.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

struct Options {
    long long Hands = 100000;
    std::uint32_t Seed = static_cast<std::uint32_t>(std::time(nullptr));
    SelfPlay::Opponent Opponent = SelfPlay::Opponent::Pc;
    bool Match = false;
    bool ThroughController = false;
    long long Matches = 1000;
    // The hash the PC's moves must have; empty when any will do.
    std::string PcHash;
    MyGame::PcLevel PcLevel = MyGame::PcLevel::Normale;
    MyGame::PcLevel PlayerLevel = MyGame::PcLevel::Normale;
    // A level was named: the levels are measured against each other.
    bool Levels = false;
};

const char* const LevelNames[] = {"principiante", "normale", "esperto"};

bool ReadLevel(const std::string& name, MyGame::PcLevel& level) {
    for (int i = 0; i < 3; ++i) {
        if (name == LevelNames[i]) {
            level = static_cast<MyGame::PcLevel>(i);
            return true;
        }
    }
    return false;
}

const char* LevelName(MyGame::PcLevel level) {
    return LevelNames[static_cast<int>(level)];
}

[[noreturn]] void Usage() {
    std::fprintf(stderr,
                 "usage: selfplay [--hands N] [--seed S] [--opponent pc|random] [--pc-hash H] | --match [--seed S]\n"
                 "       selfplay --through-controller [--matches N] [--seed S] [--opponent pc|random] [--pc-hash H]\n"
                 "                [--pc-level L] [--player-level L]   (L: principiante, normale, esperto)\n");
    std::exit(2);
}

Options ReadOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string name = argv[i];
        if (name == "--match") {
            options.Match = true;
            continue;
        }
        if (name == "--through-controller") {
            options.ThroughController = true;
            continue;
        }
        if (i + 1 >= argc) Usage();
        const std::string value = argv[++i];
        if (name == "--hands") {
            options.Hands = std::atoll(value.c_str());
        } else if (name == "--matches") {
            options.Matches = std::atoll(value.c_str());
        } else if (name == "--pc-hash") {
            options.PcHash = value;
        } else if (name == "--seed") {
            options.Seed = static_cast<std::uint32_t>(std::strtoul(value.c_str(), nullptr, 10));
        } else if (name == "--pc-level" && ReadLevel(value, options.PcLevel)) {
            options.Levels = true;
        } else if (name == "--player-level" && ReadLevel(value, options.PlayerLevel)) {
            options.Levels = true;
        } else if (name == "--opponent" && (value == "pc" || value == "random")) {
            options.Opponent = value == "pc" ? SelfPlay::Opponent::Pc : SelfPlay::Opponent::Random;
        } else {
            Usage();
        }
    }
    if (options.Hands <= 0 || options.Matches <= 0 || (options.Match && options.ThroughController) ||
        (options.Levels && !options.ThroughController)) {
        Usage();
    }
    return options;
}

// The game's texts are single-byte Latin-1; the terminal wants UTF-8.
std::string ToUtf8(const std::string& text) {
    std::string utf8;
    for (unsigned char byte : text) {
        if (byte < 0x80) {
            utf8 += static_cast<char>(byte);
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

void PrintLine(const std::string& text) {
    std::printf("%s\n", ToUtf8(text).c_str());
}

void PrintColumn(const MyGame::ReportColumn& column) {
    PrintLine(column.Points);
    for (const std::string* cell : {&column.Cards, &column.Coins, &column.Settebello, &column.Primiera, &column.Sweeps}) {
        PrintLine("  " + *cell);
    }
}

template <typename Game>
int PrintFaults(const Game& game) {
    for (const std::string& fault : game.Faults()) std::fprintf(stderr, "violation: %s\n", fault.c_str());
    return game.Counts().Violations == 0 ? 0 : 1;
}

const char* OpponentName(SelfPlay::Opponent opponent) {
    return opponent == SelfPlay::Opponent::Pc ? "pc" : "random";
}

void PrintSummary(const SelfPlay::Totals& totals, double seconds) {
    std::printf("hands=%lld violations=%lld hands_per_s=%.0f pc_win_rate=%.4f\n", static_cast<long long>(totals.Hands),
                static_cast<long long>(totals.Violations), totals.Hands / seconds,
                totals.Matches == 0 ? 0.0 : static_cast<double>(totals.PcWins) / totals.Matches);
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int PlayMatch(const Options& options) {
    SelfPlay::Game game(SelfPlay::Opponent::Pc, options.Seed);
    const MyGame::BoardRecord& board = game.Board();
    for (int hand = 1;; ++hand) {
        PrintLine("Mano " + std::to_string(hand) + (hand % 2 == 1 ? " - Tocca a te" : " - Tocca al pc"));
        const bool over = game.PlayHand();
        PrintLine(board.Status);
        PrintLine("Punteggio");
        PrintColumn(board.Report.Pc);
        PrintColumn(board.Report.Player);
        PrintLine("PC: " + board.PcTotal + "  Giocatore: " + board.PlayerTotal);
        PrintLine("");
        if (over) {
            const auto result = MyGame::MatchResultOf(std::stoi(board.PcTotal), std::stoi(board.PlayerTotal));
            PrintLine(result == MyGame::MatchResult::PlayerWon ? "Hai vinto!!" : "Hai perso..");
            break;
        }
    }
    return PrintFaults(game);
}

// The first line of a timed run: what is played, and against whom.
void PrintStart(const Options& options, const char* way) {
    std::printf("seed=%u opponent=%s%s\n", options.Seed, OpponentName(options.Opponent), way);
}

// The faults, the counts (with any the run adds) and the summary line of a timed run.
template <typename Game>
int PrintEnd(const Game& game, double seconds, const std::string& moreCounts, const std::string& expectedHash) {
    const SelfPlay::Totals& totals = game.Counts();
    int status = PrintFaults(game);
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(totals.PcMoveHash));
    if (!expectedHash.empty() && expectedHash != hash) {
        std::fprintf(stderr, "the PC's moves hash to %s, not %s\n", hash, expectedHash.c_str());
        status = 1;
    }
    std::printf("matches=%lld beeps=%lld pc_move_hash=%s%s\n", static_cast<long long>(totals.Matches),
                static_cast<long long>(totals.Beeps), hash, moreCounts.c_str());
    PrintSummary(totals, seconds);
    return status;
}

int PlayHands(const Options& options) {
    SelfPlay::Game game(options.Opponent, options.Seed);
    PrintStart(options, "");
    const auto start = std::chrono::steady_clock::now();
    for (long long hand = 0; hand < options.Hands; ++hand) game.PlayHand();
    return PrintEnd(game, SecondsSince(start), "", options.PcHash);
}

// The median and the 99th percentile, nearest rank.
void PrintTimes(MyGame::PcLevel level, std::vector<double> times) {
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    const auto rank = [&times](double fraction) {
        return times[std::min(times.size() - 1, static_cast<std::size_t>(std::ceil(fraction * times.size())) - 1)];
    };
    std::printf("%s: %zu moves, median %.3f ms, p99 %.3f ms, max %.3f ms\n", LevelName(level), times.size(), rank(0.5),
                rank(0.99), times.back());
}

// The share of matches the first level won, with a 95 % interval from the spread
// of the pairs' results: the two matches of a pair share their deals, so they are
// not independent, and the pair is the unit.
void PrintFigures(const Options& options, const SelfPlay::LevelFigures& figures) {
    const double pairs = static_cast<double>(figures.PairWins.size());
    const double share = static_cast<double>(figures.FirstWins) / static_cast<double>(figures.Matches);
    double spread = 0;
    for (int wins : figures.PairWins) spread += (wins / 2.0 - share) * (wins / 2.0 - share);
    const double halfWidth = pairs > 1 ? 1.96 * std::sqrt(spread / (pairs - 1) / pairs) : 1.0;
    std::printf("%s won %lld of %lld matches against %s: %.1f %% (95 %% interval %.1f to %.1f %%)\n",
                LevelName(options.PcLevel), static_cast<long long>(figures.FirstWins),
                static_cast<long long>(figures.Matches), LevelName(options.PlayerLevel), 100 * share,
                100 * std::max(0.0, share - halfWidth), 100 * std::min(1.0, share + halfWidth));
    std::printf("mean point difference per hand: %+.3f over %lld hands\n",
                static_cast<double>(figures.PointDifference) / static_cast<double>(figures.Hands),
                static_cast<long long>(figures.Hands));
    PrintTimes(options.PcLevel, figures.FirstTimes);
    PrintTimes(options.PlayerLevel, figures.SecondTimes);
}

int PlayLevels(const Options& options) {
    SelfPlay::ControllerGame game(options.Opponent, options.Seed, options.PcLevel, options.PlayerLevel);
    std::printf("seed=%u pc-level=%s player-level=%s duplicate through-controller\n", options.Seed,
                LevelName(options.PcLevel), LevelName(options.PlayerLevel));
    const auto start = std::chrono::steady_clock::now();
    for (long long pair = 0; 2 * pair < options.Matches; ++pair) {
        game.PlayDuplicatePair(options.PcLevel, options.PlayerLevel,
                               static_cast<std::uint32_t>(MyGame::MixSeed(options.Seed, pair)));
    }
    const int status = PrintEnd(game, SecondsSince(start), " ticks=" + std::to_string(game.Ticks()), options.PcHash);
    PrintFigures(options, game.Figures());
    return status;
}

int PlayThroughController(const Options& options) {
    if (options.Levels && options.Opponent == SelfPlay::Opponent::Pc) return PlayLevels(options);
    SelfPlay::ControllerGame game(options.Opponent, options.Seed, options.PcLevel, options.PlayerLevel);
    PrintStart(options, " through-controller");
    const auto start = std::chrono::steady_clock::now();
    for (long long match = 0; match < options.Matches; ++match) game.PlayMatch();
    return PrintEnd(game, SecondsSince(start), " ticks=" + std::to_string(game.Ticks()), options.PcHash);
}

}  // namespace

int main(int argc, char** argv) {
    const Options options = ReadOptions(argc, argv);
    if (options.ThroughController) return PlayThroughController(options);
    return options.Match ? PlayMatch(options) : PlayHands(options);
}
