#pragma once

#include "common/TextLines.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

// What became of a line. A generated line is Unchanged when the old file
// has the very same line, Changed when an old line sets the same setting
// with another value, otherwise New; a bind line of the old file is
// Carried into the new one; an old line with none of these counterparts is
// Dropped. The old line of an Unchanged or Changed pair bears its mark too.
enum class LineMark : unsigned char { Carried, Dropped, New, Unchanged, Changed };

// The new config as "Erstelle Config" would write it, and what it does to
// the old one. Computing it writes nothing to disk.
struct ConfigPreview {
    static constexpr std::size_t kNoLine = static_cast<std::size_t>(-1);

    std::string bytes;              // the new file, byte for byte
    RawLines newLines;              // those bytes as the read-back sees them
    std::vector<LineMark> newMarks; // one per new line
    std::vector<LineMark> oldMarks; // one per old line
    // The old line each new line stands for (the same line, the line whose
    // setting it changes, the carried line); kNoLine for New lines.
    std::vector<std::size_t> counterpart;
    // Old line indexes of dropped lines that set something the generated
    // part does not set: that setting is gone after the make.
    std::vector<std::size_t> lost;
    std::size_t generated = 0;

    // How many lines bear `mark`: Dropped counts old lines, the others new
    // ones (an Unchanged or Changed pair counts once).
    std::size_t count(LineMark mark) const;
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
