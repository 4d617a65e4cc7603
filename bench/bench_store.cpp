// Requery a 50,000-line budget, then visit every line by absolute position,
// the way the budget tree reaches its lines.
#include "budget/CStoreSession.h"
#include "budget/CVelmoraDoc.h"
#include "store/CArticulosSet.h"
#include "store/CDatabase.h"
#include "store/CTransaction.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    const int lines = argc > 1 ? QByteArray(argv[1]).toInt() : 50000;

    CVelmoraDoc doc;
    CStoreSession session(doc);
    session.Open(home.path() + QStringLiteral("/bench.db"));
    CArticulosSet& set = doc.m_articulosSet;
    {
        CTransaction transaction(doc.Database());
        for (int i = 1; i <= lines; ++i) {
            set.AddNew();
            set.m_CODIGO = QStringLiteral("BENCH");
            set.m_NUMLIN = QString::number(i);
            set.m_NIVEL = QString::number(i == 1 ? 0 : 1 + i % 4);
            set.m_ARTICULO = QStringLiteral("ART%1").arg(i);
            set.m_NOMBRE = QStringLiteral("Partida de obra número %1 con su descripción").arg(i);
            set.m_DESGLOSE = i % 3 ? QStringLiteral("N") : QStringLiteral("S");
            set.m_PRECIO = QStringLiteral("12.34500");
            set.m_RENDIMIENTO = QStringLiteral("2.00000");
            set.m_IMPORTE = QStringLiteral("24.69000");
            set.Update();
        }
        transaction.Commit();
    }

    QElapsedTimer timer;
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        timer.start();
        set.FilterBudget(QStringLiteral("BENCH"));
        set.Requery();
        const qint64 requery = timer.nsecsElapsed();
        qint64 checksum = 0;
        for (long n = 1; n <= set.GetRecordCount(); ++n) {
            set.SetAbsolutePosition(n);
            checksum += set.m_NUMLIN.toLong() + set.m_ARTICULO.size();
        }
        const double total = timer.nsecsElapsed() / 1e9;
        best = std::min(best, total);
        std::printf("round %d: requery %.3f s, requery + visit %ld lines %.3f s (checksum %lld)\n", round,
                    requery / 1e9, set.GetRecordCount(), total, static_cast<long long>(checksum));
    }
    std::printf("best: %.3f s for %d lines (target < 0.300 s)\n", best, lines);
    return 0;
}
