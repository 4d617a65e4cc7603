#include "measure/CInsertarMedidaDlg.h"

#include "grid/CFormulaEdit.h"
#include "grid/CNoSeparatorEdit.h"
#include "grid/CNumberEdit.h"
#include "measure/CMeasurementLines.h"
#include "measure/FormulaParser.h"
#include "store/CDBException.h"
#include "store/NumberText.h"
#include "ui/CMessageBox.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const char* const kTriangleFormula = "(((b * c) / 2) * d) * a";
const char* const kCircleFormula = "(b*b * p) *d * a";
// The dialog shows the circle with this pi; the list recomputes the line
// later with the full one, which only differs past the fifth decimal.
constexpr double kDialogPi = 3.1415926;
constexpr double kFormulaX = 0.0123;

constexpr int kNumberDigits = 18;
constexpr int kNumberDecimals = 5;
constexpr int kTextLimit = 255;
constexpr int kIconSize = 32;

// Grid columns of the shape rows.
enum GridColumn { IconCol = 0, RadioCol, FirstSizeCol, TextCol = FirstSizeCol + 2 * CInsertarMedidaDlg::SizeSlots, UnitsCol, TotalCol };

QString StoreOne()
{
    return QStringLiteral("1.0");
}

} // namespace

CInsertarMedidaDlg::CInsertarMedidaDlg(CMedidasSet& measurements, QWidget* parent)
    : QDialog(parent)
    , m_measurements(measurements)
{
    setWindowTitle(tr("Insertar medida"));
    setObjectName(QStringLiteral("insertarMedida"));
    BuildRows();
    SetShape(Linea);
}

void CInsertarMedidaDlg::BuildRows()
{
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(8);
    grid->addWidget(new QLabel(tr("Comentario"), this), 0, TextCol);
    grid->addWidget(new QLabel(tr("Unidades"), this), 0, UnitsCol);
    grid->addWidget(new QLabel(tr("Total"), this), 0, TotalCol);

    const QString names[ShapeCount] = {tr("Línea"), tr("Cuadrado"), tr("Triángulo"), tr("Círculo"), tr("Personalizado")};
    // The size fields of each row; Alto stands in the last slot of every
    // row that has it, so that it lines up down the dialog.
    const QString sizes[ShapeCount][SizeSlots] = {
        {tr("Largo"), {}, {}},
        {tr("Largo"), tr("Ancho"), tr("Alto")},
        {tr("Base"), tr("Altura"), tr("Alto")},
        {tr("Radio"), {}, tr("Alto")},
        {tr("Largo"), tr("Ancho"), tr("Alto")},
    };

    auto* group = new QButtonGroup(this);
    for (int shape = 0; shape < ShapeCount; ++shape) {
        Row& row = m_rows[shape];
        const int gridRow = shape + 1;
        row.pIcon = new QLabel(this);
        row.pIcon->setPixmap(ShapeIcon(shape));
        row.pIcon->setFixedSize(kIconSize + 4, kIconSize + 4);
        row.pIcon->setAlignment(Qt::AlignCenter);
        grid->addWidget(row.pIcon, gridRow, IconCol);

        row.pRadio = new QRadioButton(names[shape], this);
        group->addButton(row.pRadio, shape);
        grid->addWidget(row.pRadio, gridRow, RadioCol);

        for (int slot = 0; slot < SizeSlots; ++slot) {
            if (sizes[shape][slot].isEmpty())
                continue;
            row.apLabels[slot] = new QLabel(sizes[shape][slot], this);
            row.apLabels[slot]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            row.apSizes[slot] = new CNumberEdit(this);
            row.apSizes[slot]->SetLimits(kNumberDigits, kNumberDecimals);
            row.apSizes[slot]->setAlignment(Qt::AlignRight);
            row.apSizes[slot]->setFixedWidth(90);
            row.apLabels[slot]->setBuddy(row.apSizes[slot]);
            grid->addWidget(row.apLabels[slot], gridRow, FirstSizeCol + 2 * slot);
            grid->addWidget(row.apSizes[slot], gridRow, FirstSizeCol + 2 * slot + 1);
        }

        switch (shape) {
        case Linea:
        case Cuadrado:
            row.pText = new CNoSeparatorEdit(this);
            row.pText->setMaxLength(kTextLimit);
            break;
        case Triangulo:
        case Circulo:
            row.pText = new QLineEdit(this);
            row.pText->setReadOnly(true);
            break;
        default: {
            row.pText = new CFormulaEdit(this);
            row.pText->setMaxLength(kTextLimit);
            // The prompt is no formula: it goes past the character filter,
            // and leaves as soon as the user enters the field.
            const QValidator* filter = row.pText->validator();
            row.pText->setValidator(nullptr);
            row.pText->setText(Prompt());
            row.pText->setValidator(filter);
            row.pText->installEventFilter(this);
            break;
        }
        }
        row.pText->setMinimumWidth(220);
        grid->addWidget(row.pText, gridRow, TextCol);

        row.pUnits = new CNumberEdit(this);
        row.pUnits->SetLimits(kNumberDigits, kNumberDecimals);
        row.pUnits->setAlignment(Qt::AlignRight);
        row.pUnits->setFixedWidth(80);
        row.pUnits->setText(QStringLiteral("1"));
        grid->addWidget(row.pUnits, gridRow, UnitsCol);

        row.pTotal = new QLineEdit(this);
        row.pTotal->setReadOnly(true);
        row.pTotal->setAlignment(Qt::AlignRight);
        row.pTotal->setFixedWidth(110);
        row.pTotal->setFocusPolicy(Qt::NoFocus);
        row.pTotal->setText(QStringLiteral("0"));
        grid->addWidget(row.pTotal, gridRow, TotalCol);
    }
    grid->setColumnStretch(TextCol, 1);
    connect(group, &QButtonGroup::idClicked, this, [this](int nShape) {
        m_nShape = nShape;
        EnableShapeFields();
    });

    m_pCalcular = new QPushButton(tr("Calcular"), this);
    m_pCalcular->setAutoDefault(false);
    m_pOk = new QPushButton(tr("OK"), this);
    m_pOk->setDefault(true);
    m_pCancelar = new QPushButton(tr("Cancelar"), this);
    m_pCancelar->setAutoDefault(false);
    connect(m_pCalcular, &QPushButton::clicked, this, [this] { CalculateShape(); });
    connect(m_pOk, &QPushButton::clicked, this, &CInsertarMedidaDlg::OnOK);
    connect(m_pCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_pCalcular);
    buttons->addStretch(1);
    buttons->addWidget(m_pOk);
    buttons->addWidget(m_pCancelar);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

QString CInsertarMedidaDlg::Prompt()
{
    return tr("Entre aquí una fórmula");
}

bool CInsertarMedidaDlg::IsPrompt(const QString& strText)
{
    return strText == Prompt();
}

void CInsertarMedidaDlg::SetShape(int nShape)
{
    if (nShape < 0 || nShape >= ShapeCount)
        return;
    m_nShape = nShape;
    m_rows[nShape].pRadio->setChecked(true);
    EnableShapeFields();
}

void CInsertarMedidaDlg::EnableShapeFields()
{
    for (int shape = 0; shape < ShapeCount; ++shape) {
        const Row& row = m_rows[shape];
        const bool chosen = shape == m_nShape;
        for (int slot = 0; slot < SizeSlots; ++slot) {
            if (row.apSizes[slot]) {
                row.apSizes[slot]->setEnabled(chosen);
                row.apLabels[slot]->setEnabled(chosen);
            }
        }
        row.pUnits->setEnabled(chosen);
        // The triangle's and the circle's formulas are fixed: they only show.
        if (shape != Triangulo && shape != Circulo)
            row.pText->setEnabled(chosen);
    }
}

double CInsertarMedidaDlg::FieldValue(CNumberEdit* pField)
{
    const double value = StoreAtof(NormalizeNumberText(pField->text()));
    if (value != 0.0)
        return value;
    // A size left out counts once, so that the other sizes still give a total.
    pField->setText(FormatLocaleNumber(StoreOne(), 1));
    return 1.0;
}

QString CInsertarMedidaDlg::FieldStoreText(CNumberEdit* pField) const
{
    return pField ? NormalizeNumberText(pField->text()) : StoreOne();
}

bool CInsertarMedidaDlg::CalculateShape()
{
    const Row& row = m_rows[m_nShape];
    double size[SizeSlots] = {1.0, 1.0, 1.0};
    for (int slot = 0; slot < SizeSlots; ++slot) {
        if (row.apSizes[slot])
            size[slot] = FieldValue(row.apSizes[slot]);
    }
    const double units = FieldValue(row.pUnits);

    double total = 0.0;
    switch (m_nShape) {
    case Linea:
        total = units * size[0];
        break;
    case Cuadrado:
    case Personalizado:
        total = units * size[0] * size[1] * size[2];
        break;
    case Triangulo:
        total = size[0] * size[1] * 0.5 * size[2] * units;
        row.pText->setText(QString::fromLatin1(kTriangleFormula));
        break;
    case Circulo:
        total = size[0] * size[0] * kDialogPi * units * size[2];
        row.pText->setText(QString::fromLatin1(kCircleFormula));
        break;
    default:
        break;
    }
    row.pTotal->setText(FormatLocaleNumber(StoreFormat(total, 5), 5));
    if (m_nShape != Personalizado)
        return true;

    auto text = [](CNumberEdit* pField) { return pField ? pField->text() : QString(); };
    const QString formula = CMeasurementLines::SubstituteLetters(row.pText->text(), row.pUnits->text(), text(row.apSizes[0]),
                                                                 text(row.apSizes[1]), text(row.apSizes[2]));
    FormulaParser parser;
    int position = 0;
    QString message;
    const double value = parser.Evaluate(formula, kFormulaX, position, message, true);
    if (position != 0) {
        CMessageBox::Show(this, tr("Error en fórmula"), QMessageBox::Ok, QMessageBox::Warning);
        return false;
    }
    // An evaluation error (a division by zero) keeps the product.
    if (message.isEmpty())
        row.pTotal->setText(FormatLocaleNumber(StoreFormat(value, 6), 5));
    return true;
}

bool CInsertarMedidaDlg::SaveMeasurement()
{
    // A formula that does not parse would be stored as a line the list could
    // never recompute: the user corrects it first.
    if (!CalculateShape())
        return false;
    const Row& row = m_rows[m_nShape];
    CMeasurementLines::Values values;
    values.unidades = FieldStoreText(row.pUnits);
    values.total = NormalizeNumberText(row.pTotal->text());
    values.largo = FieldStoreText(row.apSizes[0]);
    values.ancho = FieldStoreText(row.apSizes[1]);
    values.alto = FieldStoreText(row.apSizes[2]);
    values.nombre = row.pText->text();
    m_values = values;
    if (m_bStoreItself) {
        CMeasurementLines(m_measurements)
            .Append(m_strCodigo, m_strNumLin, m_strCodigoHijo, m_strCodigoPadre, m_nExisting, values, IsFormulaLine());
    }
    return true;
}

void CInsertarMedidaDlg::OnOK()
{
    // The store's error cannot travel through the dialog's event loop: it is
    // kept for the caller, who undoes its whole operation.
    try {
        if (SaveMeasurement())
            accept();
    } catch (const CDBException& e) {
        m_bFailed = true;
        m_strError = e.m_strError;
        reject();
    }
}

bool CInsertarMedidaDlg::eventFilter(QObject* watched, QEvent* event)
{
    QLineEdit* formula = m_rows[Personalizado].pText;
    if (watched == formula && event->type() == QEvent::FocusIn && IsPrompt(formula->text()))
        formula->clear();
    return QDialog::eventFilter(watched, event);
}

QPixmap CInsertarMedidaDlg::ShapeIcon(int nShape)
{
    QPixmap pixmap(kIconSize, kIconSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline(40, 80, 140);
    const QColor fill(175, 205, 240);
    const QColor measure(200, 60, 40);
    p.setPen(QPen(outline, 1.5));
    p.setBrush(fill);
    switch (nShape) {
    case Linea:
        p.setPen(QPen(outline, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 16), QPointF(28, 16));
        p.setPen(QPen(measure, 1.5));
        p.drawLine(QPointF(4, 10), QPointF(4, 22));
        p.drawLine(QPointF(28, 10), QPointF(28, 22));
        break;
    case Cuadrado: {
        // A block seen from above and in front: length, width and height.
        QPainterPath top;
        top.moveTo(4, 11);
        top.lineTo(11, 4);
        top.lineTo(28, 4);
        top.lineTo(21, 11);
        top.closeSubpath();
        QPainterPath side;
        side.moveTo(21, 11);
        side.lineTo(28, 4);
        side.lineTo(28, 21);
        side.lineTo(21, 28);
        side.closeSubpath();
        p.drawPath(top);
        p.setBrush(fill.darker(115));
        p.drawPath(side);
        p.setBrush(fill);
        p.drawRect(QRectF(4, 11, 17, 17));
        break;
    }
    case Triangulo: {
        QPainterPath triangle;
        triangle.moveTo(4, 28);
        triangle.lineTo(28, 28);
        triangle.lineTo(12, 5);
        triangle.closeSubpath();
        p.drawPath(triangle);
        p.setPen(QPen(measure, 1.2, Qt::DashLine));
        p.drawLine(QPointF(12, 6), QPointF(12, 27));
        break;
    }
    case Circulo:
        p.drawEllipse(QRectF(3.5, 3.5, 25, 25));
        p.setPen(QPen(measure, 1.5));
        p.drawLine(QPointF(16, 16), QPointF(28, 16));
        p.setBrush(measure);
        p.drawEllipse(QPointF(16, 16), 1.5, 1.5);
        break;
    case Personalizado: {
        QPainterPath blob;
        blob.moveTo(5, 24);
        blob.cubicTo(2, 12, 10, 3, 18, 6);
        blob.cubicTo(28, 9, 31, 20, 24, 25);
        blob.cubicTo(18, 30, 9, 29, 5, 24);
        p.drawPath(blob);
        QFont font = p.font();
        font.setItalic(true);
        font.setBold(true);
        font.setPixelSize(13);
        p.setFont(font);
        p.setPen(outline);
        p.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, QStringLiteral("f(x)"));
        break;
    }
    default:
        break;
    }
    return pixmap;
}
