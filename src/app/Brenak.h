#pragma once

#include "form/WindowState.h"

#include <functional>

// The main window of the program without its widgets: the window's state, and
// the ways out that only the application may take.
class Brenak : public WindowState {
 public:
  using WindowState::WindowState;

  // Closes the window, which ends the program ("Cerrar"); set by the window.
  std::function<void()> onClose;
};
