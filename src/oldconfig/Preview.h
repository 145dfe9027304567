#pragma once

#include "common/TextLines.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

// What became of a line: an old line is carried into the new file or
// dropped; a line of the new file is either carried or generated (New).
enum class LineMark : unsigned char { Carried, Dropped, New };

// The new config as "Erstelle Config" would write it, and what it does to
// the old one. Computing it writes nothing to disk.
struct ConfigPreview {
    std::string bytes;              // the new file, byte for byte
    RawLines newLines;              // those bytes as the read-back sees them
    std::vector<LineMark> newMarks; // New or Carried, one per new line
    std::vector<LineMark> oldMarks; // Carried or Dropped, one per old line
    // Old line index of each carried line, in order; carried line k is new
    // line generated + k.
    std::vector<std::size_t> carriedFrom;
    // Old line indexes of dropped lines that set something the generated
    // part does not set: that setting is gone after the make.
    std::vector<std::size_t> lost;
    std::size_t generated = 0;

    std::size_t carried() const { return carriedFrom.size(); }
    std::size_t dropped() const { return oldMarks.size() - carriedFrom.size(); }
};

// Runs the make's own content step (`writeGenerated`, then the bind lines
// of `oldLines`) into memory and marks every line.
ConfigPreview previewConfig(const std::function<void(LineOutput&)>& writeGenerated,
                            const RawLines& oldLines);

// The command or variable a config line sets, as the console sees its
// first word: leading blanks and tabs skipped, a quoted first word taken
// without its quotes, otherwise up to a blank, tab, quote or ';'. Empty
// for blank lines and "//" comments.
std::string_view settingName(std::string_view line);

} // namespace quorvix
