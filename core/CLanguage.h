#pragma once

#include <QString>
#include <QTranslator>

// The user's language for one run. The language string read at start-up
// chooses it: "1" is Catalan, anything else Spanish. Spanish is the language
// the program is written in; for Catalan the program's own translation,
// built into the library, is installed in the application, and from then on
// every text goes through it, menus and dialogs as much as the messages the
// core chooses at run time (tr() and QCoreApplication::translate).
//
// Needs a QCoreApplication; the translation is removed again when the object
// goes.
class CLanguage
{
public:
    explicit CLanguage(const QString& strIdioma);
    ~CLanguage();
    CLanguage(const CLanguage&) = delete;
    CLanguage& operator=(const CLanguage&) = delete;

    bool IsCatalan() const { return m_bCatalan; }
    // Whether the Catalan translation is installed (always, for Catalan,
    // unless the program was built without it).
    bool IsInstalled() const { return m_bInstalled; }

    static bool IsCatalan(const QString& strIdioma) { return strIdioma == QStringLiteral("1"); }
    // Loads the program's Catalan texts; false when the build holds none.
    static bool LoadCatalan(QTranslator& translator);

private:
    QTranslator m_translator;
    bool m_bCatalan;
    bool m_bInstalled = false;
};
