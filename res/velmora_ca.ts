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
</TS>
