#include "oldconfig/Preview.h"

#include "oldconfig/BindCarry.h"
#include "oldconfig/ConfigFile.h"

#include <algorithm>
#include <set>

namespace quorvix {
namespace {

std::string lowerAscii(std::string_view text)
{
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return lower;
}

} // namespace

std::string_view settingName(std::string_view line)
{
    const auto start = line.find_first_not_of(" \t");
    if (start == std::string_view::npos)
        return {};
    line.remove_prefix(start);
    if (line.starts_with("//"))
        return {};
    if (line.front() == '"') {
        line.remove_prefix(1);
        return line.substr(0, line.find('"'));
    }
    return line.substr(0, line.find_first_of(" \t\";"));
}

ConfigPreview previewConfig(const std::function<void(LineOutput&)>& writeGenerated,
                            const RawLines& oldLines)
{
    ConfigPreview preview;
    ByteBufferOutput out;
    writeNewConfig(out, writeGenerated, oldLines);
    preview.bytes = out.bytes();
    preview.newLines = splitLines(preview.bytes);

    preview.oldMarks.reserve(oldLines.size());
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        const bool carried = isBindLine(oldLines[i]);
        preview.oldMarks.push_back(carried ? LineMark::Carried : LineMark::Dropped);
        if (carried)
            preview.carriedFrom.push_back(i);
    }
    // Carried lines hold no line break, so they are the new file's last
    // lines, one each, after everything generated.
    preview.generated = preview.newLines.size() - preview.carried();
    preview.newMarks.assign(preview.generated, LineMark::New);
    preview.newMarks.resize(preview.newLines.size(), LineMark::Carried);

    std::set<std::string, std::less<>> generatedNames;
    for (std::size_t i = 0; i < preview.generated; ++i)
        generatedNames.insert(lowerAscii(settingName(preview.newLines[i])));
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        const std::string_view name = settingName(oldLines[i]);
        if (preview.oldMarks[i] == LineMark::Dropped && !name.empty()
            && !generatedNames.contains(lowerAscii(name)))
            preview.lost.push_back(i);
    }
    return preview;
}

} // namespace quorvix
