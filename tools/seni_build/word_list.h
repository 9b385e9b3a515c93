// The surface forms of a morphological dictionary's word list: CSV files in
// EUC-JP whose first field is the word as written.
#pragma once

#include <string>
#include <vector>

#include "text_coder.h"

// The distinct words of every *.csv file under `directory`, as codes; false when
// no file could be read.
bool ReadWordList(const std::string& directory, std::vector<CodeString>* words, std::string* error);

// The first field of one CSV line (the word), or "" when the line has none.
std::string WordOfLine(const std::string& line);
