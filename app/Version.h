// What the program says about itself: its name, version, rights line and web
// address. This file is the one place to change them. The resource script's
// version record and the About form include it; the build reads its lines
// (app/CMakeLists.txt) for the manifest, the setup and the zip, so each
// definition stays on one line of the form `#define NAME value`.
#ifndef LURNA_VERSION_H
#define LURNA_VERSION_H

#define LURNA_PRODUCT_NAME "LurnaGame"
#define LURNA_VERSION_MAJOR 1
#define LURNA_VERSION_MINOR 2
#define LURNA_VERSION_PATCH 0
#define LURNA_VERSION_BUILD 0
#define LURNA_RIGHTS_LINE "(C) 2026 LurnaGame"
// Under a reserved domain, so that no real third party is named.
#define LURNA_WEB_ADDRESS "http://www.lurna.test"

// The version as text, "1.2.0.0", made from the numbers above.
#define LURNA_QUOTE(x) #x
#define LURNA_TEXT_OF(x) LURNA_QUOTE(x)
#define LURNA_VERSION_TEXT                                                   \
    LURNA_TEXT_OF(LURNA_VERSION_MAJOR) "." LURNA_TEXT_OF(LURNA_VERSION_MINOR) "." \
    LURNA_TEXT_OF(LURNA_VERSION_PATCH) "." LURNA_TEXT_OF(LURNA_VERSION_BUILD)

#endif
