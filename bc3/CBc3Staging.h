#pragma once

#include "bc3/CBc3CodeIndex.h"
#include "bc3/CBc3CodePage.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class CBc3Reader;
class CDatabase;
class IProgress;

// The two ways of staging a file: for a budget (concept texts in the concept
// row, first price, measurements) or for a price base (texts in rows of
// their own, every price, no measurements).
enum class EBc3Staging { Budget, Price };

// The records of one file as staged, in memory. The price-base import writes
// them into IMPORTAR (Write) for its scope dialog to build from; the budget
// import builds straight from them.
//
// Every value is UTF-8 text: a view into the file's bytes where they are
// already what the store keeps (codes, numbers and most texts), else into
// storage of the staging's own. Codes and numbers lose the blanks, tabs and
// line breaks a producer wrapped them with, texts those around them.
//
// Concept ("C"): one per code; budget: text of "~T" and first price; price
// base: every price of the concept ("12.5\13\") and price "0".
// Text ("T", price base only): one per code, the texts of its "~T" joined.
// Decomposition ("D"): one per entry of "~D" and "~Y".
// Measure ("M", budget only): one per "~M".
class CBc3StagedRecords
{
public:
    struct Concept {
        std::string_view code, name, text, image, unit, price;
    };
    struct Text {
        std::string_view code, text;
    };
    struct Decomposition {
        std::string_view parent, child, factor, yield, price;
        bool replaced = false; // by a later "~D" of the same parent
    };
    struct Measure {
        std::string_view parent, child, position, total, list;
    };
    // Overheads, industrial profit and VAT as "~K" gives them (its second
    // field, CI\GG\BI\BAJA\IVA); empty where it gives none.
    struct Rates {
        std::string_view overheads, profit, vat;
    };

    CBc3StagedRecords();
    ~CBc3StagedRecords();
    CBc3StagedRecords(CBc3StagedRecords&&) noexcept;
    CBc3StagedRecords& operator=(CBc3StagedRecords&&) noexcept;

    // Stages every record of the reader in file order. The progress bar runs
    // over the records with "Importando desglose %d%%".
    void Stage(const CBc3Reader& reader, EBc3Staging variant, IProgress& progress);
    // Writes the staged rows into IMPORTAR under the import identifier.
    void Write(CDatabase& database, const QString& strIdentifier) const;

    // The code of the file's tree root: the last "~D" parent marked "##",
    // or when no "~D" marks one, the last "~C" code so marked.
    std::string_view Root() const { return m_strRootFromD.empty() ? m_strRootFromC : m_strRootFromD; }
    // The concept of a code as "~C" wrote it, or -1.
    int FindConcept(std::string_view code) const;
    // The text of a code as "~T" wrote it (price base), or -1.
    int FindText(std::string_view code) const { return m_textIndex.Find(code); }

    static QString ToQString(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

    int m_nCodePage = CBc3CodePage::kAnsi;
    // Concept rows added by "~C" and text rows added by "~T" (price base).
    int m_nNewConcepts = 0;
    int m_nNewTexts = 0;

    std::vector<Concept> m_concepts;
    std::vector<Text> m_texts;
    std::vector<Decomposition> m_decompositions;
    std::vector<Measure> m_measures;
    Rates m_rates;

private:
    enum RowKind : char { KindConcept = 'C', KindText = 'T', KindDecomposition = 'D', KindMeasure = 'M' };
    class CStorage;

    void StageRecord(std::string_view record, EBc3Staging variant);
    void StageConcept(std::string_view record, EBc3Staging variant);
    void StageText(std::string_view record, EBc3Staging variant);
    void StageGraphic(std::string_view record);
    void StageDecomposition(std::string_view record, EBc3Staging variant, bool bAdd);
    void StageMeasure(std::string_view record);
    void StageRates(std::string_view record);
    Concept& FindOrAddConcept(std::string_view code, bool* pAdded = nullptr);

    // A code as the store keeps it: without blanks around it and without the
    // line breaks and tabs of a wrapped record inside it.
    std::string_view Code(std::string_view text);
    // A number without any blank, tab or line break.
    std::string_view Number(std::string_view text);
    // A factor or yield of "~D": a number, "1.0" when empty, "0" put in
    // front of a leading ".".
    std::string_view DecompositionNumber(std::string_view text);
    // A text without what surrounds it, decoded from the file's code page
    // (bConverted) or read as "ANSI".
    std::string_view TextField(std::string_view text, bool bConverted);
    std::string_view Utf8(std::string_view text, int nCodePage);
    std::string_view Keep(std::string_view text);

    // The file's bytes, which the views point into.
    QByteArray m_text;
    std::unique_ptr<CStorage> m_pStorage;
    CBc3CodeIndex m_conceptIndex;
    CBc3CodeIndex m_textIndex;
    std::string_view m_strRootFromD;
    std::string_view m_strRootFromC;
    // The rows in the order they were made, so that IMPORTAR gets them in file order.
    std::vector<std::pair<RowKind, int>> m_order;
    // The live decomposition rows of each parent, as "~D" wrote the parent.
    CBc3CodeIndex m_parentIndex;
    std::vector<std::vector<int>> m_decompositionsOf;
    std::vector<std::string_view> m_parts;
};

// What staging found: the root code, the file's code page and, for a price
// base, the counts of new concept and text rows.
struct CBc3StageResult {
    QString m_strRoot;
    int m_nCodePage = CBc3CodePage::kAnsi;
    int m_nNewConcepts = 0;
    int m_nNewTexts = 0;
};

// Stages every record of a file's text in IMPORTAR under the identifier
// (the budget's or the price base's code), replacing whatever was staged
// under it before, in one transaction. Raises CDBException when the store
// fails; nothing is staged then. pStaged, when given, receives the staged
// records as well.
CBc3StageResult StageBc3Records(CDatabase& database, const QByteArray& text, const QString& strIdentifier,
                                EBc3Staging variant, IProgress* pProgress = nullptr,
                                CBc3StagedRecords* pStaged = nullptr);

// The price scopes named by the header of a file ("~V" field 4, subfields
// 1 and on, empty ones skipped), decoded from the code page of its field 5.
// head is the start of the file; false when it does not begin with "~V".
bool ReadBc3ScopeLabels(const QByteArray& head, QStringList& labels);
