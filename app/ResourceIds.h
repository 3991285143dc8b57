// The numbers of the program's resources, named once for the resource script
// and for the code that loads them. Plain #defines and no include: windres
// reads this file too. It names no window and needs no Windows header, so the
// rules (game/), which pick the card pictures and the sounds by number, include
// it as well as the game window does.
#ifndef LURNA_RESOURCE_IDS_H
#define LURNA_RESOURCE_IDS_H

#define LURNA_PROGRAM_ICON 1005
#define LURNA_ABOUT_PICTURE 1006
#define LURNA_TITLE_PICTURE 1007

// A click; the player's sweep or win; the PC's sweep or the player's loss.
#define LURNA_CLICK_SOUND 1008
#define LURNA_PLAYER_SOUND 1009
#define LURNA_PC_SOUND 1010

// The card back; the face of card n (1 to 40) is this plus n.
#define LURNA_CARD_BACK_PICTURE 1100

#endif
