#include "game/BoardRecord.h"

namespace MyGame {

BoardRecord::BoardRecord(int firstIdentifier) {
    for (int position = 0; position < PositionCount; ++position) {
        Positions[position].Identifier = firstIdentifier + position;
    }
}

void BoardRecord::MoveFromPlace(int position, int offsetY) {
    Positions[position].OffsetY = offsetY;
    Positions[position].AtPlace = offsetY == 0;
}

void BoardRecord::SetTotals(const std::string& pcTotal, const std::string& playerTotal) {
    PcTotal = pcTotal;
    PlayerTotal = playerTotal;
}

void BoardRecord::ShowReport(const HandReport& report) {
    Report = report;
    ReportShown = true;
}

}  // namespace MyGame
