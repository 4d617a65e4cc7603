#pragma once

#include <QByteArray>
#include <QString>
#include <cstring>
#include <string_view>
#include <vector>

// A FIEBDC-3 file cut into records, fields and subfields by position.
//
// The text stays the file's bytes; records, fields and subfields are views
// into it, so nothing is copied or decoded until a value is kept. Records
// are found as they are visited, so a file of empty records costs no more
// than its text. A record
// starts at a "~" and runs up to the next "~" or the end; text before the
// first "~" belongs to no record. Line breaks are ordinary characters, so a
// record may span lines. Fields are separated by "|" (field 0 is the record
// type), subfields by "\". With k separators a record or field has the parts
// 0 to k; any part after those reads as empty.
class CBc3Reader
{
public:
    // NUL bytes are dropped: some programs leave them inside the text, and
    // what follows them is still part of the file.
    explicit CBc3Reader(QByteArray text);

    // Reads a whole file; false when it cannot be opened or read, or is not
    // an ordinary file (a pipe would block the import for ever).
    static bool ReadFile(const QString& strPath, QByteArray& text);
    // The same, with the reason to tell beside "Error fichero .bc3" in
    // strReason: that the path is not an ordinary file, or nothing.
    static bool ReadFile(const QString& strPath, QByteArray& text, QString& strReason);

    const QByteArray& Text() const { return m_text; }
    // The number of records, which is the number of "~" in the text.
    int RecordCount() const { return m_nRecords; }
    // Calls visit(record) for every record, in file order.
    template <class Visit>
    void ForEachRecord(Visit&& visit) const;

    // The first two characters of a record: "~V", "~C", ...
    static std::string_view RecordType(std::string_view record) { return record.substr(0, 2); }

    // Part n of a text cut at a separator, or empty when there is none.
    static std::string_view Part(std::string_view text, char separator, int n);
    static std::string_view Field(std::string_view record, int n) { return Part(record, '|', n); }
    static std::string_view Subfield(std::string_view field, int n) { return Part(field, '\\', n); }
    // Every part of a text cut at a separator, into parts (cleared first).
    static void Split(std::string_view text, char separator, std::vector<std::string_view>& parts);

    // Without surrounding blanks, tabs and line breaks.
    static std::string_view Trim(std::string_view text);
    // Without trailing blanks, tabs and line breaks.
    static std::string_view TrimRight(std::string_view text);
    // A text field as FIEBDC-3 reads it: without the line breaks and tabs
    // around it, nor the blanks in front of the separator that ends it.
    // Blanks that start it may indent it and stay.
    static std::string_view TrimText(std::string_view text);

private:
    // The record that starts at a "~" of the text.
    std::string_view RecordAt(const char* pStart) const;

    QByteArray m_text;
    int m_nRecords = 0;
};

template <class Visit>
void CBc3Reader::ForEachRecord(Visit&& visit) const
{
    const char* const end = m_text.constData() + m_text.size();
    const char* start = static_cast<const char*>(std::memchr(m_text.constData(), '~', size_t(m_text.size())));
    while (start) {
        const std::string_view record = RecordAt(start);
        visit(record);
        const char* next = record.data() + record.size();
        start = next < end ? next : nullptr;
    }
}
