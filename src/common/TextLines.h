#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quorvix {

// A line of an old config exactly as its bytes were read; never re-encoded,
// so that carried lines go back to disk unchanged.
using RawLine = std::string;
using RawLines = std::vector<RawLine>;

// Raised for anything that goes wrong reading or writing a file; what()
// is a short German text fit for a message box.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Splits file content into lines. A line ends at CR LF, a lone CR or a lone
// LF; a last line without line end counts; a final line end gives no extra
// empty line.
RawLines splitLines(std::string_view bytes);

// Reads a whole file and splits it. Throws FileError.
std::string readFileBytes(const std::filesystem::path& path);
RawLines readLines(const std::filesystem::path& path);
// The same, reading `chunkSize` bytes at a time (the default is a small
// block, so that a large file never sits in memory twice).
RawLines readLines(const std::filesystem::path& path, std::size_t chunkSize);

// Where generated lines go. Text is UTF-8; the sink encodes it.
class LineOutput {
public:
    virtual ~LineOutput() = default;
    // One generated line; the sink adds CR LF. Throws FileError when the
    // text cannot be encoded or written.
    virtual void writeLine(std::string_view utf8) = 0;
    // Raw bytes as they are (old lines, line ends). Throws FileError.
    virtual void writeRaw(std::string_view bytes) = 0;
};

// Collects the bytes in memory: Windows-1252, CR LF after each line.
class ByteBufferOutput final : public LineOutput {
public:
    void writeLine(std::string_view utf8) override;
    void writeRaw(std::string_view bytes) override;
    const std::string& bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Encodes one generated line to Windows-1252 and appends it with CR LF.
// Throws FileError naming the first character the code page lacks.
void appendEncodedLine(std::string& out, std::string_view utf8);

// Writes old lines with CR LF after each but the last.
void writeOldLines(LineOutput& out, const RawLines& lines);

} // namespace quorvix
