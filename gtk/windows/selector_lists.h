// The two list windows of the selector (input list 0, assignment list 2): opened below
// an entry with the pointer grabbed for them, closed with the pen grab given back.
#pragma once

#include <gtk/gtk.h>

void OpenSelectorList(int which, GtkWidget* entry);
void CloseSelectorList(int which);
bool SelectorListShown(int which);
// Closes both lists and lets the pointer go.
void CloseSelectorLists();
