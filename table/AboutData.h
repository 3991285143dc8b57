// What the game window tells about itself: the window title and the About
// form take their texts from here. The web site is under a reserved domain, so
// no real third party is named.
#pragma once

namespace MyGame {

constexpr char ProductName[] = "LurnaGame";
constexpr char ProductVersion[] = "1.2.0.0";
constexpr char RightsLine[] = "(C) 2026 LurnaGame";

// Short enough that the About form's links show it whole: its cells are 150
// pixels wide.
constexpr char WebAddress[] = "http://www.lurna.test";
// Replacing the web prefix of the address by the mailbox prefix gives the
// contact address: info@lurna.test.
constexpr char WebPrefix[] = "http://www.";
constexpr char MailboxPrefix[] = "info@";

// Three lines, CR LF between them, each short enough for the About form's
// notice box, which does not wrap.
constexpr char FreewareNotice[] =
    "LurnaGame \xE8 freeware: si usa gratis.\r\n"
    "Si regala, non si vende n\xE9 si modifica.\r\n"
    "\xC8 fornito cos\xEC com'\xE8, senza garanzie.";

constexpr int AboutPicture = 1006;
constexpr int AboutPictureWidth = 164;
constexpr int AboutPictureHeight = 50;

}  // namespace MyGame
