#pragma once

#include "measure/CMeasurementLines.h"

#include <QDialog>
#include <QPixmap>
#include <QString>
#include <array>

class CMedidasSet;
class CNumberEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// "Insertar medida": one measurement line entered as a shape. The user picks
// a shape, types its sizes and units, may press "Calcular" to see the total,
// and on OK the dialog appends the line to the measurement set itself. Line
// and square become factor lines; triangle, circle and the custom shape
// become formula lines whose formula stands in the line's comment, so that
// the measurement list can recompute them later.
class CInsertarMedidaDlg : public QDialog
{
    Q_OBJECT

public:
    enum Shape { Linea = 0, Cuadrado, Triangulo, Circulo, Personalizado, ShapeCount };
    // Size fields per shape row; a shape leaves the ones it does not use empty.
    static constexpr int SizeSlots = 3;

    // The set must be filtered on the budget line the new line belongs to.
    explicit CInsertarMedidaDlg(CMedidasSet& measurements, QWidget* parent = nullptr);

    // The budget line the new measurement line belongs to, and how many
    // lines it has already: the new one is numbered after them.
    QString m_strCodigo;
    QString m_strNumLin;
    QString m_strCodigoHijo;
    QString m_strCodigoPadre;
    long m_nExisting = 0;

    int CurrentShape() const { return m_nShape; }
    void SetShape(int nShape);
    // Enables the fields of the chosen shape's row and disables the others'.
    void EnableShapeFields();
    // Works out the chosen shape's total into its total field. Empty or zero
    // sizes and units become 1. False when the custom formula does not parse;
    // the user has been told and the total is the product of the sizes.
    bool CalculateShape();
    // Calculates and appends the line. False, with nothing appended, when the
    // custom formula does not parse. Raises CDBException when the store fails.
    bool SaveMeasurement();

    // Off: OK only gathers the line, and whoever ran the dialog stores it
    // (the measurement window, through the editing service).
    bool m_bStoreItself = true;
    // The line OK gathered, in store text, and whether it is a formula line.
    const CMeasurementLines::Values& Measurement() const { return m_values; }
    bool IsFormulaLine() const { return m_nShape >= Triangulo; }

    // Whether the run ended on a database error, and its text: the line was
    // not appended and the caller's operation has to be undone.
    bool Failed() const { return m_bFailed; }
    const QString& ErrorText() const { return m_strError; }

    // The custom formula field's prompt.
    static QString Prompt();
    static bool IsPrompt(const QString& strText);
    // The picture at the head of each shape row.
    static QPixmap ShapeIcon(int nShape);

    QRadioButton* ShapeButton(int nShape) const { return m_rows[nShape].pRadio; }
    CNumberEdit* SizeField(int nShape, int nSlot) const { return m_rows[nShape].apSizes[nSlot]; }
    CNumberEdit* UnitsField(int nShape) const { return m_rows[nShape].pUnits; }
    // The comment of a line or square, the formula of the other shapes.
    QLineEdit* TextField(int nShape) const { return m_rows[nShape].pText; }
    QLineEdit* TotalField(int nShape) const { return m_rows[nShape].pTotal; }
    QPushButton* CalcularButton() const { return m_pCalcular; }
    QPushButton* OkButton() const { return m_pOk; }
    QPushButton* CancelButton() const { return m_pCancelar; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QLabel* pIcon = nullptr;
        QRadioButton* pRadio = nullptr;
        std::array<QLabel*, SizeSlots> apLabels{};
        std::array<CNumberEdit*, SizeSlots> apSizes{};
        QLineEdit* pText = nullptr;
        CNumberEdit* pUnits = nullptr;
        QLineEdit* pTotal = nullptr;
    };

    void BuildRows();
    void OnOK();
    // The value of a size or units field; an empty or zero field becomes 1.
    double FieldValue(CNumberEdit* pField);
    QString FieldStoreText(CNumberEdit* pField) const;

    CMedidasSet& m_measurements;
    int m_nShape = Linea;
    std::array<Row, ShapeCount> m_rows;
    QPushButton* m_pCalcular = nullptr;
    QPushButton* m_pOk = nullptr;
    QPushButton* m_pCancelar = nullptr;
    CMeasurementLines::Values m_values;
    bool m_bFailed = false;
    QString m_strError;
};
