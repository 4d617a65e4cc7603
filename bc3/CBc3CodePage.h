#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <string>
#include <string_view>

// The character sets of BC3 texts. The store keeps Unicode; a file's texts
// are decoded from the code page its "~V" record names, and exported files
// are written in Windows-1252, which their "~V" declares as "ANSI".
class CBc3CodePage
{
public:
    // "ANSI": Windows-1252, except a text that is valid UTF-8 holding
    // multi-byte sequences, which is UTF-8 (several programs write UTF-8
    // while declaring "ANSI").
    static constexpr int kAnsi = 0;
    // The DOS code page that FIEBDC-3 prescribes when "~V" names none.
    static constexpr int kDos = 850;

    // The code page named by field 5 of "~V": absent or empty is kDos,
    // "ANSI" or a value without leading digits is kAnsi, otherwise the
    // number (a Windows code page such as 850, 437 or 1252).
    static int FromField(std::string_view field);

    // The text decoded from a code page. Bytes the code page does not define
    // keep their Latin-1 meaning; an unknown code page reads as kAnsi.
    static QString Decode(std::string_view text, int nCodePage);

    // True when text made only of ASCII bytes reads as itself in the code
    // page, so that it needs no decoding.
    static bool KeepsAscii(int nCodePage);
    static bool IsAscii(std::string_view text);

    // The text decoded as Decode does, as UTF-8 appended to utf8, for the
    // code pages of one byte a character (and "ANSI" text that is not
    // UTF-8); false, leaving utf8 alone, for the others.
    static bool DecodeToUtf8(std::string_view text, int nCodePage, std::string& utf8);

    // Windows-1252 bytes of a text; a character missing from it becomes "?",
    // and is added to pMissing when given (a surrogate pair as one).
    static QByteArray EncodeAnsi(QStringView text, QString* pMissing = nullptr);
    // The Windows-1252 byte of a character, or -1 when it has none.
    static int AnsiByte(char16_t u);

    // True when the bytes are well-formed UTF-8; bMultibyte tells whether
    // they hold any sequence beyond ASCII.
    static bool IsUtf8(std::string_view text, bool& bMultibyte);
};

// A text of the file, from its code page to the store's Unicode.
QString ConvertFromFileCodePage(std::string_view text, int nCodePage);
