#include "bc3/CBc3CodePage.h"

#include <QHash>
#include <array>
#include <cerrno>
#include <iconv.h>
#include <memory>
#include <mutex>

namespace {

constexpr int kUtf8CodePage = 65001;

// A code page as iconv knows it. Single-byte code pages are turned into a
// table once, so that decoding a text is one lookup per byte; multi-byte
// ones (the Asian Windows code pages) go through iconv each time.
struct CodePageTable {
    bool known = false;
    bool multibyte = false;
    bool asciiIdentity = true;
    QByteArray iconvName;
    std::array<char16_t, 256> chars{};
};

QByteArray IconvName(int nCodePage)
{
    if (nCodePage == 20127)
        return "ASCII";
    if (nCodePage >= 28591 && nCodePage <= 28599)
        return "ISO-8859-" + QByteArray::number(nCodePage - 28590);
    if (nCodePage == 28605)
        return "ISO-8859-15";
    return "CP" + QByteArray::number(nCodePage);
}

// Decodes one byte through iconv: 1 for a character, 0 for a byte the code
// page leaves undefined, -1 when the byte only starts a longer sequence.
int DecodeByte(iconv_t cd, unsigned char byte, char16_t& result)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char in[1] = {char(byte)};
    char out[8];
    char* pIn = in;
    char* pOut = out;
    size_t inLeft = 1;
    size_t outLeft = sizeof out;
    if (iconv(cd, &pIn, &inLeft, &pOut, &outLeft) == size_t(-1))
        return errno == EINVAL ? -1 : 0;
    const QString decoded = QString::fromUtf8(out, qsizetype(sizeof out - outLeft));
    if (decoded.size() != 1)
        return 0;
    result = decoded[0].unicode();
    return 1;
}

std::shared_ptr<const CodePageTable> BuildTable(int nCodePage)
{
    auto table = std::make_shared<CodePageTable>();
    for (int b = 0; b < 256; ++b)
        table->chars[size_t(b)] = char16_t(b);
    table->iconvName = IconvName(nCodePage);
    const iconv_t cd = iconv_open("UTF-8", table->iconvName.constData());
    if (cd == iconv_t(-1))
        return table;
    table->known = true;
    for (int b = 0x00; b < 0x100; ++b) {
        char16_t c = 0;
        const int status = DecodeByte(cd, static_cast<unsigned char>(b), c);
        if (status < 0) {
            table->multibyte = true;
            break;
        }
        if (status > 0)
            table->chars[size_t(b)] = c;
        if (b < 0x80 && table->chars[size_t(b)] != char16_t(b))
            table->asciiIdentity = false;
    }
    iconv_close(cd);
    return table;
}

std::shared_ptr<const CodePageTable> Table(int nCodePage)
{
    static std::mutex mutex;
    static QHash<int, std::shared_ptr<const CodePageTable>> tables;
    std::lock_guard lock(mutex);
    auto it = tables.find(nCodePage);
    if (it == tables.end())
        it = tables.insert(nCodePage, BuildTable(nCodePage));
    return it.value();
}

const CodePageTable& Windows1252()
{
    static const std::shared_ptr<const CodePageTable> table = Table(1252);
    return *table;
}

bool IsAscii(std::string_view text)
{
    return CBc3CodePage::IsAscii(text);
}

QString DecodeTable(std::string_view text, const CodePageTable& table)
{
    QString result(qsizetype(text.size()), Qt::Uninitialized);
    QChar* out = result.data();
    for (const char c : text)
        *out++ = QChar(table.chars[static_cast<unsigned char>(c)]);
    return result;
}

// A multi-byte code page, through iconv; a byte it cannot decode keeps its
// Latin-1 meaning.
QString DecodeStream(std::string_view text, const CodePageTable& table)
{
    const iconv_t cd = iconv_open("UTF-8", table.iconvName.constData());
    if (cd == iconv_t(-1))
        return DecodeTable(text, Windows1252());
    QByteArray output;
    output.reserve(qsizetype(text.size() * 3 + 16));
    char buffer[4096];
    char* pIn = const_cast<char*>(text.data());
    size_t inLeft = text.size();
    while (inLeft > 0) {
        char* pOut = buffer;
        size_t outLeft = sizeof buffer;
        const size_t status = iconv(cd, &pIn, &inLeft, &pOut, &outLeft);
        output.append(buffer, qsizetype(sizeof buffer - outLeft));
        if (status == size_t(-1) && errno != E2BIG) {
            const auto byte = static_cast<unsigned char>(*pIn);
            if (byte < 0x80) {
                output.append(char(byte));
            } else {
                output.append(char(0xC0 | (byte >> 6)));
                output.append(char(0x80 | (byte & 0x3F)));
            }
            ++pIn;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return QString::fromUtf8(output);
}

// Windows-1252 bytes of a text. A character it lacks makes the conversion
// fail, or with bLossy becomes "?" (a surrogate pair counting as one
// character). With bC1, a C1 control counts as the byte it stands for, as
// when Windows-1252 bytes were once read as Latin-1.
bool ToWindows1252(QStringView text, QByteArray& bytes, bool bC1, bool bLossy, QString* pMissing = nullptr)
{
    bytes.resize(text.size());
    char* out = bytes.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x80) {
            *out++ = char(u);
            continue;
        }
        const int byte = CBc3CodePage::AnsiByte(u);
        if (byte >= 0) {
            *out++ = char(byte);
        } else if (bC1 && u < 0xA0) {
            *out++ = char(u);
        } else if (bLossy) {
            *out++ = '?';
            if (pMissing)
                *pMissing += QChar(u);
            if (QChar::isHighSurrogate(u) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
                if (pMissing)
                    *pMissing += text[i];
            }
        } else {
            return false;
        }
    }
    bytes.truncate(out - bytes.data());
    return true;
}

QString DecodeAnsi(std::string_view text)
{
    if (IsAscii(text))
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    bool multibyte = false;
    if (!CBc3CodePage::IsUtf8(text, multibyte))
        return DecodeTable(text, Windows1252());
    QString decoded = QString::fromUtf8(text.data(), qsizetype(text.size()));
    // UTF-8 written as Windows-1252 and saved as UTF-8 once more ("Ã³" for
    // "ó"): one more decoding gives the text back.
    QByteArray inner;
    if (ToWindows1252(decoded, inner, true, false) && CBc3CodePage::IsUtf8({inner.constData(), size_t(inner.size())}, multibyte)
        && multibyte)
        return QString::fromUtf8(inner);
    // Windows-1252 turned into UTF-8 as if it were Latin-1 leaves C1
    // controls where its quotes and dashes were ("\u0093" for "“").
    const CodePageTable& table = Windows1252();
    for (QChar& c : decoded) {
        if (c.unicode() >= 0x80 && c.unicode() < 0xA0)
            c = QChar(table.chars[c.unicode()]);
    }
    return decoded;
}

} // namespace

int CBc3CodePage::FromField(std::string_view field)
{
    size_t first = 0;
    while (first < field.size() && (field[first] == ' ' || field[first] == '\t' || field[first] == '\r' || field[first] == '\n'))
        ++first;
    field.remove_prefix(first);
    while (!field.empty() && (field.back() == ' ' || field.back() == '\t' || field.back() == '\r' || field.back() == '\n'))
        field.remove_suffix(1);
    if (field.empty())
        return kDos;
    int value = 0;
    for (const char c : field) {
        if (c < '0' || c > '9')
            break;
        value = value * 10 + (c - '0');
        if (value > 1000000)
            return kAnsi;
    }
    return value;
}

bool CBc3CodePage::IsUtf8(std::string_view text, bool& bMultibyte)
{
    bMultibyte = false;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            ++p;
            continue;
        }
        int length = 0;
        char32_t code = 0;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
            code = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            code = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            code = c & 0x07;
        } else {
            return false;
        }
        if (end - p < length)
            return false;
        for (int i = 1; i < length; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)))
            return false;
        bMultibyte = true;
        p += length;
    }
    return true;
}

QString CBc3CodePage::Decode(std::string_view text, int nCodePage)
{
    if (nCodePage == kAnsi)
        return DecodeAnsi(text);
    if (nCodePage == kUtf8CodePage)
        return QString::fromUtf8(text.data(), qsizetype(text.size()));
    const std::shared_ptr<const CodePageTable> table = Table(nCodePage);
    if (!table->known)
        return DecodeAnsi(text);
    if (table->asciiIdentity && IsAscii(text))
        return QString::fromLatin1(text.data(), qsizetype(text.size()));
    if (table->multibyte)
        return DecodeStream(text, *table);
    return DecodeTable(text, *table);
}

int CBc3CodePage::AnsiByte(char16_t u)
{
    // From 0xA0 on, Windows-1252 is Latin-1.
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    static const QHash<char16_t, uchar> upper = [] {
        QHash<char16_t, uchar> map;
        const CodePageTable& table = Windows1252();
        for (int b = 0x80; b < 0xA0; ++b)
            map.insert(table.chars[size_t(b)], uchar(b));
        return map;
    }();
    const auto it = upper.constFind(u);
    return it == upper.constEnd() ? -1 : int(it.value());
}

QByteArray CBc3CodePage::EncodeAnsi(QStringView text, QString* pMissing)
{
    QByteArray bytes;
    ToWindows1252(text, bytes, false, true, pMissing);
    return bytes;
}

bool CBc3CodePage::DecodeToUtf8(std::string_view text, int nCodePage, std::string& utf8)
{
    std::shared_ptr<const CodePageTable> table;
    if (nCodePage == kAnsi) {
        bool multibyte = false;
        if (IsUtf8(text, multibyte))
            return false;
        table = Table(1252);
    } else {
        if (nCodePage == kUtf8CodePage)
            return false;
        table = Table(nCodePage);
        if (!table->known || table->multibyte)
            return false;
    }
    utf8.reserve(utf8.size() + text.size() * 2);
    for (const char c : text) {
        const char16_t u = table->chars[static_cast<unsigned char>(c)];
        if (u < 0x80) {
            utf8 += char(u);
        } else if (u < 0x800) {
            utf8 += char(0xC0 | (u >> 6));
            utf8 += char(0x80 | (u & 0x3F));
        } else {
            utf8 += char(0xE0 | (u >> 12));
            utf8 += char(0x80 | ((u >> 6) & 0x3F));
            utf8 += char(0x80 | (u & 0x3F));
        }
    }
    return true;
}

bool CBc3CodePage::IsAscii(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

bool CBc3CodePage::KeepsAscii(int nCodePage)
{
    if (nCodePage == kAnsi || nCodePage == kUtf8CodePage)
        return true;
    const std::shared_ptr<const CodePageTable> table = Table(nCodePage);
    return !table->known || table->asciiIdentity;
}

QString ConvertFromFileCodePage(std::string_view text, int nCodePage)
{
    return CBc3CodePage::Decode(text, nCodePage);
}
