// What the view must show in each phase of the match.
#pragma once

#include "game/BoardRecord.h"
#include "game/MatchController.h"

#include <gtest/gtest.h>

namespace MyGame {

// The window's play button decides by its own caption and the score panel waits
// for "Continua": both must tell the phase as the controller holds it.
inline void ExpectViewFitsPhase(const MatchController& match, const BoardRecord& board) {
    const MatchPhase phase = match.Phase();
    const bool noMatch = phase == MatchPhase::Idle || phase == MatchPhase::MatchOver;
    EXPECT_EQ(board.PlayButtonText, noMatch ? "GIOCA" : "ABBANDONA") << "phase " << static_cast<int>(phase);
    EXPECT_EQ(board.ReportShown, phase == MatchPhase::HandOver) << "phase " << static_cast<int>(phase);
}

}  // namespace MyGame
