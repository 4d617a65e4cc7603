#include "ExportFixture.h"

#include "support/CTestStore.h"
#include "store/CDatabase.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

namespace ExportFixture {

void AddSampleBudget(CDatabase& db)
{
    CTestStore::AddBudget(db, "OBRA",
                          {"0|OBRA##|S|12345700|1|12345700", "1|01#|S|12345678.9|1|12345678.9", "2|D01|S|10.5|3|31.5",
                           "3|C01|N|20|0.5|10", "2|C02|N|7.25||"},
                          "Reforma cocina");
    const auto setLine = [&](int nLine, const QString& strNombre, const QString& strDescripcion, const QString& strUnit) {
        db.ExecuteSQL("UPDATE ARTICULOS SET NOMBRE = ?, DESCRIPCION = ?, MEDIDA = ? WHERE CODIGO = 'OBRA' AND NUMLIN = ?",
                      {strNombre, strDescripcion, strUnit, nLine});
    };
    setLine(1, "Reforma cocina", "", "");
    setLine(2, "Derribos", "Todo lo que se derriba", "");
    setLine(3, "Tabique", kDescription33, "m2");
    setLine(4, "Oficial", kDescription34, "h");
    setLine(5, "Peón's ayudante", "", "h");
    db.ExecuteSQL("UPDATE ARTICULOS SET RENDIMIENTO = NULL, IMPORTE = '' WHERE CODIGO = 'OBRA' AND NUMLIN = 5");

    const QString insert = "INSERT INTO MEDIDAS (CODIGO, NUMLIN, LIN, CODIGOPADRE, CODIGOHIJO, TIPO, NOMBRE, UNIDADES, "
                           "LARGO, ANCHO, ALTO, TOTAL) VALUES ('OBRA', 3, ?, '01#', 'D01', ?, ?, ?, ?, ?, ?, ?)";
    db.ExecuteSQL(insert, {1, "", "Salón", "2", "3.5", "1", "1", "7"});
    db.ExecuteSQL(insert, {2, "3", "a*b*p", "2", "1.5", "0", "0", "9.42478"});

    db.ExecuteSQL("UPDATE PRESUPUESTOS SET DIRECCION = 'Calle Mayor 1', CP = '08001', POBLACION = 'Barcelona', "
                  "PROVINCIA = 'Barcelona', TELEFONO = '931234567', EMAIL = 'cliente@example.com', NIF = '12345678Z', "
                  "BIND = '6', GGEN = '13', IVA = '21', IMPBIND = '740742.00', IMPGGEN = '1604941.00', "
                  "BASE = '14691383.00', IMPIVA = '3085190.43', TOTAL = '17776573.43' WHERE CODIGO = 'OBRA'");
    db.ExecuteSQL("UPDATE PARAMETROS SET NOMBRE = 'Construcciones Pérez', DIRECCION = 'Avenida Sol 5', CP = '17001', "
                  "POBLACION = 'Girona', PROVINCIA = 'Girona', TELEFONO = '972000000', EMAIL = 'obras@example.com', "
                  "NIF = 'B17000000'");
}

QJsonArray ReadWorkbook(const QString& strPath, QStringList* pSheets)
{
    // Debian's interpreter, where python3-xlrd and python3-openpyxl live.
    const QString python = QFile::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    const QString script = qEnvironmentVariable("VELMORA_SOURCE_DIR") + "/tests/output/read_workbook.py";
    QProcess process;
    process.start(python, {script, strPath});
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        QTest::qFail(qPrintable("reading " + strPath + ": " + QString::fromUtf8(process.readAllStandardError())),
                     __FILE__, __LINE__);
        return {};
    }
    const QJsonObject result = QJsonDocument::fromJson(process.readAllStandardOutput()).object();
    if (pSheets) {
        pSheets->clear();
        for (const QJsonValue& name : result["sheets"].toArray())
            *pSheets << name.toString();
    }
    return result["rows"].toArray();
}

} // namespace ExportFixture
