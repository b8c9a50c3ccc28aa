#pragma once
#include <string>

// The path text the tool lends the importer for a file given on the command line, as a
// Japanese Windows host would hand it over: absolute, and in Shift_JIS when the name can
// be written in it (the 5 m mesh importers name their part after the last bytes of this
// text). A name that Shift_JIS cannot write is lent as its own bytes.
std::string host_file_path(const std::string& path);
