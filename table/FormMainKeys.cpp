// The keyboard's play: every key does what a press on the window would, through
// the same handlers. The digits press the hand cards, the arrows and Tab move the
// focus frame over the table cards being picked, Enter and Space press the framed
// card or "Continua", F2 the play button, F1 opens the rules and H asks the
// coach. While a form or the exit question is over the window, the window is
// disabled and hears no key.
#include "table/FormMain.h"

#include "toolkit/Button.h"
#include "toolkit/WindowProcedure.h"

namespace MyGame {

namespace {

// The hand card a digit key presses, 0..2 from the left; -1 for another key.
int HandIndexOfKey(WPARAM key) {
    if (key >= '1' && key <= '3') return static_cast<int>(key - '1');
    if (key >= VK_NUMPAD1 && key <= VK_NUMPAD3) return static_cast<int>(key - VK_NUMPAD1);
    return -1;
}

bool MovesFocus(WPARAM key) {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN || key == VK_TAB;
}

FocusMove FocusMoveOfKey(WPARAM key) {
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool back = key == VK_LEFT || key == VK_UP || (key == VK_TAB && shift);
    return back ? FocusMove::Previous : FocusMove::Next;
}

bool IsGameKey(WPARAM key) {
    return HandIndexOfKey(key) >= 0 || MovesFocus(key) || key == VK_RETURN || key == VK_SPACE || key == VK_F1 ||
           key == VK_F2 || key == 'H';
}

}  // namespace

int FormMain::ForwardKeyDown(KTUtility::GUIElement* element, WPARAM key) {
    FormMain* form = FormOf(element);
    return form && form->OnGameKey(key) ? 1 : 0;
}

bool FormMain::OnGameKey(WPARAM key) {
    if (!IsGameKey(key)) return false;
    // A key held down presses once: only the focus runs on with the repeat.
    if (KTUtility::KeyRepeats() && !MovesFocus(key)) return true;
    const int handIndex = HandIndexOfKey(key);
    if (handIndex >= 0) {
        Match.PressHandCard(handIndex);
    } else if (MovesFocus(key)) {
        Match.MoveTableFocus(FocusMoveOfKey(key));
    } else if (key == VK_RETURN || key == VK_SPACE) {
        if (Match.Phase() == MatchPhase::HandOver) {
            OnButtonCommand(ContinueButton.get());
        } else {
            Match.PressFocusedCard();
        }
    } else if (key == VK_F2) {
        // The mouse may abandon while the PC moves; a key changes nothing then.
        if (Match.Phase() != MatchPhase::PcTurn) OnButtonCommand(PlayButton.get());
    } else if (key == VK_F1) {
        ShowRules();
    } else {
        Match.ShowSuggestion();
    }
    return true;
}

}  // namespace MyGame
