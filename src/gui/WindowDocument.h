// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <functional>

class Brenak;
class QSettings;
class QToolButton;
class QWidget;
class WindowState;

// The window as the user's document and as a window of the desktop: its title,
// the projects opened last on "Abrir", and its size and place kept between runs.

// "file.txt[*] - caption", the mark shown while the case has unsaved changes.
void ShowDocumentTitle(QWidget* window, const WindowState& app);

// Gives "Abrir" a menu on its arrow with the projects opened or saved last,
// newest first, read anew each time it opens; choosing one opens it as "Abrir"
// does, through `forward` (the window's route for the user's actions).
void AttachRecentProjects(QToolButton* open, Brenak& app,
                          const std::function<void(const std::function<void()>& action)>& forward);

// "Guardar como…" (Ctrl+Shift+S): a command of `window`, also on the menu of
// the arrow of "Guardar", through `forward`.
void AttachSaveAs(QToolButton* save, QWidget* window, Brenak& app,
                  const std::function<void(const std::function<void()>& action)>& forward);

// The key of the window's size, place and state in the settings.
inline constexpr const char* kWindowPlaceKey = "ventana/geometria";

// Keeps where the window stands; nothing without settings.
void SaveWindowPlace(const QWidget* window, QSettings* settings);
// Puts the window back where it stood last, moved onto the screen when the
// screen has changed since. False when nothing was kept.
bool RestoreWindowPlace(QWidget* window, const QSettings* settings);
// A window's frame within the screen's available area: shrunk to it where
// larger (a size kept at a larger letter or on a larger screen), then moved
// inside it. A frame that fits stays where it is.
QRect FitFrameInto(const QRect& frame, const QRect& available);
// Fits a shown window, frame included, into its screen's available area; a
// maximized or full-screen window is left to the desktop.
void KeepOnScreen(QWidget* window);
// Gives a shown window the size `wanted`, centred on its screen, when the
// screen has room for it with the frame; maximizes it otherwise.
void FitToScreen(QWidget* window, const QSize& wanted);
