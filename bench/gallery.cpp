// Renders the program's windows to PNG files, so that they can be looked at
// as a user sees them: gallery OUTPUT_FOLDER [ca]
#include "admin/CBudgetAdmin.h"
#include "admin/CBudgetHeader.h"
#include "admin/CDatosEmpresaDlg.h"
#include "admin/CDatosPresupuestoDlg.h"
#include "admin/CPresupuestosDlg.h"
#include "bc3/CBc3BudgetExport.h"
#include "budget/CArticulosList.h"
#include "budget/CLineTree.h"
#include "budget/CVelmoraDoc.h"
#include "budget/CVelmoraView.h"
#include "grid/CNumberEdit.h"
#include "measure/CInsertarMedidaDlg.h"
#include "measure/CMeasurementLines.h"
#include "measure/CMedicionesDlg.h"
#include "measure/CMedicionesList.h"
#include "output/CRtfReportDlg.h"
#include "output/CBudgetPrintout.h"
#include "output/CLangPrintPreview.h"
#include "output/CPrintOptionsDlg.h"
#include "pricebase/CBasePreciosDlg.h"
#include "pricebase/CImportarTarifaDlg.h"
#include "bc3/CBc3Messages.h"
#include "pricebase/CPreciosList.h"
#include "pricebase/CPriceBaseAdmin.h"
#include "pricebase/CTarifasList.h"
#include "store/NumberText.h"
#include "ui/CProgressBarText.h"
#include "app/CAboutDlg.h"
#include "app/CVelmoraApp.h"
#include "app/CMainFrame.h"
#include "app/CProfile.h"
#include "app/CommandIds.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QLineEdit>
#include <QPrinter>
#include <QRadioButton>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

long BranchEndOf(CLineTree& tree, long line)
{
    return tree.BranchEnd(line);
}

void Save(QWidget& widget, const QString& folder, const QString& name, QSize size = {})
{
    widget.show();
    if (size.isValid())
        widget.resize(size);
    else
        widget.adjustSize();
    QApplication::processEvents();
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    widget.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

// The screen under a main window and the windows over it. Under X11 the
// screen itself is read; where the platform keeps each window apart
// (offscreen) the windows are drawn over the main one where they stand.
void SaveScreen(QWidget& main, const QList<QWidget*>& over, const QString& folder, const QString& name)
{
    QApplication::processEvents();
    const QRect area = main.frameGeometry();
    QPixmap shot;
    if (QGuiApplication::platformName() == QStringLiteral("xcb"))
        shot = main.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    if (shot.isNull()) {
        shot = main.grab();
        QPainter painter(&shot);
        for (QWidget* window : over) {
            const QPoint at = window->geometry().topLeft() - main.geometry().topLeft();
            painter.drawPixmap(at, window->grab());
            painter.setPen(QColor(80, 80, 80));
            painter.drawRect(QRect(at, window->size()).adjusted(-1, -1, 0, 0));
        }
    }
    const QString path = folder + u'/' + name + QStringLiteral(".png");
    shot.save(path);
    std::printf("%s\n", qPrintable(path));
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication application(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    // "ca": the windows as a Catalan user sees them.
    if (argc > 2 && QByteArray(argv[2]) == "ca")
        CProfile::WriteProfileString(QStringLiteral("Settings"), QStringLiteral("idioma"), QStringLiteral("1"));

    CVelmoraApp app;
    if (!app.InitInstance())
        return 1;
    app.MainFrame()->resize(1100, 700);
    Save(*app.MainFrame(), folder, QStringLiteral("main"), QSize(1100, 700));

    // A small budget, three levels shown.
    CVelmoraDoc& doc = *app.Document();
    CBudgetHeader header = CBudgetHeader::New();
    header.m_strCodigo = QStringLiteral("OBRA");
    header.m_strNombre = QStringLiteral("Reforma de vivienda en la calle Mayor");
    header.m_strGgen = QStringLiteral("13");
    header.m_strBind = QStringLiteral("6");
    header.m_strIva = QStringLiteral("21");
    CBudgetAdmin::Create(doc.Database(), header);
    doc.m_articulosSet.FilterBudget(QStringLiteral("OBRA"));
    doc.m_articulosSet.Requery();
    CLineTree tree(doc.m_articulosSet, CLineTable::ForBudget(QStringLiteral("OBRA")));
    auto add = [&](long after, CLineTree::Kind kind, int level, const char* code, const char* name, const char* unit,
                   double price, double quantity) {
        CLineRecord line = CLineTree::NewLine(kind, level);
        line.articulo = QString::fromUtf8(code);
        line.nombre = QString::fromUtf8(name);
        line.medida = QString::fromUtf8(unit);
        if (kind != CLineTree::Kind::Chapter) {
            line.precio = StoreFormat(price, 5);
            line.rendimiento = StoreFormat(quantity, 5);
            line.importe = StoreFormat(price * quantity, 5);
        }
        const long number = tree.InsertLine(after, line);
        tree.RollUpTotals(number);
        return number;
    };
    long c1 = add(1, CLineTree::Kind::Chapter, 1, "C01#", "Demoliciones", "", 0, 0);
    long f1 = add(c1, CLineTree::Kind::Folder, 2, "DEM010", "Demolición de tabique de ladrillo", "m2", 0, 23.8);
    long k = add(f1, CLineTree::Kind::Concept, 3, "MO001", "Peón ordinario", "h", 17.25, 0.35);
    k = add(k, CLineTree::Kind::Concept, 3, "MQ002", "Martillo neumático", "h", 4.1, 0.2);
    long f2 = add(BranchEndOf(tree, c1), CLineTree::Kind::Folder, 2, "DEM020", "Levantado de alicatado", "m2", 0, 38);
    add(f2, CLineTree::Kind::Concept, 3, "MO001", "Peón ordinario", "h", 17.25, 0.28);
    long c2 = add(tree.LineCount(), CLineTree::Kind::Chapter, 1, "C02#", "Albañilería", "", 0, 0);
    long f3 = add(c2, CLineTree::Kind::Folder, 2, "ALB010", "Tabique de ladrillo hueco doble", "m2", 0, 31.2);
    add(f3, CLineTree::Kind::Concept, 3, "MO010", "Oficial 1ª albañil", "h", 19.8, 0.45);
    add(tree.LineCount(), CLineTree::Kind::Concept, 1, "%CI", "Costes indirectos", "%", 0, 0.03);
    tree.RollUpTotals(tree.LineCount());
    // The first folder's quantity measured: two walls and a gable.
    {
        CMeasurementLines measures(doc.m_medidasSet);
        const QString line = QString::number(f1);
        measures.Load(QStringLiteral("OBRA"), line);
        measures.Append(QStringLiteral("OBRA"), line, QStringLiteral("DEM010"), QStringLiteral("C01#"), 0,
                        {QStringLiteral("Tabique cocina"), QStringLiteral("1.00000"), QStringLiteral("3.50000"),
                         QStringLiteral("1.00000"), QStringLiteral("2.80000"), QStringLiteral("9.80000")},
                        false);
        measures.Append(QStringLiteral("OBRA"), line, QStringLiteral("DEM010"), QStringLiteral("C01#"), 1,
                        {QStringLiteral("Tabique baño (2 paños)"), QStringLiteral("2.00000"), QStringLiteral("1.75000"),
                         QStringLiteral("1.00000"), QStringLiteral("2.80000"), QStringLiteral("9.80000")},
                        false);
        measures.Append(QStringLiteral("OBRA"), line, QStringLiteral("DEM010"), QStringLiteral("C01#"), 2,
                        {QStringLiteral("(((b * c) / 2) * d) * a"), QStringLiteral("1.00000"), QStringLiteral("3.00000"),
                         QStringLiteral("1.00000"), QStringLiteral("2.80000"), QStringLiteral("4.20000")},
                        true);
    }
    CVelmoraView* view = app.View();
    view->OpenBudget(QStringLiteral("OBRA"));
    view->List()->ExpandLine(1, 3);
    for (int row = 0; row < view->List()->GetItemCount(); ++row) {
        if (view->List()->GetItemText(row, 0) == QStringLiteral("C02#"))
            view->List()->ExpandLine(row, 3);
    }
    view->UpdateTotals();
    view->List()->SelectAndFocus(2);
    view->List()->OnItemClick(2, 0, 0);
    Save(*app.MainFrame(), folder, QStringLiteral("budget"), QSize(1100, 700));

    app.MainFrame()->OnCommand(ID_MEDICIONES);
    Save(*view->Mediciones(), folder, QStringLiteral("mediciones"), QSize(560, 240));
    // The main window with the measurements over its lower right corner, as
    // the screen shows them both.
    view->Mediciones()->move(app.MainFrame()->geometry().topLeft() + QPoint(500, 420));
    QApplication::processEvents();
    SaveScreen(*app.MainFrame(), {view->Mediciones()}, folder, QStringLiteral("principal-mediciones"));
    view->Mediciones()->hide();

    // A price base with two tariffs; the second one shown with a branch open.
    CPriceBaseAdmin::Create(doc.Database(), QStringLiteral("PREOC"), QStringLiteral("Madrid"));
    CPriceBaseAdmin::Create(doc.Database(), QStringLiteral("PREOC"), QStringLiteral("Barcelona"));
    {
        const CLineTable table = CLineTable::ForTariff(QStringLiteral("PREOC"), QStringLiteral("Barcelona"));
        doc.m_preciosSet.FilterTree(table);
        doc.m_preciosSet.Open();
        CLineTree prices(doc.m_preciosSet, table);
        auto price = [&](long after, CLineTree::Kind kind, int level, const char* code, const char* name,
                         const char* unit, double value, double quantity) {
            CLineRecord line = CLineTree::NewLine(kind, level);
            line.articulo = QString::fromUtf8(code);
            line.nombre = QString::fromUtf8(name);
            line.medida = QString::fromUtf8(unit);
            if (kind != CLineTree::Kind::Chapter) {
                line.precio = StoreFormat(value, 5);
                line.rendimiento = StoreFormat(quantity, 5);
                line.importe = StoreFormat(value * quantity, 5);
            }
            const long number = prices.InsertLine(after, line);
            prices.RollUpTotals(number);
            return number;
        };
        const long e = price(1, CLineTree::Kind::Chapter, 1, "E#", "Estructuras", "", 0, 0);
        const long h = price(e, CLineTree::Kind::Folder, 2, "EHM010", "Muro de hormigón armado", "m3", 0, 1);
        long c = price(h, CLineTree::Kind::Concept, 3, "MT07ACO", "Acero en barras corrugadas", "kg", 0.81, 50);
        c = price(c, CLineTree::Kind::Concept, 3, "MT10HMF", "Hormigón HA-25/B/20/IIa", "m3", 78.9, 1.05);
        price(c, CLineTree::Kind::Concept, 3, "MO045", "Oficial 1ª estructurista", "h", 19.8, 0.9);
        price(prices.LineCount(), CLineTree::Kind::Chapter, 1, "F#", "Fachadas", "", 0, 0);
        price(prices.LineCount(), CLineTree::Kind::Chapter, 1, "R#", "Revestimientos", "", 0, 0);
        prices.RollUpTotals(h + 1);
    }
    app.MainFrame()->OnCommand(ID_BASE_PRECIOS);
    for (int row = 0; row < view->BasePrecios()->Tariffs()->GetItemCount(); ++row) {
        if (view->BasePrecios()->Tariffs()->GetItemText(row, 1) == QStringLiteral("Barcelona")) {
            view->BasePrecios()->Tariffs()->OnItemClick(row, 0, 0);
            view->BasePrecios()->Tariffs()->SelectAndFocus(row);
        }
    }
    view->BasePrecios()->Lines()->ExpandLine(1, 3);
    view->BasePrecios()->Lines()->SelectAndFocus(3);
    view->BasePrecios()->Lines()->OnItemClick(3, 0, 0);
    Save(*view->BasePrecios(), folder, QStringLiteral("base-precios"), QSize(960, 680));
    // The main window with the price base over it, as the screen shows them.
    view->BasePrecios()->setGeometry(QRect(app.MainFrame()->geometry().topLeft() + QPoint(120, 64), QSize(960, 620)));
    SaveScreen(*app.MainFrame(), {view->BasePrecios()}, folder, QStringLiteral("principal-base-precios"));
    view->BasePrecios()->hide();

    // "Importar tarifa" on a file whose header names four scopes, one chosen, half way.
    {
        const QString file = folder + QStringLiteral("/Tarifa provincial.bc3");
        QFile bc3(file);
        if (bc3.open(QIODevice::WriteOnly))
            bc3.write("~V||FIEBDC-3/2016||PRECIOS\\Almer\xED" "a\\C\xE1" "diz\\C\xF3rdoba\\Granada|ANSI|\r\n");
        bc3.close();
        CImportarTarifaDlg import(doc.Database());
        import.SetFile(file);
        import.m_pScopes->item(1)->setSelected(true);
        import.m_pProgress->show();
        import.m_pProgress->SetPos(37);
        import.m_pProgress->SetWindowText(CBc3Messages::StagingProgress(37));
        Save(import, folder, QStringLiteral("importar-tarifa"), import.size());
        QFile::remove(file);
    }

    CInsertarMedidaDlg measure(doc.m_medidasSet);
    measure.SetShape(CInsertarMedidaDlg::Circulo);
    measure.SizeField(CInsertarMedidaDlg::Circulo, 0)->setText(QStringLiteral("1,2"));
    measure.SizeField(CInsertarMedidaDlg::Circulo, 2)->setText(QStringLiteral("2,8"));
    measure.CalculateShape();
    Save(measure, folder, QStringLiteral("insertar-medida"));

    CPresupuestosDlg manager(*view, QStringLiteral("OBRA"));
    manager.ProgressBar()->show();
    manager.ProgressBar()->SetPos(37);
    Save(manager, folder, QStringLiteral("manager"));

    // What the manager says after an export whose file could not hold every character.
    const std::vector<CBc3BudgetExport::Unencodable> unencodables = {
        {12, QStringLiteral("E02AM010"), QStringLiteral("φ≥")}, {417, QStringLiteral("U01AA011"), QStringLiteral("\uFFFD")}};
    QMessageBox warning(QMessageBox::Warning, QStringLiteral("Velmora"),
                        CBc3BudgetExport::UnencodableWarning(unencodables, false), QMessageBox::Ok);
    warning.adjustSize();
    Save(warning, folder, QStringLiteral("export-warning"), warning.sizeHint());

    CDatosPresupuestoDlg data(false);
    CBudgetHeader values;
    values.Load(doc.m_presupuestosSet);
    data.SetHeader(values);
    Save(data, folder, QStringLiteral("datos-presupuesto"));

    CProgressBarText bar;
    bar.resize(300, 22);
    bar.SetPos(37);
    Save(bar, folder, QStringLiteral("progress-37"));

    CAboutDlg about;
    Save(about, folder, QStringLiteral("about"));

    CDatosEmpresaDlg empresa;
    empresa.m_pNombre->setText(QStringLiteral("Construcciones Pérez, S.L."));
    empresa.m_pCp->setText(QStringLiteral("08001"));
    Save(empresa, folder, QStringLiteral("datos-empresa"));

    CRtfReportDlg report(doc.Database(), QStringLiteral("OBRA"));
    Save(report, folder, QStringLiteral("informe-rtf"), report.size());
    CPrintOptionsDlg options;
    Save(options, folder, QStringLiteral("opciones-impresion"));
    options.findChild<QRadioButton*>(QStringLiteral("factura"))->click();
    Save(options, folder, QStringLiteral("opciones-impresion-factura"));

    // The preview of the budget with its measurement lines.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    CPrintOptions printOptions;
    printOptions.m_bMeasurements = true;
    printOptions.m_strBudgetNumber = QStringLiteral("2024/017");
    CPrintJob job(printOptions);
    CPrintData printData;
    printData.Load(doc.Database(), QStringLiteral("OBRA"), job.m_nLevelLimit, true);
    CLangPrintPreview preview(&printer);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&](QPrinter* target) { CBudgetPrintout::PrintDocument(job, printData, *target); });
    Save(preview, folder, QStringLiteral("presentacion-preliminar"), QSize(1000, 760));
    preview.OneTwoPagesAction()->trigger();
    Save(preview, folder, QStringLiteral("presentacion-preliminar-dos"), QSize(1000, 760));
    return 0;
}
