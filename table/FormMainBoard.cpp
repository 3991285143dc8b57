// The board of the match on the window's elements: a card position is a picture
// whose text is its card number and whose visible flag says it holds a card.
#include "table/FormMain.h"

#include "table/TableLayout.h"
#include "table/Visibility.h"

#include "toolkit/Button.h"
#include "toolkit/CellControl.h"
#include "toolkit/Image.h"
#include "toolkit/Label.h"
#include "toolkit/PanelChildren.h"
#include "toolkit/Sound.h"
#include "toolkit/Text.h"

namespace MyGame {

namespace {

void WriteColumn(KTUtility::CellControl& title, std::unique_ptr<KTUtility::Label> (&lines)[ReportLineCount],
                 const ReportColumn& column) {
    title.SetText(column.Points);
    const std::string* texts[ReportLineCount] = {&column.Cards, &column.Coins, &column.Settebello,
                                                 &column.Primiera, &column.Sweeps};
    for (int i = 0; i < ReportLineCount; ++i) lines[i]->SetText(*texts[i]);
}

}  // namespace

bool FormMain::IsPositionShown(int position) const {
    return CardPositions[position]->visible;
}

void FormMain::ShowPosition(int position) {
    ShowElement(*CardPositions[position]);
}

void FormMain::HidePosition(int position) {
    HideElement(*CardPositions[position]);
}

Card FormMain::CardAt(int position) const {
    // The picture keeps no window text: the element holds the card number.
    return KTUtility::TextToInt(CardPositions[position]->GetNarrowText());
}

void FormMain::SetCard(int position, Card card) {
    CardPositions[position]->SetText(card == NoCard ? std::string() : KTUtility::Int64ToText(card));
}

int FormMain::Identifier(int position) const {
    return static_cast<int>(CardPositions[position]->controlId);
}

void FormMain::SetPicture(int position, int bitmap) {
    KTUtility::Image& card = *CardPositions[position];
    // Every deal turns the empty table places back to the back they already
    // show: loading it again would only cost a load and a repaint.
    if (card.bitmap && card.resourceNumber == bitmap) return;
    card.SetBitmapResource(bitmap);
}

void FormMain::ReturnToPlace(int position) {
    MoveFromPlace(position, 0);
}

void FormMain::MoveFromPlace(int position, int offsetY) {
    KTUtility::Image& card = *CardPositions[position];
    const POINT place = places_[position];
    if (card.x == place.x && card.y == place.y + offsetY) return;
    card.SetPosition(place.x, place.y + offsetY);
}

void FormMain::SetPositionCursor(int position, bool on) {
    CardPositions[position]->SetHandCursor(on);
}

void FormMain::SetPositionFocus(int position, bool on) {
    CardPositions[position]->SetFrameColor(on ? FocusFrame : KTUtility::NoColor);
}

void FormMain::SetStatusText(const std::string& status) {
    StatusCell->SetText(status);
}

void FormMain::SetTotals(const std::string& pcTotal, const std::string& playerTotal) {
    PcTotalCell->SetText(pcTotal);
    PlayerTotalCell->SetText(playerTotal);
}

void FormMain::ShowReport(const HandReport& report) {
    WriteColumn(*PcReportTitle, PcReportLines, report.Pc);
    WriteColumn(*PlayerReportTitle, PlayerReportLines, report.Player);
    ShowElement(*ReportPanel);
}

void FormMain::HideReport() {
    HideElement(*ReportPanel);
}

void FormMain::SetPlayButtonText(const std::string& buttonText) {
    PlayButton->SetText(buttonText);
}

void FormMain::PlaySoundResource(int resource) {
    KTUtility::PlayResourceSound(static_cast<std::uint16_t>(resource));
}

void FormMain::Beep() {
    MessageBeep(0xFFFFFFFF);
}

}  // namespace MyGame
