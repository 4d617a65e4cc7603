<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../app/CAboutDlg.cpp" line="14" />
        <source>Acerca de Velmora</source>
        <translation>Quant a Velmora</translation>
    </message>
    <message>
        <location filename="../app/CAboutDlg.cpp" line="19" />
        <source>Velmora - Presupuestos y Facturación Versión 2.0</source>
        <translation>Velmora - Pressupostos i Facturació Versió 2.0</translation>
    </message>
    <message>
        <location filename="../app/CAboutDlg.cpp" line="20" />
        <source>Presupuestos, mediciones, bases de precios e intercambio FIEBDC-3.</source>
        <translation>Pressupostos, amidaments, bases de preus i intercanvi FIEBDC-3.</translation>
    </message>
    <message>
        <location filename="../app/CAboutDlg.cpp" line="26" />
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
</context>
<context>
    <name>CArticulosList</name>
    <message>
        <location filename="../budget/CArticulosList.cpp" line="271" />
        <source>Insertar</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <location filename="../budget/CArticulosList.cpp" line="273" />
        <source>Insertar Capítulo</source>
        <translation>Inserir Capítol</translation>
    </message>
    <message>
        <location filename="../budget/CArticulosList.cpp" line="273" />
        <source>Insertar Carpeta</source>
        <translation>Inserir Carpeta</translation>
    </message>
    <message>
        <location filename="../budget/CArticulosList.cpp" line="274" />
        <source>Insertar Concepto</source>
        <translation>Inserir Concepte</translation>
    </message>
    <message>
        <location filename="../budget/CArticulosList.cpp" line="274" />
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../budget/CArticulosList.cpp" line="275" />
        <source>Pegar</source>
        <translation>Enganxar</translation>
    </message>
    <message>
        <location filename="../budget/CArticulosList.cpp" line="282" />
        <source>Expandir todo</source>
        <translation>Expandir-ho tot</translation>
    </message>
</context>
<context>
    <name>CBudgetCode</name>
    <message>
        <location filename="../store/CBudgetCode.cpp" line="52" />
        <source>Falta código de presupuesto</source>
        <translation>Falta codi pressupost</translation>
    </message>
    <message>
        <location filename="../store/CBudgetCode.cpp" line="54" />
        <source>El código tiene más de %1 caracteres: %2</source>
        <translation>El codi té més de %1 caràcters: %2</translation>
    </message>
    <message>
        <location filename="../store/CBudgetCode.cpp" line="56" />
        <source>El código tiene caracteres incompletos: %1</source>
        <translation>El codi té caràcters incomplets: %1</translation>
    </message>
</context>
<context>
    <name>CBudgetPrintout</name>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="159" />
        <location filename="../output/CBudgetPrintout.cpp" line="181" />
        <source>Teléfono</source>
        <translation>Telèfon</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="198" />
        <location filename="../output/CBudgetPrintout.cpp" line="206" />
        <source>Presupuesto</source>
        <translation>Pressupost</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="208" />
        <location filename="../output/CBudgetPrintout.cpp" line="233" />
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="224" />
        <location filename="../output/CBudgetPrintout.cpp" line="231" />
        <source>Factura</source>
        <translation>Factura</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="243" />
        <source>Codigo</source>
        <translation>Codi</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="245" />
        <source>Un.</source>
        <translation>Ut.</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="246" />
        <source>Descripción</source>
        <translation>Descripció</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="248" />
        <source>Precio</source>
        <translation>Preu</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="249" />
        <source>Cantidad</source>
        <translation>Quantitat</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="251" />
        <location filename="../output/CBudgetPrintout.cpp" line="381" />
        <source>Importe</source>
        <translation>Import</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="256" />
        <source>pag. %1/%2</source>
        <translation>pàg. %1/%2</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="311" />
        <source>Observaciones</source>
        <translation>Observacions</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="320" />
        <source>Total Neto</source>
        <translation>Total net</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="322" />
        <location filename="../output/CBudgetPrintout.cpp" line="347" />
        <source>Beneficio industrial</source>
        <translation>Benefici industrial</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="325" />
        <location filename="../output/CBudgetPrintout.cpp" line="350" />
        <source>Gastos generales</source>
        <translation>Despeses generals</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="328" />
        <location filename="../output/CBudgetPrintout.cpp" line="376" />
        <source>Total bruto</source>
        <translation>Total brut</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="330" />
        <location filename="../output/CBudgetPrintout.cpp" line="378" />
        <source>Base imponible</source>
        <translation>Base imposable</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="334" />
        <source>Total presupuesto</source>
        <translation>Total pressupost</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="355" />
        <source>Forma de pago</source>
        <translation>Forma de pagament</translation>
    </message>
    <message>
        <location filename="../output/CBudgetPrintout.cpp" line="384" />
        <source>Total factura</source>
        <translation>Total factura</translation>
    </message>
    <message>
        <location filename="../output/CPrintBody.cpp" line="178" />
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
</context>
<context>
    <name>CCommandLineTool</name>
    <message>
        <location filename="../app/CCommandLineTool.cpp" line="91" />
        <source>--database necesita la ruta de un fichero</source>
        <translation>--database necessita la ruta d'un fitxer</translation>
    </message>
    <message>
        <location filename="../app/CCommandLineTool.cpp" line="129" />
        <source>Aviso: %1</source>
        <translation>Avís: %1</translation>
    </message>
</context>
<context>
    <name>CDatosEmpresaDlg</name>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="18" />
        <source>Datos empresa</source>
        <translation>Dades empresa</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="20" />
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="21" />
        <source>Dirección</source>
        <translation>Adreça</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="22" />
        <source>Población</source>
        <translation>Població</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="23" />
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="24" />
        <source>Provincia</source>
        <translation>Província</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="25" />
        <source>Telefono</source>
        <translation>Telèfon</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="26" />
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="27" />
        <source>E-mail/Web</source>
        <translation>E-mail/Web</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="28" />
        <source>NIF</source>
        <translation>NIF</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="36" />
        <source>Elegir el fichero del logotipo</source>
        <translation>Triar el fitxer del logotip</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="41" />
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="43" />
        <source>Registro fiscal</source>
        <translation>Registre fiscal</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="47" />
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="48" />
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
    <message>
        <location filename="../admin/CDatosEmpresaDlg.cpp" line="57" />
        <source>Todos los archivos (*.*)</source>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
</context>
<context>
    <name>CDatosPresupuestoDlg</name>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="43" />
        <source>Datos del presupuesto y factura</source>
        <translation>Dades del pressupost i factura</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="80" />
        <source>Código</source>
        <translation>Codi</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="81" />
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="82" />
        <source>Tarifa</source>
        <translation>Tarifa</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="83" />
        <source>Carpeta de imagenes</source>
        <translation>Carpeta d'imatges</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="86" />
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="96" />
        <source>Cliente</source>
        <translation>Client</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="87" />
        <source>NIF</source>
        <translation>NIF</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="88" />
        <source>Dirección</source>
        <translation>Adreça</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="89" />
        <source>Población</source>
        <translation>Població</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="90" />
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="91" />
        <source>Provincia</source>
        <translation>Província</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="92" />
        <source>Contacto</source>
        <translation>Contacte</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="93" />
        <source>Telefono</source>
        <translation>Telèfon</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="94" />
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="95" />
        <source>E-mail/Web</source>
        <translation>E-mail/Web</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="100" />
        <source>Forma de pago</source>
        <translation>Forma de pagament</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="101" />
        <source>Num. factura</source>
        <translation>Núm. factura</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="102" />
        <source>Fecha factura</source>
        <translation>Data factura</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="103" />
        <source>Factura</source>
        <translation>Factura</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="108" />
        <source>Gastos generales</source>
        <translation>Despeses generals</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="109" />
        <source>Beneficio industrial</source>
        <translation>Benefici industrial</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="110" />
        <source>Incremento personalizado</source>
        <translation>Increment personalitzat</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="121" />
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="123" />
        <source>Iva</source>
        <translation>IVA</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="127" />
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="129" />
        <source>Totales</source>
        <translation>Totals</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="132" />
        <source>Presupuesto</source>
        <translation>Pressupost</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="141" />
        <source>Observaciones</source>
        <translation>Observacions</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="148" />
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
    <message>
        <location filename="../admin/CDatosPresupuestoDlg.cpp" line="149" />
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
</context>
<context>
    <name>CExcelExportCommand</name>
    <message>
        <location filename="../output/CExcelExportCommand.cpp" line="45" />
        <source>Ficheros Excel (*.xls)</source>
        <translation>Fitxers Excel (*.xls)</translation>
    </message>
    <message>
        <location filename="../output/CExcelExportCommand.cpp" line="45" />
        <source>Libro de Excel (*.xlsx)</source>
        <translation>Llibre d'Excel (*.xlsx)</translation>
    </message>
    <message>
        <location filename="../output/CExcelExportCommand.cpp" line="46" />
        <source>Todos los ficheros (*.*)</source>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
</context>
<context>
    <name>CFileAccess</name>
    <message>
        <location filename="../store/CFileAccess.cpp" line="112" />
        <source>%1 no es un fichero normal</source>
        <translation>%1 no és un fitxer normal</translation>
    </message>
</context>
<context>
    <name>CImagenDlg</name>
    <message>
        <location filename="../ui/CImagenDlg.cpp" line="8" />
        <source>Imagen</source>
        <translation>Imatge</translation>
    </message>
</context>
<context>
    <name>CInsertarMedidaDlg</name>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="53" />
        <source>Insertar medida</source>
        <translation>Inserir amidament</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="64" />
        <source>Comentario</source>
        <translation>Comentari</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="65" />
        <source>Unidades</source>
        <translation>Unitats</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="66" />
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="68" />
        <source>Línea</source>
        <translation>Línia</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="68" />
        <source>Cuadrado</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="68" />
        <source>Triángulo</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="68" />
        <source>Círculo</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="68" />
        <source>Personalizado</source>
        <translation>Personalitzat</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="72" />
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="73" />
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="76" />
        <source>Largo</source>
        <translation>Llarg</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="73" />
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="76" />
        <source>Ancho</source>
        <translation>Ample</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="73" />
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="74" />
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="75" />
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="76" />
        <source>Alto</source>
        <translation>Alt</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="74" />
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="74" />
        <source>Altura</source>
        <translation>Alçada</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="75" />
        <source>Radio</source>
        <translation>Radi</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="155" />
        <source>Calcular</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="157" />
        <source>OK</source>
        <translation>D'acord</translation>
    </message>
    <message>
        <location filename="../measure/CInsertarMedidaDlg.cpp" line="159" />
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
</context>
<context>
    <name>CLangPrintPreview</name>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="63" />
        <source>Presentación preliminar</source>
        <translation>Presentació preliminar</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="65" />
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="65" />
        <source>Siguiente</source>
        <translation>Següent</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="65" />
        <source>Anterior</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="66" />
        <source>Cerrar</source>
        <translation>Tancar</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="66" />
        <source>Acercar</source>
        <translation>Acostar</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="66" />
        <source>Alejar</source>
        <translation>Allunyar</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="82" />
        <source>Una página</source>
        <translation>Una pàgina</translation>
    </message>
    <message>
        <location filename="../output/CLangPrintPreview.cpp" line="82" />
        <source>Dos páginas</source>
        <translation>Dues pàgines</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <location filename="../app/CMainFrame.cpp" line="15" />
        <source>Velmora - Presupuestos y Facturación</source>
        <translation>Velmora - Pressupostos i Facturació</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="51" />
        <source>Gestión de presupuestos</source>
        <translation>Gestió de pressupostos</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="52" />
        <source>Cerrar presupuesto</source>
        <translation>Tancar pressupost</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="53" />
        <source>Base de Precios</source>
        <translation>Base de Preus</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="54" />
        <source>&amp;Imprimir...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="54" />
        <source>Imprime el documento activo</source>
        <translation>Imprimeix el document actiu</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="54" />
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="56" />
        <source>&amp;Presentación preliminar</source>
        <translation>&amp;Presentació preliminar</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="56" />
        <source>Muestra páginas completas</source>
        <translation>Mostra pàgines completes</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="57" />
        <source>Presentación preliminar</source>
        <translation>Presentació preliminar</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="58" />
        <source>Con&amp;figurar impresora...</source>
        <translation>Con&amp;figurar impressora...</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="58" />
        <source>Cambia la impresora y sus opciones</source>
        <translation>Canvia la impressora i les seves opcions</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="59" />
        <source>Configurar impresora</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="60" />
        <source>Castellano</source>
        <translation>Castellà</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="60" />
        <source>Idioma castellano</source>
        <translation>Idioma castellà</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="61" />
        <source>Català</source>
        <translation>Català</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="61" />
        <source>Idioma català</source>
        <translation>Idioma català</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="62" />
        <source>&amp;Salir</source>
        <translation>&amp;Sortir</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="62" />
        <source>Sale de la aplicación</source>
        <translation>Surt de l'aplicació</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="62" />
        <source>Salir</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="63" />
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="63" />
        <source>Mostrar/ocultar mediciones</source>
        <translation>Mostrar/amagar amidaments</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="64" />
        <source>Exportar a .rtf</source>
        <translation>Exportar a .rtf</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="64" />
        <source>Exportar a formato rtf</source>
        <translation>Exportar a format rtf</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="65" />
        <source>Exportar a Excel</source>
        <translation>Exportar a Excel</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="65" />
        <source>Exportar a formato Excel</source>
        <translation>Exportar a format Excel</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="66" />
        <source>Renumerar</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="66" />
        <source>Renumerar registros</source>
        <translation>Renumerar registres</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="67" />
        <source>Datos de la empresa</source>
        <translation>Dades de l'empresa</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="67" />
        <source>Datos empresa</source>
        <translation>Dades empresa</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="68" />
        <source>Barra de &amp;herramientas</source>
        <translation>Barra d'&amp;eines</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="68" />
        <source>Muestra u oculta la barra de herramientas</source>
        <translation>Mostra o amaga la barra d'eines</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="70" />
        <source>Barra de &amp;estado</source>
        <translation>Barra d'e&amp;stat</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="70" />
        <source>Muestra u oculta la barra de estado</source>
        <translation>Mostra o amaga la barra d'estat</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="71" />
        <source>&amp;Acerca de Velmora...</source>
        <translation>&amp;Quant a Velmora...</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="71" />
        <source>Muestra información del programa</source>
        <translation>Mostra informació del programa</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="71" />
        <source>Acerca de</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="72" />
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="73" />
        <source>Datos y totales</source>
        <translation>Dades i totals</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="74" />
        <source>Insertar Capítulo</source>
        <translation>Inserir Capítol</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="75" />
        <source>Insertar Carpeta</source>
        <translation>Inserir Carpeta</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="76" />
        <source>Insertar Concepto</source>
        <translation>Inserir Concepte</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="81" />
        <source>&amp;Archivo</source>
        <translation>&amp;Arxiu</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="91" />
        <source>Idiomas</source>
        <translation>Idiomes</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="97" />
        <source>Utilidades</source>
        <translation>Utilitats</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="103" />
        <source>Empresa</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="106" />
        <source>&amp;Ver</source>
        <translation>&amp;Veure</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="110" />
        <source>Ay&amp;uda</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="120" />
        <source>Estándar</source>
        <translation>Estàndard</translation>
    </message>
    <message>
        <location filename="../app/CMainFrame.cpp" line="144" />
        <location filename="../app/CMainFrame.cpp" line="147" />
        <source>Preparado</source>
        <translation>Preparat</translation>
    </message>
</context>
<context>
    <name>CMedicionesDlg</name>
    <message>
        <location filename="../measure/CMedicionesDlg.cpp" line="41" />
        <source>Total mediciones</source>
        <translation>Total amidaments</translation>
    </message>
    <message>
        <location filename="../measure/CMedicionesDlg.cpp" line="42" />
        <source>Insertar medida</source>
        <translation>Inserir amidament</translation>
    </message>
    <message>
        <location filename="../measure/CMedicionesDlg.cpp" line="45" />
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
</context>
<context>
    <name>CMedicionesList</name>
    <message>
        <location filename="../measure/CMedicionesList.cpp" line="409" />
        <source>Insertar medida</source>
        <translation>Inserir amidament</translation>
    </message>
</context>
<context>
    <name>CPresupuestosDlg</name>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="68" />
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="70" />
        <source>Presupuestos</source>
        <translation>Pressupostos</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="87" />
        <source>Nuevo</source>
        <translation>Nou</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="87" />
        <source>Abrir</source>
        <translation>Obrir</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="88" />
        <source>Borrar</source>
        <translation>Esborrar</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="88" />
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="89" />
        <source>Importar</source>
        <translation>Importar</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="89" />
        <source>Exportar</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="119" />
        <location filename="../admin/CPresupuestosDlg.cpp" line="127" />
        <source>Archivos BC3 (*.bc3)</source>
        <translation>Fitxers BC3 (*.bc3)</translation>
    </message>
    <message>
        <location filename="../admin/CPresupuestosDlg.cpp" line="127" />
        <source>Todos los ficheros (*.*)</source>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
</context>
<context>
    <name>CPrintOptionsDlg</name>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="18" />
        <source>Opciones de impresión</source>
        <translation>Opcions d'impressió</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="31" />
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="34" />
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="81" />
        <source>Factura</source>
        <translation>Factura</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="81" />
        <source>Presupuesto</source>
        <translation>Pressupost</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="85" />
        <source>Hasta nivel</source>
        <translation>Fins al nivell</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="89" />
        <source>Nº Factura</source>
        <translation>Núm. factura</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="89" />
        <source>Nº Presupuesto</source>
        <translation>Núm. pressupost</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="93" />
        <source>Fecha Factura</source>
        <translation>Data factura</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="93" />
        <source>Fecha presupesto</source>
        <translation>Data pressupost</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="117" />
        <source>Cabecera</source>
        <translation>Capçalera</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="119" />
        <source>Título presupuesto/factura</source>
        <translation>Títol pressupost/factura</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="120" />
        <source>Datos cliente</source>
        <translation>Dades client</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="121" />
        <source>NIF cliente</source>
        <translation>NIF client</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="122" />
        <source>Código presupuesto</source>
        <translation>Codi pressupost</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="123" />
        <source>Datos empresa</source>
        <translation>Dades empresa</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="124" />
        <source>NIF empresa</source>
        <translation>NIF empresa</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="125" />
        <source>Datos fiscales</source>
        <translation>Dades fiscals</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="126" />
        <source>Logo</source>
        <translation>Logotip</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="128" />
        <source>Posición datos cliente</source>
        <translation>Posició dades client</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="130" />
        <source>Izquierda</source>
        <translation>Esquerra</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="132" />
        <source>Derecha</source>
        <translation>Dreta</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="143" />
        <source>Datos cuerpo</source>
        <translation>Dades cos</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="145" />
        <source>Códigos</source>
        <translation>Codis</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="146" />
        <source>Importes</source>
        <translation>Imports</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="147" />
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="148" />
        <source>Descripción larga</source>
        <translation>Descripció llarga</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="150" />
        <source>Descripción corta</source>
        <translation>Descripció curta</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="159" />
        <source>Datos pie</source>
        <translation>Dades peu</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="161" />
        <source>Neto</source>
        <translation>Net</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="162" />
        <source>Beneficio industrial</source>
        <translation>Benefici industrial</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="163" />
        <source>Gastos generales</source>
        <translation>Despeses generals</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="164" />
        <source>Bruto</source>
        <translation>Brut</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="165" />
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="166" />
        <source>Iva</source>
        <translation>IVA</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="167" />
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="168" />
        <location filename="../output/CPrintOptionsDlg.cpp" line="253" />
        <source>Observaciones</source>
        <translation>Observacions</translation>
    </message>
    <message>
        <location filename="../output/CPrintOptionsDlg.cpp" line="253" />
        <source>Forma de pago</source>
        <translation>Forma de pagament</translation>
    </message>
</context>
<context>
    <name>CPrintRun</name>
    <message>
        <location filename="../output/CPrintRun.cpp" line="55" />
        <source>No se ha podido guardar el número de la factura.

%1</source>
        <translation>No s'ha pogut desar el número de la factura.

%1</translation>
    </message>
    <message>
        <location filename="../output/CPrintRun.cpp" line="84" />
        <source>No se puede leer el presupuesto para imprimirlo.

%1</source>
        <translation>No es pot llegir el pressupost per imprimir-lo.

%1</translation>
    </message>
    <message>
        <location filename="../output/CPrintRun.cpp" line="109" />
        <source>No se puede imprimir en la impresora elegida.</source>
        <translation>No es pot imprimir a la impressora triada.</translation>
    </message>
</context>
<context>
    <name>CRtfFormatBar</name>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="40" />
        <source>Fuente</source>
        <translation>Font</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="44" />
        <source>Tamaño</source>
        <translation>Mida</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="58" />
        <source>Negrita</source>
        <translation>Negreta</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="59" />
        <source>Cursiva</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="60" />
        <source>Subrayado</source>
        <translation>Subratllat</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="63" />
        <source>Alinear a la izquierda</source>
        <translation>Alinear a l'esquerra</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="64" />
        <source>Centrar</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="65" />
        <source>Alinear a la derecha</source>
        <translation>Alinear a la dreta</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="67" />
        <source>Color del texto</source>
        <translation>Color del text</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="68" />
        <source>Viñetas</source>
        <translation>Pics</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="69" />
        <source>Reducir sangría</source>
        <translation>Reduir el sagnat</translation>
    </message>
    <message>
        <location filename="../output/CRtfFormatBar.cpp" line="70" />
        <source>Aumentar sangría</source>
        <translation>Augmentar el sagnat</translation>
    </message>
</context>
<context>
    <name>CRtfReportDlg</name>
    <message>
        <location filename="../output/CRtfReportDlg.cpp" line="35" />
        <source>Presupuesto en formato RTF</source>
        <translation>Pressupost en format RTF</translation>
    </message>
    <message>
        <location filename="../output/CRtfReportDlg.cpp" line="43" />
        <source>Ficheros RTF (*.rtf)</source>
        <translation>Fitxers RTF (*.rtf)</translation>
    </message>
    <message>
        <location filename="../output/CRtfReportDlg.cpp" line="50" />
        <source>Guardar</source>
        <translation>Desar</translation>
    </message>
    <message>
        <location filename="../output/CRtfReportDlg.cpp" line="52" />
        <source>Cortar</source>
        <translation>Retallar</translation>
    </message>
    <message>
        <location filename="../output/CRtfReportDlg.cpp" line="53" />
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <location filename="../output/CRtfReportDlg.cpp" line="54" />
        <source>Pegar</source>
        <translation>Enganxar</translation>
    </message>
    <message>
        <location filename="../output/CRtfReportDlg.cpp" line="55" />
        <source>Deshacer</source>
        <translation>Desfer</translation>
    </message>
</context>
<context>
    <name>CSchema</name>
    <message>
        <location filename="../store/CSchema.cpp" line="158" />
        <source>No se ha indicado el fichero de la base de datos</source>
        <translation>No s'ha indicat el fitxer de la base de dades</translation>
    </message>
    <message>
        <location filename="../store/CSchema.cpp" line="165" />
        <source>No se puede crear el fichero: %1</source>
        <translation>No es pot crear el fitxer: %1</translation>
    </message>
    <message>
        <location filename="../store/CSchema.cpp" line="180" />
        <source>Hay varios presupuestos con el mismo código: %1</source>
        <translation>Hi ha diversos pressupostos amb el mateix codi: %1</translation>
    </message>
</context>
<context>
    <name>CStoreSession</name>
    <message>
        <location filename="../budget/CStoreSession.cpp" line="67" />
        <source>No se puede escribir en la carpeta de configuración %1: el origen de datos Velmora no queda registrado.</source>
        <translation>No es pot escriure a la carpeta de configuració %1: l'origen de dades Velmora no queda registrat.</translation>
    </message>
</context>
<context>
    <name>CVelmoraView</name>
    <message>
        <location filename="../budget/CVelmoraView.cpp" line="104" />
        <source>Total presupuesto</source>
        <translation>Total pressupost</translation>
    </message>
</context>
<context>
    <name>CCliEditCommands</name>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="41"/>
        <source>Uso: velmora-cli %1</source>
        <translation>Ús: velmora-cli %1</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="50"/>
        <source>Falta el valor de %1</source>
        <translation>Falta el valor de %1</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="55"/>
        <source>Opción desconocida: %1</source>
        <translation>Opció desconeguda: %1</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="65"/>
        <source>Número de argumentos incorrecto</source>
        <translation>Nombre d&apos;arguments incorrecte</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="80"/>
        <source>No es un número de línea: %1</source>
        <translation>No és un número de línia: %1</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="109"/>
        <source>No existe este presupuesto: %1</source>
        <translation>No existeix aquest pressupost: %1</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="162"/>
        <source>No existe la columna %1</source>
        <translation>No existeix la columna %1</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="175"/>
        <source>Tipo de línea desconocido: %1</source>
        <translation>Tipus de línia desconegut: %1</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="180"/>
        <source>Un capítulo solo se inserta en un capítulo</source>
        <translation>Un capítol només s&apos;insereix en un capítol</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="195"/>
        <source>Un capítulo no puede ir dentro de una partida</source>
        <translation>Un capítol no pot anar dins d&apos;una partida</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="245"/>
        <source>Una línea de fórmula guarda la fórmula en lugar del comentario</source>
        <translation>Una línia de fórmula desa la fórmula en lloc del comentari</translation>
    </message>
    <message>
        <location filename="../app/CCliEditCommands.cpp" line="320"/>
        <source>Error de base de datos: %1</source>
        <translation>Error de base de dades: %1</translation>
    </message>
</context>
<context>
    <name>CEditingService</name>
    <message>
        <location filename="../budget/CEditingService.cpp" line="101"/>
        <location filename="../app/CCliEditCommands.cpp" line="226"/>
        <source>No existe la línea %1</source>
        <translation>No existeix la línia %1</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="109"/>
        <source>La línea raíz no se puede borrar ni mover</source>
        <translation>La línia arrel no es pot esborrar ni moure</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="115"/>
        <source>Solo las partidas tienen mediciones: la línea %1 no es una partida</source>
        <translation>Només les partides tenen amidaments: la línia %1 no és una partida</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="159"/>
        <location filename="../budget/CEditingService.cpp" line="398"/>
        <source>La columna %1 no se puede editar</source>
        <translation>La columna %1 no es pot editar</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="164"/>
        <source>El código de la línea raíz no se puede editar</source>
        <translation>El codi de la línia arrel no es pot editar</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="166"/>
        <source>El precio de un capítulo o de una partida es la suma de sus líneas</source>
        <translation>El preu d&apos;un capítol o d&apos;una partida és la suma de les seves línies</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="169"/>
        <source>Un capítulo no tiene unidad, factor ni cantidad</source>
        <translation>Un capítol no té unitat, factor ni quantitat</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="171"/>
        <source>La cantidad de esta partida sale de sus mediciones</source>
        <translation>La quantitat d&apos;aquesta partida surt dels seus amidaments</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="180"/>
        <location filename="../budget/CEditingService.cpp" line="357"/>
        <location filename="../budget/CEditingService.cpp" line="389"/>
        <source>El texto tiene más de %1 caracteres</source>
        <translation>El text té més de %1 caràcters</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="199"/>
        <source>La descripción no puede contener «|»</source>
        <translation>La descripció no pot contenir «|»</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="205"/>
        <location filename="../budget/CEditingService.cpp" line="394"/>
        <location filename="../app/CCliEditCommands.cpp" line="254"/>
        <source>«%1» no es un número</source>
        <translation>«%1» no és un nombre</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="270"/>
        <location filename="../budget/CEditingService.cpp" line="290"/>
        <source>La línea %1 no es un capítulo ni una partida</source>
        <translation>La línia %1 no és un capítol ni una partida</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="272"/>
        <location filename="../budget/CEditingService.cpp" line="292"/>
        <source>Nada puede seguir a la línea raíz: se pega dentro de ella</source>
        <translation>Res no pot seguir la línia arrel: s&apos;enganxa dins seu</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="288"/>
        <source>Una rama no se puede mover dentro de sí misma</source>
        <translation>Una branca no es pot moure dins de si mateixa</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="362"/>
        <location filename="../budget/CEditingService.cpp" line="403"/>
        <source>Error en fórmula: posición %1</source>
        <translation>Error en fórmula: posició %1</translation>
    </message>
    <message>
        <location filename="../budget/CEditingService.cpp" line="384"/>
        <location filename="../budget/CEditingService.cpp" line="419"/>
        <source>No existe la línea de medición %1</source>
        <translation>No existeix la línia d&apos;amidament %1</translation>
    </message>
</context>
</TS>
