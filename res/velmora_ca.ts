<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ca_ES" sourcelanguage="es_ES">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Acerca de Velmora</source>
        <translation>Quant a Velmora</translation>
    </message>
    <message>
        <source>Velmora - Presupuestos y Facturación Versión 2.0</source>
        <translation>Velmora - Pressupostos i Facturació Versió 2.0</translation>
    </message>
    <message>
        <source>Presupuestos, mediciones, bases de precios e intercambio FIEBDC-3.</source>
        <translation>Pressupostos, amidaments, bases de preus i intercanvi FIEBDC-3.</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
</context>
<context>
    <name>CArticulosList</name>
    <message>
        <source>Insertar</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Insertar Capítulo</source>
        <translation>Inserir Capítol</translation>
    </message>
    <message>
        <source>Insertar Carpeta</source>
        <translation>Inserir Carpeta</translation>
    </message>
    <message>
        <source>Insertar Concepto</source>
        <translation>Inserir Concepte</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Enganxar</translation>
    </message>
    <message>
        <source>Expandir todo</source>
        <translation>Expandir-ho tot</translation>
    </message>
</context>
<context>
    <name>CBc3Commands</name>
    <message>
        <source>Ya existe el presupuesto %1; --replace lo reemplaza
</source>
        <translation>Ja existeix el pressupost %1; --replace el reemplaça
</translation>
    </message>
    <message>
        <source>Presupuesto %1: %2 líneas, %3 líneas de medición
</source>
        <translation>Pressupost %1: %2 línies, %3 línies d&apos;amidament
</translation>
    </message>
</context>
<context>
    <name>CBc3Messages</name>
    <message>
        <source>Error fichero .bc3</source>
        <translation>Error fitxer .bc3</translation>
    </message>
    <message>
        <source>Formato desconocido</source>
        <translation>Format desconegut</translation>
    </message>
    <message>
        <source>Ya existe, desea reemplazarlo ? </source>
        <translation>Ja existeix, desitja reemplaçar-lo</translation>
    </message>
    <message>
        <source>Elija un presupuesto</source>
        <translation>Trii un pressupost</translation>
    </message>
    <message>
        <source>No existe este presupuesto</source>
        <translation>No existeix aquest pressupost</translation>
    </message>
    <message>
        <source>Presupuesto vacio</source>
        <translation>Pressupost buit</translation>
    </message>
    <message>
        <source>Error al abrir tabla temporal</source>
        <comment>budget import</comment>
        <translation>Error al obrir la taula temporal</translation>
    </message>
    <message>
        <source>Error al abrir tabla temporal</source>
        <comment>price-base import</comment>
        <translation>Error al obrir taula temporal</translation>
    </message>
    <message>
        <source>Elija fichero bc3</source>
        <translation>Trii fitxer</translation>
    </message>
    <message>
        <source>Seleccione uno o varios ambitos de precios</source>
        <translation>Seleccioni un o diversos àmbits de preus</translation>
    </message>
    <message>
        <source>El fichero .bc3 genera demasiadas líneas</source>
        <translation>El fitxer .bc3 genera massa línies</translation>
    </message>
    <message>
        <source>Importando desglose %1%</source>
        <translation>Important desglossament %1%</translation>
    </message>
    <message>
        <source>Creando presupuesto ...</source>
        <translation>Creant pressupost ...</translation>
    </message>
    <message>
        <source>Creando presupuesto ... %1</source>
        <translation>Creant pressupost ... %1</translation>
    </message>
    <message>
        <source>Actualizando conceptos y medidas %1%</source>
        <translation>Actualitzant conceptes i amidaments %1%</translation>
    </message>
</context>
<context>
    <name>CBudgetCommands</name>
    <message>
        <source>Ya existe este presupuesto: %1
</source>
        <translation>Ja existeix aquest pressupost: %1
</translation>
    </message>
    <message>
        <source>El código tiene más de 20 caracteres: %1
</source>
        <translation>El codi té més de 20 caràcters: %1
</translation>
    </message>
</context>
<context>
    <name>CCommandContext</name>
    <message>
        <source>No se puede abrir la base de datos %1: %2
</source>
        <translation>No es pot obrir la base de dades %1: %2
</translation>
    </message>
    <message>
        <source>No existe este presupuesto: %1
</source>
        <translation>No existeix aquest pressupost: %1
</translation>
    </message>
</context>
<context>
    <name>CCommandLineTool</name>
    <message>
        <source>Uso: velmora-cli [--database RUTA] ORDEN [ARGUMENTOS]
Órdenes:
</source>
        <translation>Ús: velmora-cli [--database RUTA] ORDRE [ARGUMENTS]
Ordres:
</translation>
    </message>
    <message>
        <source>Opción desconocida: %1
</source>
        <translation>Opció desconeguda: %1
</translation>
    </message>
    <message>
        <source>Error de base de datos: %1
</source>
        <translation>Error de base de dades: %1
</translation>
    </message>
    <message>
        <source>Orden desconocida: %1
</source>
        <translation>Ordre desconeguda: %1
</translation>
    </message>
</context>
<context>
    <name>CDatosEmpresaDlg</name>
    <message>
        <source>Datos empresa</source>
        <translation>Dades empresa</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Adreça</translation>
    </message>
    <message>
        <source>Población</source>
        <translation>Població</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation>Província</translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation>Telèfon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-mail/Web</source>
        <translation>E-mail/Web</translation>
    </message>
    <message>
        <source>NIF</source>
        <translation>NIF</translation>
    </message>
    <message>
        <source>Elegir el fichero del logotipo</source>
        <translation>Triar el fitxer del logotip</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Registro fiscal</source>
        <translation>Registre fiscal</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
    <message>
        <source>Todos los archivos (*.*)</source>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
</context>
<context>
    <name>CDatosPresupuestoDlg</name>
    <message>
        <source>Datos del presupuesto y factura</source>
        <translation>Dades del pressupost i factura</translation>
    </message>
    <message>
        <source>Código</source>
        <translation>Codi</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Tarifa</source>
        <translation>Tarifa</translation>
    </message>
    <message>
        <source>Carpeta de imagenes</source>
        <translation>Carpeta d&apos;imatges</translation>
    </message>
    <message>
        <source>Cliente</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>NIF</source>
        <translation>NIF</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Adreça</translation>
    </message>
    <message>
        <source>Población</source>
        <translation>Població</translation>
    </message>
    <message>
        <source>CP</source>
        <translation>CP</translation>
    </message>
    <message>
        <source>Provincia</source>
        <translation>Província</translation>
    </message>
    <message>
        <source>Contacto</source>
        <translation>Contacte</translation>
    </message>
    <message>
        <source>Telefono</source>
        <translation>Telèfon</translation>
    </message>
    <message>
        <source>Fax</source>
        <translation>Fax</translation>
    </message>
    <message>
        <source>E-mail/Web</source>
        <translation>E-mail/Web</translation>
    </message>
    <message>
        <source>Forma de pago</source>
        <translation>Forma de pagament</translation>
    </message>
    <message>
        <source>Num. factura</source>
        <translation>Núm. factura</translation>
    </message>
    <message>
        <source>Fecha factura</source>
        <translation>Data factura</translation>
    </message>
    <message>
        <source>Factura</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>Gastos generales</source>
        <translation>Despeses generals</translation>
    </message>
    <message>
        <source>Beneficio industrial</source>
        <translation>Benefici industrial</translation>
    </message>
    <message>
        <source>Incremento personalizado</source>
        <translation>Increment personalitzat</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Iva</source>
        <translation>IVA</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Totales</source>
        <translation>Totals</translation>
    </message>
    <message>
        <source>Presupuesto</source>
        <translation>Pressupost</translation>
    </message>
    <message>
        <source>Observaciones</source>
        <translation>Observacions</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
    <message>
        <source>Falta código de presupuesto</source>
        <translation>Falta codi pressupost</translation>
    </message>
</context>
<context>
    <name>CEditList</name>
    <message>
        <source>Código</source>
        <translation>Codi</translation>
    </message>
    <message>
        <source>Nivel</source>
        <translation>Nivell</translation>
    </message>
    <message>
        <source>Desglose</source>
        <translation>Desglossament</translation>
    </message>
    <message>
        <source>Unidad</source>
        <translation>Unitat</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Descripció</translation>
    </message>
    <message>
        <source>Descripción larga</source>
        <translation>Descripció llarga</translation>
    </message>
    <message>
        <source>Precio</source>
        <translation>Preu</translation>
    </message>
    <message>
        <source>Factor</source>
        <translation>Factor</translation>
    </message>
    <message>
        <source>Cantidad</source>
        <translation>Quantitat</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Tipo 1</source>
        <translation>Tipus 1</translation>
    </message>
    <message>
        <source>Tipo 2</source>
        <translation>Tipus 2</translation>
    </message>
    <message>
        <source>Subtotal</source>
        <translation>Subtotal</translation>
    </message>
    <message>
        <source>Imagen</source>
        <translation>Imatge</translation>
    </message>
    <message>
        <source>NumLin</source>
        <translation>NumLin</translation>
    </message>
    <message>
        <source>Codigo</source>
        <translation>Codi</translation>
    </message>
    <message>
        <source>Linea</source>
        <translation>Línia</translation>
    </message>
    <message>
        <source>Código padre</source>
        <translation>Codi pare</translation>
    </message>
    <message>
        <source>Código hijo</source>
        <translation>Codi fill</translation>
    </message>
    <message>
        <source>Posición</source>
        <translation>Posició</translation>
    </message>
    <message>
        <source>Comentario</source>
        <translation>Comentari</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unitats</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Llarg</translation>
    </message>
    <message>
        <source>Ancho</source>
        <translation>Ample</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Tipo</source>
        <translation>Tipus</translation>
    </message>
</context>
<context>
    <name>CFormulaCommand</name>
    <message>
        <source>El valor de x no es un número: %1
</source>
        <translation>El valor de x no és un nombre: %1
</translation>
    </message>
</context>
<context>
    <name>CImagenDlg</name>
    <message>
        <source>Imagen</source>
        <translation>Imatge</translation>
    </message>
</context>
<context>
    <name>CInsertarMedidaDlg</name>
    <message>
        <source>Insertar medida</source>
        <translation>Inserir amidament</translation>
    </message>
    <message>
        <source>Comentario</source>
        <translation>Comentari</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unitats</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Línea</source>
        <translation>Línia</translation>
    </message>
    <message>
        <source>Cuadrado</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Triángulo</source>
        <translation>Triangle</translation>
    </message>
    <message>
        <source>Círculo</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Personalizado</source>
        <translation>Personalitzat</translation>
    </message>
    <message>
        <source>Largo</source>
        <translation>Llarg</translation>
    </message>
    <message>
        <source>Ancho</source>
        <translation>Ample</translation>
    </message>
    <message>
        <source>Alto</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Base</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>Altura</source>
        <translation>Alçada</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radi</translation>
    </message>
    <message>
        <source>Calcular</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>D&apos;acord</translation>
    </message>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
    <message>
        <source>Entre aquí una fórmula</source>
        <translation>Entri aquí la seva fórmula</translation>
    </message>
    <message>
        <source>Error en fórmula</source>
        <translation>Error en fórmula</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Velmora - Presupuestos y Facturación</source>
        <translation>Velmora - Pressupostos i Facturació</translation>
    </message>
    <message>
        <source>Gestión de presupuestos</source>
        <translation>Gestió de pressupostos</translation>
    </message>
    <message>
        <source>Cerrar presupuesto</source>
        <translation>Tancar pressupost</translation>
    </message>
    <message>
        <source>Base de Precios</source>
        <translation>Base de Preus</translation>
    </message>
    <message>
        <source>&amp;Imprimir...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Imprime el documento activo</source>
        <translation>Imprimeix el document actiu</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Presentación preliminar</source>
        <translation>&amp;Presentació preliminar</translation>
    </message>
    <message>
        <source>Muestra páginas completas</source>
        <translation>Mostra pàgines completes</translation>
    </message>
    <message>
        <source>Presentación preliminar</source>
        <translation>Presentació preliminar</translation>
    </message>
    <message>
        <source>Con&amp;figurar impresora...</source>
        <translation>Con&amp;figurar impressora...</translation>
    </message>
    <message>
        <source>Cambia la impresora y sus opciones</source>
        <translation>Canvia la impressora i les seves opcions</translation>
    </message>
    <message>
        <source>Configurar impresora</source>
        <translation>Configurar impressora</translation>
    </message>
    <message>
        <source>Castellano</source>
        <translation>Castellà</translation>
    </message>
    <message>
        <source>Idioma castellano</source>
        <translation>Idioma castellà</translation>
    </message>
    <message>
        <source>Català</source>
        <translation>Català</translation>
    </message>
    <message>
        <source>Idioma català</source>
        <translation>Idioma català</translation>
    </message>
    <message>
        <source>&amp;Salir</source>
        <translation>&amp;Sortir</translation>
    </message>
    <message>
        <source>Sale de la aplicación</source>
        <translation>Surt de l&apos;aplicació</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Sortir</translation>
    </message>
    <message>
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
    <message>
        <source>Mostrar/ocultar mediciones</source>
        <translation>Mostrar/amagar amidaments</translation>
    </message>
    <message>
        <source>Exportar a .rtf</source>
        <translation>Exportar a .rtf</translation>
    </message>
    <message>
        <source>Exportar a formato rtf</source>
        <translation>Exportar a format rtf</translation>
    </message>
    <message>
        <source>Exportar a Excel</source>
        <translation>Exportar a Excel</translation>
    </message>
    <message>
        <source>Exportar a formato Excel</source>
        <translation>Exportar a format Excel</translation>
    </message>
    <message>
        <source>Renumerar</source>
        <translation>Renumerar</translation>
    </message>
    <message>
        <source>Renumerar registros</source>
        <translation>Renumerar registres</translation>
    </message>
    <message>
        <source>Datos de la empresa</source>
        <translation>Dades de l&apos;empresa</translation>
    </message>
    <message>
        <source>Datos empresa</source>
        <translation>Dades empresa</translation>
    </message>
    <message>
        <source>Barra de &amp;herramientas</source>
        <translation>Barra d&apos;&amp;eines</translation>
    </message>
    <message>
        <source>Muestra u oculta la barra de herramientas</source>
        <translation>Mostra o amaga la barra d&apos;eines</translation>
    </message>
    <message>
        <source>Barra de &amp;estado</source>
        <translation>Barra d&apos;e&amp;stat</translation>
    </message>
    <message>
        <source>Muestra u oculta la barra de estado</source>
        <translation>Mostra o amaga la barra d&apos;estat</translation>
    </message>
    <message>
        <source>&amp;Acerca de Velmora...</source>
        <translation>&amp;Quant a Velmora...</translation>
    </message>
    <message>
        <source>Muestra información del programa</source>
        <translation>Mostra informació del programa</translation>
    </message>
    <message>
        <source>Acerca de</source>
        <translation>Quant a</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Datos y totales</source>
        <translation>Dades i totals</translation>
    </message>
    <message>
        <source>Insertar Capítulo</source>
        <translation>Inserir Capítol</translation>
    </message>
    <message>
        <source>Insertar Carpeta</source>
        <translation>Inserir Carpeta</translation>
    </message>
    <message>
        <source>Insertar Concepto</source>
        <translation>Inserir Concepte</translation>
    </message>
    <message>
        <source>&amp;Archivo</source>
        <translation>&amp;Arxiu</translation>
    </message>
    <message>
        <source>Idiomas</source>
        <translation>Idiomes</translation>
    </message>
    <message>
        <source>Utilidades</source>
        <translation>Utilitats</translation>
    </message>
    <message>
        <source>Empresa</source>
        <translation>Empresa</translation>
    </message>
    <message>
        <source>&amp;Ver</source>
        <translation>&amp;Veure</translation>
    </message>
    <message>
        <source>Ay&amp;uda</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Estándar</source>
        <translation>Estàndard</translation>
    </message>
    <message>
        <source>Preparado</source>
        <translation>Preparat</translation>
    </message>
</context>
<context>
    <name>CMedicionesDlg</name>
    <message>
        <source>Total mediciones</source>
        <translation>Total amidaments</translation>
    </message>
    <message>
        <source>Insertar medida</source>
        <translation>Inserir amidament</translation>
    </message>
    <message>
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
    <message>
        <source>No se han podido leer las mediciones.

%1</source>
        <translation>No s&apos;han pogut llegir els amidaments.

%1</translation>
    </message>
    <message>
        <source>Error en fórmula: posición %1</source>
        <translation>Error en fórmula: posició %1</translation>
    </message>
</context>
<context>
    <name>CMedicionesList</name>
    <message>
        <source>Insertar medida</source>
        <translation>Inserir amidament</translation>
    </message>
</context>
<context>
    <name>CPresupuestosDlg</name>
    <message>
        <source>Cancelar</source>
        <translation>Cancel·lar</translation>
    </message>
    <message>
        <source>Presupuestos</source>
        <translation>Pressupostos</translation>
    </message>
    <message>
        <source>Nuevo</source>
        <translation>Nou</translation>
    </message>
    <message>
        <source>Abrir</source>
        <translation>Obrir</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Esborrar</translation>
    </message>
    <message>
        <source>Copiar</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Exportar</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Archivos BC3 (*.bc3)</source>
        <translation>Fitxers BC3 (*.bc3)</translation>
    </message>
    <message>
        <source>Todos los ficheros (*.*)</source>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
    <message>
        <source>Código</source>
        <translation>Codi</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Ya existe este presupuesto</source>
        <translation>Ja existeix aquest pressupost</translation>
    </message>
    <message>
        <source>Elija un presupuesto</source>
        <translation>Trii un pressupost</translation>
    </message>
    <message>
        <source>Ya no existe este presupuesto</source>
        <translation>Ja no existeix aquest pressupost</translation>
    </message>
    <message>
        <source>Error al abrir tabla Presupuestos</source>
        <translation>Error al obrir la taula Pressupostos</translation>
    </message>
</context>
<context>
    <name>CStoreErrors</name>
    <message>
        <source>La operación no se ha podido completar por un error de la base de datos.

%1</source>
        <translation>L&apos;operació no s&apos;ha pogut completar per un error de la base de dades.

%1</translation>
    </message>
</context>
<context>
    <name>CVelmoraApp</name>
    <message>
        <source>No se puede abrir la base de datos
%1

%2

El programa se cerrará.</source>
        <translation>No es pot obrir la base de dades
%1

%2

El programa es tancarà.</translation>
    </message>
</context>
<context>
    <name>CVelmoraView</name>
    <message>
        <source>Total presupuesto</source>
        <translation>Total pressupost</translation>
    </message>
    <message>
        <source>No se ha podido guardar el cambio; el presupuesto queda como estaba.

%1</source>
        <translation>No s&apos;ha pogut desar el canvi; el pressupost queda com estava.

%1</translation>
    </message>
    <message>
        <source>Ha de reiniciar el programa</source>
        <translation>Ha de reiniciar el programa</translation>
    </message>
</context>
</TS>
