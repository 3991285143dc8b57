// What the game window tells about itself: the window title and the About
// form take their texts from here. The web site is under a reserved domain, so
// no real third party is named.
#pragma once

namespace MyGame {

constexpr char kProductName[] = "LurnaGame";
constexpr char kProductVersion[] = "1.2.0.0";
constexpr char kRightsLine[] = "(C) 2026 LurnaGame";

constexpr char kWebAddress[] = "http://www.lurnagame.example";
// Replacing the web prefix of the address by the mailbox prefix gives the
// contact address: info@lurnagame.example.
constexpr char kWebPrefix[] = "http://www.";
constexpr char kMailboxPrefix[] = "info@";

// Three lines, CR LF between them.
constexpr char kFreewareNotice[] =
    "LurnaGame \xE8 un programma freeware: puoi usarlo e regalarlo liberamente.\r\n"
    "Non \xE8 permesso venderlo n\xE9 distribuirlo modificato.\r\n"
    "Il programma \xE8 fornito cos\xEC com'\xE8, senza alcuna garanzia.";

constexpr int kAboutPicture = 1006;
constexpr int kAboutPictureWidth = 164;
constexpr int kAboutPictureHeight = 50;

}  // namespace MyGame
