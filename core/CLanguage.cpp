#include "core/CLanguage.h"

#include <QCoreApplication>

CLanguage::CLanguage(const QString& strIdioma)
    : m_bCatalan(IsCatalan(strIdioma))
{
    if (m_bCatalan && LoadCatalan(m_translator))
        m_bInstalled = QCoreApplication::installTranslator(&m_translator);
}

CLanguage::~CLanguage()
{
    if (m_bInstalled)
        QCoreApplication::removeTranslator(&m_translator);
}

bool CLanguage::LoadCatalan(QTranslator& translator)
{
    // Compiled from res/velmora_ca.ts at build time and embedded as a resource.
    return translator.load(QStringLiteral(":/velmora/translations/velmora_ca.qm"));
}
