// What must hold of the game window at every moment of a match, judged from
// what its windows show against the match it holds: every card accounted for
// once, every position at its place or exactly at its mark, the pictures, the
// status line, the totals, the play button and the score panel.
#pragma once

#include "BoardView.h"

#include <set>
#include <string>

namespace MyGame {
class FormMain;
}

namespace TableTest {

// The texts the status line may show.
bool IsStatusText(const std::wstring& text);

struct BoardFacts {
    // A match has been started since the program began or was last abandoned.
    bool matchStarted = false;
    // The table positions the player has marked in the move under way.
    std::set<int> marks;
};

// The first fault found, empty when there is none.
std::string CheckBoard(const BoardView& view, const MyGame::FormMain& form, const Places& places,
                       const BoardFacts& facts);

// The idle board of the program's start and of an abandoned match: sixteen
// backs in their places, the extra places hidden, empty status, totals 0,
// "GIOCA", no score panel.
std::string CheckIdle(const BoardView& view, const Places& places);

}  // namespace TableTest
