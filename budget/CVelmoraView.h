#pragma once

#include "app/CCommandTarget.h"
#include "budget/CStoreSession.h"

#include <QString>
#include <QWidget>

class CVelmoraDoc;

// The record form that shows the open budget. It holds the language string,
// the open budget's code and the database path, opens the store when it is
// first initialised and closes it, with the data source, when destroyed.
class CVelmoraView : public QWidget, public CCommandTarget
{
    Q_OBJECT

public:
    explicit CVelmoraView(CVelmoraDoc& doc, QWidget* parent = nullptr);
    ~CVelmoraView() override;

    CVelmoraDoc& GetDocument() { return m_doc; }

    // Reads the language, registers the data source for the fixed database
    // path (creating the file when it is missing) and opens the store.
    // Raises CDBException when the store cannot be opened.
    void OnInitialUpdate();

    bool OnCommand(int nID) override;
    bool OnUpdateCommand(int nID, QAction& action) override;

    bool IsCatalan() const;
    // Chooses the Spanish or the Catalan text by the language string.
    QString Text(const char* szSpanish, const char* szCatalan) const;

    QString m_strIdioma;
    QString m_strCodigo;
    QString m_strDatabasePath;

private:
    void OnIdioma(const QString& strValue);
    void OnManual();
    void OnDatosEmpresa();

    CVelmoraDoc& m_doc;
    CStoreSession m_session;
};
