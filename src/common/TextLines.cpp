#include "common/TextLines.h"

#include "common/Cp1252.h"

#include <cstdio>
#include <fstream>
#include <memory>

namespace quorvix {

RawLines splitLines(std::string_view bytes)
{
    RawLines lines;
    std::size_t start = 0;
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n) {
        const char c = bytes[i];
        if (c == '\r' || c == '\n') {
            lines.emplace_back(bytes.substr(start, i - start));
            i += (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < n)
        lines.emplace_back(bytes.substr(start));
    return lines;
}

std::string readFileBytes(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError("Die Datei ist ein Ordner: " + path.string());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw FileError("Die Datei kann nicht gelesen werden: " + path.string());
    std::string bytes;
    in.seekg(0, std::ios::end);
    const auto size = in.tellg();
    if (size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.seekg(0, std::ios::beg);
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad())
        throw FileError("Die Datei kann nicht gelesen werden: " + path.string());
    return bytes;
}

RawLines readLines(const std::filesystem::path& path)
{
    return splitLines(readFileBytes(path));
}

void appendEncodedLine(std::string& out, std::string_view utf8)
{
    auto encoded = encodeCp1252(utf8);
    if (encoded.unencodable) {
        std::string shown;
        appendUtf8(shown, *encoded.unencodable);
        throw FileError("Das Zeichen \u201E" + shown
                        + "\u201C kann nicht in die Config geschrieben werden.");
    }
    out += encoded.bytes;
    out += "\r\n";
}

void ByteBufferOutput::writeLine(std::string_view utf8)
{
    appendEncodedLine(m_bytes, utf8);
}

void ByteBufferOutput::writeRaw(std::string_view bytes)
{
    m_bytes += bytes;
}

void writeOldLines(LineOutput& out, const RawLines& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        out.writeRaw(lines[i]);
        if (i + 1 < lines.size())
            out.writeRaw("\r\n");
    }
}

} // namespace quorvix
