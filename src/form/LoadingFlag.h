// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The flag that is set while a project file is being applied to the window.
// It reads and is assigned as a bool. Lowering it leaves a note that the window
// now holds a project just read from a file: the layout that follows the
// reading keeps the values the file brought (it proposes no final water
// temperature over the stored one) until the opening ends.
class LoadingFlag {
 public:
  LoadingFlag& operator=(bool loading) {
    if (loading_ && !loading) justOpened_ = true;
    loading_ = loading;
    return *this;
  }
  operator bool() const { return loading_; }

  // True from the end of the reading until the opening ends.
  bool JustOpened() const { return justOpened_; }
  void EndOpening() { justOpened_ = false; }

 private:
  bool loading_ = false;
  bool justOpened_ = false;
};
