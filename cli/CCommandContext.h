#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTextStream>
#include <memory>

class CDatabase;
class CStoreSession;
class CVelmoraDoc;

// What a command of velmora-cli works with: the output and error streams,
// the database it was pointed at, and the store, opened when the command
// asks for it and closed when the run ends.
class CCommandContext
{
    Q_DECLARE_TR_FUNCTIONS(CCommandContext)

public:
    CCommandContext(QTextStream& out, QTextStream& err, const QString& strDatabase);
    ~CCommandContext();

    QTextStream& Out() { return m_out; }
    QTextStream& Err() { return m_err; }
    const QString& DatabasePath() const { return m_strDatabase; }

    // Opens the store, reporting a failure and the store's warnings; false
    // when it could not be opened.
    bool OpenStore();
    // The open store.
    CVelmoraDoc& Doc() { return *m_pDoc; }
    CDatabase& Database();

    // Reports a budget that is not in the store; false when it is missing.
    bool RequireBudget(const QString& strCode);
    // The usage on the output (status 0) or error stream; returns nStatus.
    int Usage(int nStatus);

private:
    QTextStream& m_out;
    QTextStream& m_err;
    QString m_strDatabase;
    std::unique_ptr<CVelmoraDoc> m_pDoc;
    std::unique_ptr<CStoreSession> m_pSession;
};
