#pragma once

// Building blocks shared by the section writers: fixed groups of config
// lines and the choices that select between them. Only the writer's own
// sources include this.

#include "common/GameNumber.h"
#include "common/TextLines.h"
#include "wizard/Settings.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace quorvix::writer {

using FlagField = Settings::Flag Settings::*;
using TextField = std::string Settings::*;

// A short run of fixed lines, kept by value so that whole choice tables can
// be constant arrays. The longest group a choice writes has seven lines.
class LineGroup {
public:
    static constexpr std::size_t kCapacity = 8;

    constexpr LineGroup(std::initializer_list<std::string_view> lines)
        : m_count(lines.size())
    {
        // An overlong group must stop the build, never lose lines.
        if (lines.size() > kCapacity)
            throw "LineGroup holds at most kCapacity lines";
        std::size_t i = 0;
        for (const auto line : lines)
            m_lines[i++] = line;
    }

    constexpr std::span<const std::string_view> lines() const
    {
        return {m_lines.data(), m_count};
    }

private:
    std::array<std::string_view, kCapacity> m_lines{};
    std::size_t m_count;
};

// A box or option that writes its group when set and nothing otherwise.
struct OneWayChoice {
    FlagField field;
    LineGroup whenSet;
};

// A box or option that writes exactly one of its two groups.
struct TwoWayChoice {
    FlagField field;
    LineGroup whenSet;
    LineGroup otherwise;
};

// How the game reads a typed value: as a number, which is written the way
// the player meant it (see numberAsMeant), or as text, written as typed.
enum class Reads { Number, Text };

// A typed value written as prefix, stored text and a closing quote.
struct TypedValue {
    TextField field;
    std::string_view prefix;
    Reads reads;
};

// The text a typed value goes out as; the stored text itself stays as the
// box showed it.
inline std::string writtenText(const std::string& stored, Reads reads)
{
    return reads == Reads::Number ? numberAsMeant(stored) : stored;
}

// A typed number that falls back to a fixed line when it is left out.
struct TypedValueOrDefault {
    TextField field;
    std::string_view prefix;
    std::string_view defaultLine;
};

inline void writeLines(LineOutput& out, std::span<const std::string_view> lines)
{
    for (const auto line : lines)
        out.writeLine(line);
}

inline void writeGroup(LineOutput& out, const LineGroup& group)
{
    writeLines(out, group.lines());
}

// The stored text goes out untouched: not trimmed, quotes not escaped.
inline void writeValueLine(LineOutput& out, std::string_view prefix, std::string_view text)
{
    std::string line;
    line.reserve(prefix.size() + text.size() + 1);
    line.append(prefix).append(text).push_back('"');
    out.writeLine(line);
}

inline void writeEither(LineOutput& out, bool set, const TwoWayChoice& choice)
{
    writeGroup(out, set ? choice.whenSet : choice.otherwise);
}

// Every group of a table whose flag is chosen, in table order; several set
// flags give several groups.
inline void writeChosen(const Settings& s, LineOutput& out, std::span<const OneWayChoice> table)
{
    for (const auto& choice : table) {
        if (isChosen(s.*choice.field))
            writeGroup(out, choice.whenSet);
    }
}

inline void writeEachTwoWay(const Settings& s, LineOutput& out, std::span<const TwoWayChoice> table)
{
    for (const auto& choice : table)
        writeEither(out, isChosen(s.*choice.field), choice);
}

// Typed values count only when the written text sorts after "0"; anything
// else (empty, "0", ".5", a leading blank or minus) leaves the line out.
inline void writeTypedValues(const Settings& s, LineOutput& out, std::span<const TypedValue> table)
{
    for (const auto& value : table) {
        const std::string text = writtenText(s.*value.field, value.reads);
        if (sortsAfterZero(text))
            writeValueLine(out, value.prefix, text);
    }
}

inline void writeTypedOrDefault(const Settings& s, LineOutput& out, const TypedValueOrDefault& value)
{
    const std::string text = writtenText(s.*value.field, Reads::Number);
    if (sortsAfterZero(text))
        writeValueLine(out, value.prefix, text);
    else
        out.writeLine(value.defaultLine);
}

} // namespace quorvix::writer
