#include "oldconfig/FileLineOutput.h"

#include "oldconfig/ShownPath.h"

#include "oldconfig/PlatformFiles.h"

namespace quorvix {
namespace {

// Large enough that a million-line config costs a few dozen system calls.
constexpr std::size_t kBlockSize = std::size_t{1} << 18;

} // namespace

FileLineOutput::FileLineOutput(const std::filesystem::path& file, Open mode,
                               const std::filesystem::path& shownAs)
    : m_file(file)
    , m_shownFile(shownAs.empty() ? file : shownAs)
    , m_stream(platform::openForWriting(file, mode == Open::CreateNew))
{
    if (!m_stream)
        throw FileError("Die Datei " + shownPath(m_shownFile) + " kann nicht angelegt werden.");
    m_buffer.reserve(kBlockSize + 1024);
}

FileLineOutput::~FileLineOutput()
{
    if (m_stream)
        std::fclose(m_stream);
}

void FileLineOutput::writeLine(std::string_view utf8)
{
    appendEncodedLine(m_buffer, utf8);
    if (m_buffer.size() >= kBlockSize)
        drain();
}

void FileLineOutput::writeRaw(std::string_view bytes)
{
    m_buffer += bytes;
    if (m_buffer.size() >= kBlockSize)
        drain();
}

void FileLineOutput::drain()
{
    if (!m_stream)
        fail();
    if (!m_buffer.empty()
        && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_stream) != m_buffer.size())
        fail();
    m_buffer.clear();
}

void FileLineOutput::close()
{
    bool ok = true;
    try {
        drain();
    } catch (const FileError&) {
        ok = false;
    }
    if (!m_stream)
        fail();
    ok = ok && std::fflush(m_stream) == 0 && !std::ferror(m_stream);
    ok = ok && platform::syncToDisk(m_stream);
    ok = std::fclose(m_stream) == 0 && ok;
    m_stream = nullptr;
    if (!ok)
        fail();
}

void FileLineOutput::fail() const
{
    throw FileError("Die Datei " + shownPath(m_shownFile)
                    + " konnte nicht vollst\u00E4ndig geschrieben werden"
                      " (ist der Datentr\u00E4ger voll?).");
}

} // namespace quorvix
