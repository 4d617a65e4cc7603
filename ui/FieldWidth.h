#pragma once

class QLineEdit;
class QString;

// The width a one-line field needs to show strText whole in its own font:
// the text, the frame and the field's margins around it.
int FieldWidthFor(const QLineEdit& field, const QString& strText);
