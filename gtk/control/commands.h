// The main window's dispatcher: what each of its keys does.
#pragma once

// Key k clicked (1..41), pressed (100 + k) or released (200 + k).
void Main_Click(int code);
