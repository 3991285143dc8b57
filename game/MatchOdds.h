// The chance of winning the match from its totals, between sides of equal
// strength, for the search to weigh a hand's points by what they do to the match.
#pragma once

namespace MyGame {

// The chance that the side with own points wins a match at these totals when a
// hand is about to be dealt: 1 or 0 when the totals already decide it.
double MatchWinChance(int own, int other);

}  // namespace MyGame
