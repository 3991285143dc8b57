// What the game window tells about itself: the window title and the About
// form take their texts from here. The web site is under a reserved domain, so
// no real third party is named.
#pragma once

namespace MyGame {

constexpr char ProductName[] = "LurnaGame";
constexpr char ProductVersion[] = "1.2.0.0";
constexpr char RightsLine[] = "(C) 2026 LurnaGame";

constexpr char WebAddress[] = "http://www.lurnagame.example";
// Replacing the web prefix of the address by the mailbox prefix gives the
// contact address: info@lurnagame.example.
constexpr char WebPrefix[] = "http://www.";
constexpr char MailboxPrefix[] = "info@";

// Three lines, CR LF between them.
constexpr char FreewareNotice[] =
    "LurnaGame \xE8 un programma freeware: puoi usarlo e regalarlo liberamente.\r\n"
    "Non \xE8 permesso venderlo n\xE9 distribuirlo modificato.\r\n"
    "Il programma \xE8 fornito cos\xEC com'\xE8, senza alcuna garanzia.";

constexpr int AboutPicture = 1006;
constexpr int AboutPictureWidth = 164;
constexpr int AboutPictureHeight = 50;

}  // namespace MyGame
