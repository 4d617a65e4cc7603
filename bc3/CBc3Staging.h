#pragma once

#include "bc3/CBc3CodePage.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class CBc3Reader;
class CDatabase;
class IProgress;

// The two ways of staging a file: for a budget (concept texts in the concept
// row, first price, measurements) or for a price base (texts in rows of
// their own, every price, no measurements).
enum class EBc3Staging { Budget, Price };

// The records of one file as staged, kept in memory as well as in IMPORTAR,
// so that whoever builds from them needs not read them back.
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
        QString code, name, text, image, unit, price;
    };
    struct Text {
        QString code, text;
    };
    struct Decomposition {
        QString parent, child, factor, yield, price;
        bool replaced = false; // by a later "~D" of the same parent
    };
    struct Measure {
        QString parent, child, total, list;
    };

    // Stages every record of the reader in file order, reporting each one.
    void Stage(const CBc3Reader& reader, EBc3Staging variant, IProgress& progress);
    // Writes the staged rows into IMPORTAR under the import identifier.
    void Write(CDatabase& database, const QString& strIdentifier) const;

    // The code of the file's tree root: the last "~D" parent marked "##",
    // or when no "~D" marks one, the last "~C" code so marked.
    QString Root() const { return m_strRootFromD.isEmpty() ? m_strRootFromC : m_strRootFromD; }

    int m_nCodePage = CBc3CodePage::kAnsi;
    // Concept rows added by "~C" and text rows added by "~T" (price base).
    int m_nNewConcepts = 0;
    int m_nNewTexts = 0;

    std::vector<Concept> m_concepts;
    QHash<QString, int> m_conceptIndex;
    std::vector<Text> m_texts;
    QHash<QString, int> m_textIndex;
    std::vector<Decomposition> m_decompositions;
    std::vector<Measure> m_measures;

private:
    enum RowKind : char { KindConcept = 'C', KindText = 'T', KindDecomposition = 'D', KindMeasure = 'M' };

    void StageRecord(std::string_view record, EBc3Staging variant);
    void StageConcept(std::string_view record, EBc3Staging variant);
    void StageText(std::string_view record, EBc3Staging variant);
    void StageGraphic(std::string_view record);
    void StageDecomposition(std::string_view record, EBc3Staging variant, bool bAdd);
    void StageMeasure(std::string_view record);
    Concept& FindOrAddConcept(const QString& strCode, bool* pAdded = nullptr);

    QString Ansi(std::string_view text) const { return CBc3CodePage::Decode(text, CBc3CodePage::kAnsi); }
    QString Converted(std::string_view text) const { return ConvertFromFileCodePage(text, m_nCodePage); }

    QString m_strRootFromD;
    QString m_strRootFromC;
    // The rows in the order they were made, so that IMPORTAR gets them in file order.
    std::vector<std::pair<RowKind, int>> m_order;
    // The live decomposition rows of each parent, as "~D" wrote the parent.
    QHash<QString, std::vector<int>> m_decompositionsOf;
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
// under it before, in one transaction. The progress bar runs over the
// records with "Importando desglose %d%%". Raises CDBException when the
// store fails; nothing is staged then. pStaged, when given, receives the
// staged records as well.
CBc3StageResult StageBc3Records(CDatabase& database, const QByteArray& text, const QString& strIdentifier,
                                EBc3Staging variant, IProgress* pProgress = nullptr,
                                CBc3StagedRecords* pStaged = nullptr);
// The same from a reader that already holds the file.
CBc3StageResult StageBc3Records(CDatabase& database, const CBc3Reader& reader, const QString& strIdentifier,
                                EBc3Staging variant, IProgress* pProgress = nullptr,
                                CBc3StagedRecords* pStaged = nullptr);

// A factor or yield of "~D" as staged: surrounding blanks and line breaks
// go, empty becomes "1.0", inner blanks go, and a leading "." gets a "0".
QString NormalizeBc3Number(std::string_view text);

// The price scopes named by the header of a file ("~V" field 4, subfields
// 1 and on, empty ones skipped), decoded from the code page of its field 5.
// head is the start of the file; false when it does not begin with "~V".
bool ReadBc3ScopeLabels(const QByteArray& head, QStringList& labels);
