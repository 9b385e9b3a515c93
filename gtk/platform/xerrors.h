// X errors: a scoped trap for calls on windows, atoms and properties that other
// clients own (they may be gone or hold anything), and the program-wide handling that
// reports an X error outside any trap instead of ending the pad.
#pragma once

class XErrorTrap {
 public:
  XErrorTrap();
  ~XErrorTrap();
  XErrorTrap(const XErrorTrap&) = delete;
  XErrorTrap& operator=(const XErrorTrap&) = delete;
  // Waits until the server has answered the calls made so far and ends the trap:
  // the code of an error they caused, 0 when none did.
  int End();

 private:
  bool open_ = true;
};

// Installed once after the toolkit has opened the display.
void InstallXErrorHandling();
