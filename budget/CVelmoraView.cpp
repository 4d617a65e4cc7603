#include "budget/CVelmoraView.h"

#include "admin/CDatosEmpresaDlg.h"
#include "app/CLanguage.h"
#include "app/CProfile.h"
#include "app/CommandIds.h"
#include "budget/CVelmoraDoc.h"
#include "store/CSchema.h"
#include "ui/CMessageBox.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

namespace {

// The manuals live in the program's data folder: the user's, or the one it
// was installed or built with.
QString FindManual(const QString& strName)
{
    const QString user = QStandardPaths::locate(QStandardPaths::GenericDataLocation, QStringLiteral("Velmora/") + strName);
    if (!user.isEmpty())
        return user;
    const QString appDir = QCoreApplication::applicationDirPath();
    for (const QString& dir : {appDir + QStringLiteral("/../share/velmora"), appDir + QStringLiteral("/../res"), appDir}) {
        const QFileInfo candidate(dir + u'/' + strName);
        if (candidate.exists())
            return candidate.absoluteFilePath();
    }
    return {};
}

} // namespace

CVelmoraView::CVelmoraView(CVelmoraDoc& doc, QWidget* parent)
    : QWidget(parent)
    , m_doc(doc)
    , m_session(doc)
{
}

CVelmoraView::~CVelmoraView()
{
    m_session.Close(m_strCodigo);
}

bool CVelmoraView::IsCatalan() const
{
    return CLanguage::IsCatalan(m_strIdioma);
}

QString CVelmoraView::Text(const char* szSpanish, const char* szCatalan) const
{
    return CLanguage::Text(m_strIdioma, szSpanish, szCatalan);
}

void CVelmoraView::OnInitialUpdate()
{
    m_strIdioma = CProfile::Language();
    m_strDatabasePath = CSchema::DefaultDatabasePath();
    m_session.Open(m_strDatabasePath);
}

bool CVelmoraView::OnCommand(int nID)
{
    switch (nID) {
    case ID_IDIOMA_CASTELLANO:
        OnIdioma(QStringLiteral("0"));
        return true;
    case ID_IDIOMA_CATALA:
        OnIdioma(QStringLiteral("1"));
        return true;
    case ID_MANUAL:
        OnManual();
        return true;
    case ID_DATOS_EMPRESA:
        OnDatosEmpresa();
        return true;
    default:
        return false;
    }
}

bool CVelmoraView::OnUpdateCommand(int nID, QAction& action)
{
    switch (nID) {
    case ID_IDIOMA_CASTELLANO:
    case ID_IDIOMA_CATALA: {
        const QString value = CProfile::Language();
        action.setEnabled(true);
        action.setChecked(value == (nID == ID_IDIOMA_CASTELLANO ? QStringLiteral("0") : QStringLiteral("1")));
        return true;
    }
    default:
        return false;
    }
}

void CVelmoraView::OnIdioma(const QString& strValue)
{
    CProfile::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("idioma"), strValue);
    CMessageBox::Show(this, QStringLiteral("Ha de reiniciar el programa"), QMessageBox::Ok, QMessageBox::Information);
}

void CVelmoraView::OnDatosEmpresa()
{
    CDatosEmpresaDlg dialog(this);
    dialog.Edit(m_doc.m_parametrosSet);
}

void CVelmoraView::OnManual()
{
    const QString path = FindManual(IsCatalan() ? QStringLiteral("ManualCat.pdf") : QStringLiteral("ManualCas.pdf"));
    if (!path.isEmpty())
        QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
