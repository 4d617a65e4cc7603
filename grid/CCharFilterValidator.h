#pragma once

#include <QString>
#include <QValidator>

// Keeps characters out of a line edit, however they arrive: typed, pasted or
// dropped. Either only the allowed characters get in, or every character but
// the refused ones; unwanted characters of a pasted text are dropped and the
// rest stays.
class CCharFilterValidator : public QValidator
{
    Q_OBJECT

public:
    enum Mode { OnlyThese, AllBut };

    CCharFilterValidator(Mode mode, const QString& strChars, QObject* parent = nullptr);

    bool Accepts(QChar ch) const;
    State validate(QString& input, int& pos) const override;

private:
    Mode m_mode;
    QString m_strChars;
};
