#include "oldconfig/Preview.h"

#include "oldconfig/BindCarry.h"
#include "oldconfig/ConfigFile.h"

#include <algorithm>
#include <deque>
#include <map>
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

    std::vector<std::size_t> carriedFrom;
    preview.oldMarks.assign(oldLines.size(), LineMark::Dropped);
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        if (isBindLine(oldLines[i])) {
            preview.oldMarks[i] = LineMark::Carried;
            carriedFrom.push_back(i);
        }
    }
    // Carried lines hold no line break, so they are the new file's last
    // lines, one each, after everything generated.
    preview.generated = preview.newLines.size() - carriedFrom.size();
    preview.newMarks.assign(preview.generated, LineMark::New);
    preview.newMarks.resize(preview.newLines.size(), LineMark::Carried);
    preview.counterpart.assign(preview.generated, ConfigPreview::kNoLine);
    preview.counterpart.insert(preview.counterpart.end(), carriedFrom.begin(), carriedFrom.end());

    // Old lines not carried, in file order, by their bytes and by the
    // setting they set. Each pairs with one generated line at most, the
    // earliest first, so a config made by this program pairs line by line.
    std::map<std::string_view, std::deque<std::size_t>> byBytes;
    std::map<std::string, std::deque<std::size_t>, std::less<>> byName;
    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        if (preview.oldMarks[i] != LineMark::Dropped)
            continue;
        byBytes[oldLines[i]].push_back(i);
        // An echo prints a text and sets nothing: another text is no
        // changed value of it.
        const std::string name = lowerAscii(settingName(oldLines[i]));
        if (!name.empty() && name != "echo")
            byName[name].push_back(i);
    }
    const auto pair = [&](std::size_t newLine, std::deque<std::size_t>& free, LineMark mark) {
        while (!free.empty() && preview.oldMarks[free.front()] != LineMark::Dropped)
            free.pop_front();
        if (free.empty())
            return;
        preview.counterpart[newLine] = free.front();
        preview.newMarks[newLine] = preview.oldMarks[free.front()] = mark;
        free.pop_front();
    };
    for (std::size_t i = 0; i < preview.generated; ++i) {
        if (const auto same = byBytes.find(preview.newLines[i]); same != byBytes.end())
            pair(i, same->second, LineMark::Unchanged);
    }
    std::set<std::string, std::less<>> generatedNames;
    for (std::size_t i = 0; i < preview.generated; ++i) {
        const std::string name = lowerAscii(settingName(preview.newLines[i]));
        if (name.empty())
            continue;
        generatedNames.insert(name);
        const auto sameSetting = byName.find(name);
        if (preview.newMarks[i] == LineMark::New && sameSetting != byName.end())
            pair(i, sameSetting->second, LineMark::Changed);
    }

    for (std::size_t i = 0; i < oldLines.size(); ++i) {
        const std::string_view name = settingName(oldLines[i]);
        if (preview.oldMarks[i] == LineMark::Dropped && !name.empty()
            && !generatedNames.contains(lowerAscii(name)))
            preview.lost.push_back(i);
    }
    return preview;
}

std::size_t ConfigPreview::count(LineMark mark) const
{
    const std::vector<LineMark>& marks = mark == LineMark::Dropped ? oldMarks : newMarks;
    return static_cast<std::size_t>(std::count(marks.begin(), marks.end(), mark));
}

} // namespace quorvix
