#include "oldconfig/SteamLibraries.h"

#include "common/TextLines.h"
#include "oldconfig/PlatformFiles.h"

#include <algorithm>
#include <cctype>
#include <system_error>

namespace fs = std::filesystem;

namespace quorvix {
namespace {

// Deeper nesting than any Steam file has is taken as a broken file rather
// than followed until the stack runs out.
constexpr int kDeepestBlock = 32;

bool sameKey(std::string_view a, std::string_view b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x))
               == std::tolower(static_cast<unsigned char>(y));
    });
}

class KeyValuesReader {
public:
    explicit KeyValuesReader(std::string_view text) : m_text(text) {}

    bool readBlock(std::vector<KeyValues>& into, int depth)
    {
        if (depth > kDeepestBlock)
            return false;
        for (;;) {
            KeyValues entry;
            switch (next(entry.key)) {
            case Token::End: return depth == 0;
            case Token::Close: return depth > 0;
            case Token::Text: break;
            default: return false;
            }
            switch (next(entry.value)) {
            case Token::Text: break;
            case Token::Open:
                entry.isBlock = true;
                if (!readBlock(entry.children, depth + 1))
                    return false;
                break;
            default: return false;
            }
            into.push_back(std::move(entry));
        }
    }

private:
    enum class Token { End, Open, Close, Text, Broken };

    Token next(std::string& text)
    {
        skipBlanksAndComments();
        if (m_pos >= m_text.size())
            return Token::End;
        const char c = m_text[m_pos];
        if (c == '{' || c == '}') {
            ++m_pos;
            return c == '{' ? Token::Open : Token::Close;
        }
        if (c == '"')
            return quoted(text);
        while (m_pos < m_text.size() && !std::isspace(static_cast<unsigned char>(m_text[m_pos]))
               && m_text[m_pos] != '"' && m_text[m_pos] != '{' && m_text[m_pos] != '}')
            text += m_text[m_pos++];
        return Token::Text;
    }

    // Steam writes a backslash in a Windows path doubled, and a quote in a
    // name with a backslash before it.
    Token quoted(std::string& text)
    {
        for (++m_pos; m_pos < m_text.size(); ++m_pos) {
            char c = m_text[m_pos];
            if (c == '"') {
                ++m_pos;
                return Token::Text;
            }
            if (c == '\\' && m_pos + 1 < m_text.size())
                c = m_text[++m_pos];
            text += c;
        }
        return Token::Broken;
    }

    void skipBlanksAndComments()
    {
        while (m_pos < m_text.size()) {
            if (std::isspace(static_cast<unsigned char>(m_text[m_pos])))
                ++m_pos;
            else if (m_text.substr(m_pos, 2) == "//")
                m_pos = std::min(m_text.find('\n', m_pos), m_text.size());
            else
                return;
        }
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

bool isNumber(std::string_view key)
{
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c));
    });
}

bool isFolder(const fs::path& path)
{
    std::error_code ec;
    return fs::is_directory(path, ec);
}

std::vector<fs::path> librariesOf(const fs::path& steam)
{
    std::vector<fs::path> libraries{steam};
    const fs::path list = steam / "steamapps" / "libraryfolders.vdf";
    std::error_code ec;
    if (!fs::is_regular_file(list, ec))
        return libraries;
    try {
        for (fs::path& library : libraryFolders(readFileBytes(list)))
            libraries.push_back(std::move(library));
    } catch (const FileError&) {
        // An unreadable list leaves Steam's own folder to search.
    }
    return libraries;
}

} // namespace

std::optional<std::vector<KeyValues>> parseKeyValues(std::string_view text)
{
    std::vector<KeyValues> entries;
    if (!KeyValuesReader(text).readBlock(entries, 0))
        return std::nullopt;
    return entries;
}

std::vector<fs::path> libraryFolders(std::string_view vdfText)
{
    std::vector<fs::path> folders;
    const auto entries = parseKeyValues(vdfText);
    if (!entries)
        return folders;
    for (const KeyValues& root : *entries) {
        if (!root.isBlock || !sameKey(root.key, "libraryfolders"))
            continue;
        for (const KeyValues& library : root.children) {
            if (!isNumber(library.key))
                continue;
            if (!library.isBlock && !library.value.empty())
                folders.push_back(platform::pathFromUtf8(library.value));
            for (const KeyValues& field : library.children) {
                if (!field.isBlock && sameKey(field.key, "path") && !field.value.empty())
                    folders.push_back(platform::pathFromUtf8(field.value));
            }
        }
    }
    return folders;
}

std::optional<fs::path> findGameConfigFolder(const fs::path& home,
                                             const std::vector<fs::path>& extraRoots)
{
    std::vector<fs::path> steams = {
        home / ".steam" / "steam",
        home / ".local" / "share" / "Steam",
        home / ".var" / "app" / "com.valvesoftware.Steam" / ".local" / "share" / "Steam",
    };
    steams.insert(steams.end(), extraRoots.begin(), extraRoots.end());
    for (const fs::path& steam : steams) {
        if (!isFolder(steam))
            continue;
        for (const fs::path& library : librariesOf(steam)) {
            const fs::path game = library / "steamapps" / "common" / "Half-Life" / "cstrike";
            if (isFolder(game))
                return game;
        }
    }
    return std::nullopt;
}

} // namespace quorvix
