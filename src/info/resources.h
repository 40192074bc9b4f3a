#pragma once

namespace quelva {

// The program's artwork, compiled into it: vector drawings to show with StretchedImage.
inline constexpr char kLogoImage[] = ":/quelva/logo.svg";    // the main window's logo panel
inline constexpr char kAboutImage[] = ":/quelva/sobre.svg";  // the About window's picture

// Makes the artwork reachable by the paths above. It lives in a static library, whose registration the
// linker would otherwise drop; call it before the first picture is loaded. Further calls do nothing.
void registerResources();

}  // namespace quelva
