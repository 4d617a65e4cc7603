#include "bc3/CBc3FieldText.h"

#include "bc3/CBc3CodePage.h"

#include <algorithm>

void CBc3FieldText::Append(QByteArray& out, QStringView value, QString* pMissing)
{
    // Room for every character, and for a CR before each LF; the bytes are
    // written in place, without a call per character.
    const qsizetype start = out.size();
    const qsizetype needed = start + 2 * value.size();
    if (out.capacity() < needed)
        out.reserve(std::max(needed, 2 * out.capacity()));
    out.resize(needed);
    char* const first = out.data() + start;
    char* p = first;
    const qsizetype size = value.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t u = value[i].unicode();
        // Most of a text: printable ASCII other than the separators, and
        // Latin-1, which Windows-1252 holds as it is from 0xA0 on.
        if ((u >= 0x20 && u < 0x7F && u != u'~' && u != u'|' && u != u'\\') || (u >= 0xA0 && u <= 0xFF)) {
            *p++ = char(u);
            continue;
        }
        switch (u) {
        case u'~':
            *p++ = '\x98';
            continue;
        case u'|':
            *p++ = '\xA6';
            continue;
        case u'\\':
            *p++ = '/';
            continue;
        case u'\r':
            if (i + 1 < size && value[i + 1] == u'\n')
                ++i;
            [[fallthrough]];
        case u'\n':
            *p++ = '\r';
            *p++ = '\n';
            continue;
        default:
            break;
        }
        const int byte = CBc3CodePage::AnsiByte(u);
        if (byte >= 0) {
            *p++ = char(byte);
            continue;
        }
        *p++ = '?';
        const qsizetype length = QChar::isHighSurrogate(u) && i + 1 < size && value[i + 1].isLowSurrogate() ? 2 : 1;
        if (pMissing)
            *pMissing += value.mid(i, length);
        i += length - 1;
    }
    out.resize(start + (p - first));
}

int CBc3FieldText::Decimals(QStringView number)
{
    const qsizetype point = number.indexOf(u'.');
    if (point < 0)
        return 0;
    int digits = 0;
    for (qsizetype i = point + 1; i < number.size() && number[i].isDigit(); ++i)
        ++digits;
    return digits;
}
