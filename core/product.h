#pragma once

// Facts about the product that several parts of the program show or use. The root
// CMakeLists.txt reads kApplicationId from here, so the installed file names follow it.
namespace veltrano {

// The title of the main window and of every message box; the settings' application name.
inline constexpr char kProductName[] = "Veltrano Video Joiner";
// The settings' organisation name.
inline constexpr char kCompanyName[] = "Veltrano Software";
// The freedesktop application id: the desktop entry's name without ".desktop". The window
// program gives it to QGuiApplication::setDesktopFileName so that the desktop matches its
// windows to the entry; the launcher's progress names the entry by it.
inline constexpr char kApplicationId[] = "example.veltrano.VideoJoiner";
// The product page the Website command opens.
inline constexpr char kProductPageAddress[] = "https://www.veltrano.example/video-joiner";
// Window sizes are laid out in twips; a pixel is 15 of them.
inline constexpr int kTwipsPerPixel = 15;

}  // namespace veltrano
