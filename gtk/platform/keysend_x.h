// The program's key sender: XTEST events on the display the toolkit opened.
#pragma once

// Installs it as the KeySender of keyboards/keysend.h.
void InstallXTestKeys();
