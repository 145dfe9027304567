#include "common/TextLines.h"

#include "common/Cp1252.h"

#include <algorithm>
#include <cstring>
#include <fstream>

namespace quorvix {

namespace {

constexpr std::size_t kReadChunkSize = std::size_t{1} << 16;

// Cuts bytes into lines as they arrive, block by block. A line may run over
// any number of blocks, and a CR that ends one block may pair with an LF
// that starts the next.
class LineCollector {
public:
    explicit LineCollector(RawLines& lines) : m_lines(lines) {}

    void feed(std::string_view block)
    {
        const char* start = block.data();
        const char* const end = start + block.size();
        if (start == end)
            return;
        if (m_afterCr) {
            m_afterCr = false;
            if (*start == '\n' && ++start == end)
                return;
        }
        auto next = [end](const char* from, char c) {
            const void* hit = std::memchr(from, c, static_cast<std::size_t>(end - from));
            return hit ? static_cast<const char*>(hit) : end;
        };
        // The next CR and the next LF are each looked up again only once
        // the scan has passed them, so the block is searched at memchr
        // speed instead of byte by byte.
        const char* nextCr = next(start, '\r');
        const char* nextLf = next(start, '\n');
        for (;;) {
            const char* stop = std::min(nextCr, nextLf);
            if (stop == end)
                break;
            if (m_partial.empty()) {
                m_lines.emplace_back(start, static_cast<std::size_t>(stop - start));
            } else {
                m_partial.append(start, stop);
                m_lines.push_back(std::move(m_partial));
                m_partial.clear();
            }
            start = stop + 1;
            if (*stop == '\r') {
                if (start == end)
                    m_afterCr = true;
                else if (*start == '\n')
                    ++start;
            }
            if (nextCr < start)
                nextCr = next(start, '\r');
            if (nextLf < start)
                nextLf = next(start, '\n');
        }
        m_partial.append(start, end);
    }

    // A last line without line end still counts.
    void finish()
    {
        if (!m_partial.empty())
            m_lines.push_back(std::move(m_partial));
        m_partial.clear();
    }

private:
    RawLines& m_lines;
    std::string m_partial;
    bool m_afterCr = false;
};

[[noreturn]] void cannotRead(const std::filesystem::path& path)
{
    throw FileError("Die Datei kann nicht gelesen werden: " + path.string());
}

std::ifstream openForReading(const std::filesystem::path& path)
{
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw FileError("Die Datei ist ein Ordner: " + path.string());
    std::ifstream in(path, std::ios::binary);
    if (!in)
        cannotRead(path);
    return in;
}

} // namespace

RawLines splitLines(std::string_view bytes)
{
    RawLines lines;
    // One counting pass is far cheaper than letting a long list regrow.
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    LineCollector collector(lines);
    collector.feed(bytes);
    collector.finish();
    return lines;
}

std::string readFileBytes(const std::filesystem::path& path)
{
    std::ifstream in = openForReading(path);
    std::error_code ec;
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
        cannotRead(path);
    return bytes;
}

RawLines readLines(const std::filesystem::path& path)
{
    return readLines(path, kReadChunkSize);
}

RawLines readLines(const std::filesystem::path& path, std::size_t chunkSize)
{
    std::ifstream in = openForReading(path);
    std::error_code ec;
    const auto size = std::filesystem::file_size(path, ec);
    const std::uintmax_t expected = ec ? 0 : size;

    RawLines lines;
    LineCollector collector(lines);
    std::string block(std::max<std::size_t>(chunkSize, 1), '\0');
    std::uintmax_t done = 0;
    bool estimated = false;
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0) {
        const auto got = static_cast<std::size_t>(in.gcount());
        collector.feed(std::string_view(block.data(), got));
        done += got;
        // The list is sized once from the first block's line length,
        // instead of regrowing (and touching fresh memory) many times.
        if (!estimated && lines.size() >= 64 && expected > done) {
            estimated = true;
            const double perByte = static_cast<double>(lines.size()) / static_cast<double>(done);
            lines.reserve(static_cast<std::size_t>(perByte * static_cast<double>(expected) * 1.1) + 16);
        }
    }
    if (in.bad())
        cannotRead(path);
    collector.finish();
    return lines;
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
