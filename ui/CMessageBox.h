#pragma once

#include <QMessageBox>
#include <functional>

// The program's message boxes: OK, or Yes/No for questions, titled with the
// application's name. Tests install a responder that records the text and
// answers in place of the user.
class CMessageBox
{
public:
    using Responder = std::function<QMessageBox::StandardButton(const QString& strText, QMessageBox::StandardButtons buttons)>;

    static QMessageBox::StandardButton Show(QWidget* parent, const QString& strText,
                                            QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                            QMessageBox::Icon icon = QMessageBox::Warning);
    static bool AskYesNo(QWidget* parent, const QString& strText);

    static void SetResponder(Responder responder);
    static void ClearResponder();
};
