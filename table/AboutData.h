// What the game window tells about itself: the window title and the About
// form take their texts from here. The name, the version, the rights line and
// the web address are those of app/Version.h, which the resources and the
// packages share.
#pragma once

#include "app/ResourceIds.h"
#include "app/Version.h"

namespace MyGame {

constexpr char ProductName[] = LURNA_PRODUCT_NAME;
constexpr char ProductVersion[] = LURNA_VERSION_TEXT;
constexpr char RightsLine[] = LURNA_RIGHTS_LINE;

// Short enough that the About form's links show it whole: its cells are 150
// pixels wide.
constexpr char WebAddress[] = LURNA_WEB_ADDRESS;
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

constexpr int AboutPicture = LURNA_ABOUT_PICTURE;
constexpr int AboutPictureWidth = 164;
constexpr int AboutPictureHeight = 50;

}  // namespace MyGame
