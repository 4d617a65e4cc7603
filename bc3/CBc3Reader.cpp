#include "bc3/CBc3Reader.h"

#include "store/CFileAccess.h"

#include <QFileInfo>

#include <cstring>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

} // namespace

CBc3Reader::CBc3Reader(QByteArray text)
    : m_text(std::move(text))
{
    if (m_text.contains('\0'))
        m_text.removeIf([](char c) { return c == '\0'; });

    const char* p = m_text.constData();
    const char* const end = p + m_text.size();
    while ((p = static_cast<const char*>(std::memchr(p, '~', size_t(end - p))))) {
        ++m_nRecords;
        ++p;
    }
}

std::string_view CBc3Reader::RecordAt(const char* pStart) const
{
    const char* const end = m_text.constData() + m_text.size();
    const char* next = static_cast<const char*>(std::memchr(pStart + 1, '~', size_t(end - pStart - 1)));
    return {pStart, size_t((next ? next : end) - pStart)};
}

bool CBc3Reader::ReadFile(const QString& strPath, QByteArray& text)
{
    return CFileAccess::ReadRegularFile(strPath, text) == CFileAccess::Read;
}

bool CBc3Reader::ReadFile(const QString& strPath, QByteArray& text, QString& strReason)
{
    strReason.clear();
    if (ReadFile(strPath, text))
        return true;
    if (QFileInfo::exists(strPath) && !CFileAccess::IsRegularFile(strPath))
        strReason = CFileAccess::NotRegularFile(strPath);
    return false;
}

std::string_view CBc3Reader::Part(std::string_view text, char separator, int n)
{
    size_t start = 0;
    for (int i = 0; i < n; ++i) {
        const size_t found = text.find(separator, start);
        if (found == std::string_view::npos)
            return {};
        start = found + 1;
    }
    const size_t stop = text.find(separator, start);
    return text.substr(start, stop == std::string_view::npos ? std::string_view::npos : stop - start);
}

void CBc3Reader::Split(std::string_view text, char separator, std::vector<std::string_view>& parts)
{
    parts.clear();
    size_t start = 0;
    for (;;) {
        const size_t found = text.find(separator, start);
        if (found == std::string_view::npos) {
            parts.push_back(text.substr(start));
            return;
        }
        parts.push_back(text.substr(start, found - start));
        start = found + 1;
    }
}

std::string_view CBc3Reader::Trim(std::string_view text)
{
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first]))
        ++first;
    return TrimRight(text.substr(first));
}

std::string_view CBc3Reader::TrimRight(std::string_view text)
{
    size_t last = text.size();
    while (last > 0 && IsBlank(text[last - 1]))
        --last;
    return text.substr(0, last);
}

std::string_view CBc3Reader::TrimText(std::string_view text)
{
    size_t first = 0;
    while (first < text.size() && (text[first] == '\r' || text[first] == '\n' || text[first] == '\t'))
        ++first;
    return TrimRight(text.substr(first));
}

