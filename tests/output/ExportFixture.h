#pragma once

#include <QJsonArray>
#include <QString>

class CDatabase;

// What the export tests share: a small budget that has every kind of line,
// measurements, the company's data and a client, and the reading of written
// workbooks back with Debian's xlrd and openpyxl.
namespace ExportFixture {

// Budget "OBRA": root; chapter 01# "Derribos" of 12.345.678,90; folder D01
// (m2) with a 33-character description and two measurements (a factor line
// with a comment, a formula); concept C01 (h) with a 34-character
// description; concept C02 with only a short name, with an apostrophe, and
// no quantity.
void AddSampleBudget(CDatabase& db);
constexpr const char* kDescription33 = "Demolicion de tabique de ladrillo";
constexpr const char* kDescription34 = "Oficial de primera de albanileria.";

// The first sheet's rows as [kind, value, number format] cells ("s", "n",
// "e"), with the sheet names in strSheets; fails the test when it cannot be
// read.
QJsonArray ReadWorkbook(const QString& strPath, QStringList* pSheets = nullptr);

} // namespace ExportFixture
