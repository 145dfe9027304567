#include "app/FilePaths.h"

#include <QFile>
#include <QFileInfo>

#include <system_error>

namespace quorvix {
namespace {

// Byte names exist only on POSIX; Windows names are UTF-16 throughout.
#ifndef _WIN32
constexpr char16_t kEscape = 0xDC00;

bool isEscapedByte(char16_t c) { return c >= kEscape + 0x80 && c <= kEscape + 0xFF; }

// The length of the well-formed UTF-8 sequence at `at`; 0 when there is none.
std::size_t utf8SequenceAt(const std::string& bytes, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                             : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (length == 0 || at + length > bytes.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    const unsigned char second = byte(at + 1);
    const bool overlongOrSurrogate = (lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0)
                                  || (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90);
    return overlongOrSurrogate ? 0 : length;
}
#endif

} // namespace

std::filesystem::path toFsPath(const QString& path)
{
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    std::string bytes;
    qsizetype start = 0;
    auto flush = [&](qsizetype end) {
        bytes += QFile::encodeName(path.mid(start, end - start)).toStdString();
    };
    for (qsizetype i = 0; i < path.size(); ++i) {
        const char16_t c = path.at(i).unicode();
        if (isEscapedByte(c) && !(i > 0 && path.at(i - 1).isHighSurrogate())) {
            flush(i);
            bytes += static_cast<char>(c - kEscape);
            start = i + 1;
        }
    }
    flush(path.size());
    return std::filesystem::path(bytes);
#endif
}

QString fromFsPath(const std::filesystem::path& path)
{
#ifdef _WIN32
    return QString::fromStdWString(path.wstring());
#else
    const std::string& bytes = path.native();
    QString text;
    std::size_t runStart = 0;
    std::size_t at = 0;
    auto endRun = [&] {
        text += QString::fromUtf8(bytes.data() + runStart, static_cast<qsizetype>(at - runStart));
    };
    while (at < bytes.size()) {
        const std::size_t length = utf8SequenceAt(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        endRun();
        text += QChar(char16_t(kEscape + static_cast<unsigned char>(bytes[at])));
        runStart = ++at;
    }
    endRun();
    return text;
#endif
}

QString recoverChosenPath(const QString& shown)
{
#ifdef _WIN32
    // Names are UTF-16 there and reach Qt whole; a U+FFFD is the name's own.
    return shown;
#else
    if (!shown.contains(QChar(0xFFFD)))
        return shown;
    const QFileInfo info(shown);
    std::error_code ec;
    for (std::filesystem::directory_iterator it(toFsPath(info.absolutePath()), ec), end;
         !ec && it != end; it.increment(ec)) {
        if (QFile::decodeName(QByteArray::fromStdString(it->path().filename().string())) == info.fileName())
            return fromFsPath(it->path());
    }
    return shown;
#endif
}

bool sameFile(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    std::error_code error;
    const bool same = std::filesystem::equivalent(toFsPath(a), toFsPath(b), error);
    return !error && same;
}

} // namespace quorvix
