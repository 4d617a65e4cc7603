#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class CDatabase;
class IProgress;

// How a price-base import ended, for the window or the command that started it.
struct CBc3PriceImportOutcome {
    enum Status {
        Ok,
        FileError,     // the file cannot be read
        BadCode,       // the file name gives no price-base code
        UnknownFormat, // the file does not begin with a "~V" header
        NoScope,       // no price scope chosen
        UnknownScope,  // a chosen scope that the file does not offer (m_strError names it)
        TooManyLines,  // the decompositions unfold into more lines than a tariff may hold
        DatabaseError, // the store failed; nothing was changed
    };
    struct Tariff {
        QString name;
        long lines = 0;
    };

    Status m_status = Ok;
    QString m_strCode;              // the price base's code, taken from the file name
    std::vector<Tariff> m_tariffs;  // the tariffs created, in the order chosen
    QString m_strError;             // the store's own text, or the unknown scope

    bool IsOk() const { return m_status == Ok; }
    // The message to show for a failure, in the user's language.
    QString Message() const;
};

// The price-scope labels of a file's "~V" header, from its first bytes
// (empty when it names none; the file then offers the one scope "Sin
// especificar"). False when the text does not begin with "~V", a byte-order
// mark and blanks before it aside.
bool Bc3PriceScopeLabels(const QByteArray& head, QStringList& labels);
// The scopes a file offers: its labels, or "Sin especificar".
bool Bc3PriceScopes(const QByteArray& head, QStringList& scopes);

// The price base's code of a file: its name without folder and extension,
// cut to 20 characters, without the blanks that end it.
QString Bc3PriceBaseCodeFromFileName(const QString& strPath);

// Turns a FIEBDC-3 file into tariffs of a price base, one per chosen scope
// and named after it, in one transaction. scopes is the list the choice was
// made from, in the file's order: a tariff takes each concept's price at its
// scope's position there, or the nearest one before it that the concept
// gives, or 0. Every tariff holds the file's whole tree (in the file's
// order, ten levels deep at most) with the concepts' units, names, texts
// and pictures; the price of an item with a breakdown is the sum of its
// children's amounts and a percentage line's the sum it applies to, while
// chapters keep the price their own "~C" gives. Tariffs of the chosen names
// are replaced, once the file has been read; the other tariffs of the price
// base stay as they are. A failure changes nothing.
//
// Progress: the bar over the staging of the records ("Importando desglose
// %d%%"), the status text while the tree is laid out ("Creando tarifa
// %s..."), the bar over the lines' texts and prices, "Recalculando importes.
// Espere..." while items are summed; the window repaints all along.
CBc3PriceImportOutcome ImportPriceBaseBc3(CDatabase& database, const QString& strPath, const QStringList& scopes,
                                          const QStringList& chosen, IProgress* pProgress = nullptr);
// The same from a file's text, under the code given, with at most nMaxLines
// lines in a tariff.
CBc3PriceImportOutcome ImportPriceBaseBc3Text(CDatabase& database, const QByteArray& text, const QString& strCode,
                                              const QStringList& scopes, const QStringList& chosen,
                                              IProgress* pProgress = nullptr, long nMaxLines = -1);
