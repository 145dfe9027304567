#include "common/TextLines.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace quorvix {

RawLines splitLines(std::string_view bytes)
{
    if (bytes.empty())
        return {};
    const char* const end = bytes.data() + bytes.size();
    auto next = [end](const char* from, char c) {
        const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
        return hit ? static_cast<const char*>(hit) : end;
    };

    RawLines lines;
    // Old configs run to a million lines in the worst case; one counting
    // pass is far cheaper than letting the list regrow twenty times.
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);

    // The next CR and the next LF are each looked up again only once the
    // scan has passed them, so the file is searched twice at memchr speed
    // instead of byte by byte.
    const char* start = bytes.data();
    const char* nextCr = next(start, '\r');
    const char* nextLf = next(start, '\n');
    for (;;) {
        const char* stop = std::min(nextCr, nextLf);
        if (stop == end)
            break;
        lines.emplace_back(start, static_cast<std::size_t>(stop - start));
        start = stop + 1;
        if (*stop == '\r' && start != end && *start == '\n')
            ++start;
        if (nextCr < start)
            nextCr = next(start, '\r');
        if (nextLf < start)
            nextLf = next(start, '\n');
    }
    if (start != end)
        lines.emplace_back(start, static_cast<std::size_t>(end - start));
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
    // The size is only a hint: a file that is not seekable, or that grows
    // while it is read, is still read to its end.
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec && size > 0) {
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    if (in) {
        std::string chunk(std::size_t{1} << 16, '\0');
        while (in.read(chunk.data(), static_cast<std::streamsize>(chunk.size())) || in.gcount() > 0)
            bytes.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
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
