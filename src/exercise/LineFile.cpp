#include "exercise/LineFile.h"

#include "exercise/PackedFile.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <utility>

namespace {

constexpr std::size_t kPieceBytes = 4096;
constexpr char kLineEnd[] = "\r\n";

} // namespace

bool LineFile::LoadLines(const std::string& path, std::size_t maxBytes)
{
    try {
        PackedFile file;
        if (!file.Open(path, PackedFile::kReadMode, static_cast<int>(kPieceBytes), maxBytes)) {
            return false;
        }
        const std::size_t firstLine = m_lines.size();
        std::size_t textBytes = 0;
        char piece[kPieceBytes];
        std::size_t got;
        do {
            got = file.Read(piece, kPieceBytes);
            textBytes += got;
            // The carry-over holds no LF, so only the new piece is searched: a long line
            // must not be searched again after every piece.
            const std::size_t scanFrom = m_carryOver.size();
            m_carryOver.append(piece, got);
            // Each line ends with CR LF; the character before the LF is taken as the CR.
            std::size_t start = 0;
            for (std::size_t lf = m_carryOver.find('\n', scanFrom); lf != std::string::npos;
                 lf = m_carryOver.find('\n', start)) {
                std::string_view line(m_carryOver.data() + start, lf - start);
                if (!line.empty()) {
                    line.remove_suffix(1);
                }
                m_lines.emplace_back(line);
                start = lf + 1;
            }
            m_carryOver.erase(0, start);
            // A line costs its bookkeeping besides its text: a file of nothing but line
            // ends must not take many times the limit in memory.
            if ((m_lines.size() - firstLine) * sizeof(std::string) > maxBytes - textBytes) {
                return false;
            }
        } while (got == kPieceBytes);
        file.Close();
        return true;
    } catch (...) {
        return false;
    }
}

bool LineFile::SaveLines(const std::string& path)
{
    m_cursor = 0;
    m_carryOver.clear();
    m_saveError.clear();
    try {
        PackedFile file;
        if (!file.Open(path, PackedFile::kWriteMode, static_cast<int>(kPieceBytes))) {
            m_saveError = "cannot write " + path;
            return false;
        }
        for (const std::string& line : m_lines) {
            for (std::size_t at = 0; at < line.size(); at += kPieceBytes) {
                const std::size_t size = std::min(kPieceBytes, line.size() - at);
                file.Write(line.data() + at, size);
            }
            file.Write(kLineEnd, 2);
        }
        file.Close();
        return true;
    } catch (const std::exception& fault) {
        m_saveError = fault.what();
        return false;
    } catch (...) {
        m_saveError = "cannot write " + path;
        return false;
    }
}

bool LineFile::NextLine(std::string& out)
{
    if (m_cursor >= 0 && m_cursor < LineCount()) {
        out = m_lines[static_cast<std::size_t>(m_cursor++)];
        return true;
    }
    out.clear();
    m_cursor = 0;
    return false;
}

std::string LineFile::LineAt(int index) const
{
    if (index < 0 || index >= LineCount()) {
        return {};
    }
    return m_lines[static_cast<std::size_t>(index)];
}

void LineFile::AddLine(std::string text)
{
    m_lines.push_back(std::move(text));
}

void LineFile::ClearLines()
{
    m_lines.clear();
    m_cursor = 0;
    m_carryOver.clear();
}

bool LineFile::LoadIdentifiedLines(const std::string& path, std::string& identity)
{
    if (path.empty() || !LoadLines(path))
        return false;
    NextLine(identity);
    return path.find(identity) != std::string::npos;
}
