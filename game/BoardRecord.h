// A board that only records: the card positions and texts as plain fields. The
// tests and the headless tools play on it.
#pragma once

#include "game/Board.h"

#include <vector>

namespace MyGame {

struct PositionRecord {
    bool Shown = false;
    Card HeldCard = NoCard;
    int Picture = CardBackPicture;
    int Identifier = 0;
    // Cleared by whoever moves a position away from its place.
    bool AtPlace = true;
    // Pixels below its place while it is moved away (above when negative).
    int OffsetY = 0;
    bool HandCursor = false;
    bool Focus = false;
};

class BoardRecord final : public Board {
public:
    // Identifiers are firstIdentifier + index: rising with the index, and with
    // the default every one has two digits.
    explicit BoardRecord(int firstIdentifier = 10);

    bool IsPositionShown(int position) const override { return Positions[position].Shown; }
    void ShowPosition(int position) override { Positions[position].Shown = true; }
    void HidePosition(int position) override { Positions[position].Shown = false; }
    Card CardAt(int position) const override { return Positions[position].HeldCard; }
    void SetCard(int position, Card card) override { Positions[position].HeldCard = card; }
    int Identifier(int position) const override { return Positions[position].Identifier; }
    void SetPicture(int position, int bitmap) override { Positions[position].Picture = bitmap; }
    void ReturnToPlace(int position) override { MoveFromPlace(position, 0); }
    void MoveFromPlace(int position, int offsetY) override;
    void SetPositionCursor(int position, bool on) override { Positions[position].HandCursor = on; }
    void SetPositionFocus(int position, bool on) override { Positions[position].Focus = on; }

    void SetStatusText(const std::string& text) override { Status = text; }
    void SetTotals(const std::string& pcTotal, const std::string& playerTotal) override;
    void ShowReport(const HandReport& report) override;
    void HideReport() override { ReportShown = false; }
    void SetPlayButtonText(const std::string& text) override { PlayButtonText = text; }
    void PlaySoundResource(int resource) override { Sounds.push_back(resource); }
    void Beep() override { ++Beeps; }

    PositionRecord Positions[PositionCount];
    std::string Status;
    std::string PcTotal;
    std::string PlayerTotal;
    HandReport Report;
    bool ReportShown = false;
    // What the play button reads when the program starts.
    std::string PlayButtonText = "GIOCA";
    // Every sound played, in order.
    std::vector<int> Sounds;
    int Beeps = 0;
};

}  // namespace MyGame
