// What the user had in the clipboard and the primary selection survives a paste: the
// pad keeps their text before it takes both selections, and offers it again once the
// target application has fetched the pasted text (or after a while if it never does).
#pragma once

#include <string>

// Takes the clipboard and the primary selection with `utf8`, the text to paste, after
// keeping the text other owners offered there.
void OfferPasteText(const std::string& utf8);
