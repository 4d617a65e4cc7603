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
    <name>CBasePreciosDlg</name>
    <message>
        <source>Nueva</source>
        <translation>Nova</translation>
    </message>
    <message>
        <source>Borrar</source>
        <translation>Esborrar</translation>
    </message>
    <message>
        <source>Importar</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Base de Precios</source>
        <translation>Base de Precios</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Cercar</translation>
    </message>
    <message>
        <source>Seleccione la carpeta de imágenes</source>
        <translation>Seleccioni la carpeta d&apos;imatges</translation>
    </message>
    <message>
        <source>&lt;Doble click aquí para seleccionar carpeta de imagenes&gt;</source>
        <translation>&lt;Doble clic aquí per seleccionar la carpeta d&apos;imatges&gt;</translation>
    </message>
    <message>
        <source>Ya existe esta tarifa</source>
        <translation>Ja existeix aquesta tarifa</translation>
    </message>
    <message>
        <source>¿Borrar la tarifa %1 de %2 con todas sus líneas?</source>
        <translation>Esborrar la tarifa %1 de %2 amb totes les seves línies?</translation>
    </message>
    <message>
        <source>¿Borrar las %1 tarifas seleccionadas con todas sus líneas?</source>
        <translation>Esborrar les %1 tarifes seleccionades amb totes les seves línies?</translation>
    </message>
    <message>
        <source>No se ha podido guardar el cambio; la base de precios queda como estaba.

%1</source>
        <translation>No s&apos;ha pogut desar el canvi; la base de preus queda com estava.

%1</translation>
    </message>
    <message>
        <source>No encontrado</source>
        <translation>No es troba</translation>
    </message>
    <message>
        <source>No encontrado, ¿buscar desde el principio?</source>
        <translation>No es troba, buscar des del principi?</translation>
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
    <message>
        <source>%1 descomposiciones, %2 difieren del recálculo
</source>
        <translation>%1 descomposicions, %2 difereixen del recàlcul
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
    <message>
        <source>Error al escribir en la tabla temporal</source>
        <translation>Error en escriure a la taula temporal</translation>
    </message>
    <message>
        <source>Error al guardar el presupuesto importado</source>
        <translation>Error en desar el pressupost importat</translation>
    </message>
    <message>
        <source>El fichero se ha escrito, pero el juego de caracteres ANSI no admite estos caracteres, escritos como &quot;?&quot;:</source>
        <translation>El fitxer s&apos;ha escrit, però el joc de caràcters ANSI no admet aquests caràcters, escrits com a &quot;?&quot;:</translation>
    </message>
    <message>
        <source>línea %1 (%2): %3</source>
        <translation>línia %1 (%2): %3</translation>
    </message>
    <message>
        <source>el disco está lleno</source>
        <translation>el disc és ple</translation>
    </message>
    <message>
        <source>la base de datos es de solo lectura</source>
        <translation>la base de dades és de només lectura</translation>
    </message>
    <message>
        <source>El nombre del fichero no da código a la base de precios</source>
        <translation>El nom del fitxer no dona codi a la base de preus</translation>
    </message>
    <message>
        <source>El fichero no tiene el ámbito de precios %1</source>
        <translation>El fitxer no té l&apos;àmbit de preus %1</translation>
    </message>
    <message>
        <source>Error al guardar la base de precios importada</source>
        <translation>Error en desar la base de preus importada</translation>
    </message>
    <message>
        <source>Creando tarifa %1...</source>
        <translation>Creant tarifa %1...</translation>
    </message>
    <message>
        <source>Creando tarifa %1 %2</source>
        <translation>Creant tarifa %1 %2</translation>
    </message>
    <message>
        <source>Precios tarifa %1 %2%</source>
        <translation>Preus tarifa %1 %2%</translation>
    </message>
    <message>
        <source>Descripciones tarifa %1 %2%</source>
        <translation>Descripcions tarifa %1 %2%</translation>
    </message>
    <message>
        <source>Recalculando importes. Espere...</source>
        <translation>Recalculant imports. Esperi...</translation>
    </message>
</context>
<context>
    <name>CBudgetCode</name>
    <message>
        <source>Falta código de presupuesto</source>
        <translation>Falta codi pressupost</translation>
    </message>
    <message>
        <source>El código tiene más de %1 caracteres: %2</source>
        <translation>El codi té més de %1 caràcters: %2</translation>
    </message>
    <message>
        <source>El código tiene caracteres incompletos: %1</source>
        <translation>El codi té caràcters incomplets: %1</translation>
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
</context>
<context>
    <name>CBudgetPrintout</name>
    <message>
        <source>Teléfono</source>
        <translation>Telèfon</translation>
    </message>
    <message>
        <source>Presupuesto</source>
        <translation>Pressupost</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Factura</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>Codigo</source>
        <translation>Codi</translation>
    </message>
    <message>
        <source>Un.</source>
        <translation>Ut.</translation>
    </message>
    <message>
        <source>Descripción</source>
        <translation>Descripció</translation>
    </message>
    <message>
        <source>Precio</source>
        <translation>Preu</translation>
    </message>
    <message>
        <source>Cantidad</source>
        <translation>Quantitat</translation>
    </message>
    <message>
        <source>Importe</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>pag. %1/%2</source>
        <translation>pàg. %1/%2</translation>
    </message>
    <message>
        <source>Observaciones</source>
        <translation>Observacions</translation>
    </message>
    <message>
        <source>Total Neto</source>
        <translation>Total net</translation>
    </message>
    <message>
        <source>Beneficio industrial</source>
        <translation>Benefici industrial</translation>
    </message>
    <message>
        <source>Gastos generales</source>
        <translation>Despeses generals</translation>
    </message>
    <message>
        <source>Total bruto</source>
        <translation>Total brut</translation>
    </message>
    <message>
        <source>Base imponible</source>
        <translation>Base imposable</translation>
    </message>
    <message>
        <source>Total presupuesto</source>
        <translation>Total pressupost</translation>
    </message>
    <message>
        <source>Forma de pago</source>
        <translation>Forma de pagament</translation>
    </message>
    <message>
        <source>Total factura</source>
        <translation>Total factura</translation>
    </message>
    <message>
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
</context>
<context>
    <name>CBudgetReport</name>
    <message>
        <source>PRESUPUESTO</source>
        <translation>PRESSUPOST</translation>
    </message>
    <message>
        <source>Teléfono</source>
        <translation>Telèfon</translation>
    </message>
    <message>
        <source>FECHA</source>
        <translation>DATA</translation>
    </message>
    <message>
        <source>CÓDIGO             UD. DESCRIPCION                          PRECIO   CANTIDAD     IMPORTE</source>
        <translation>CODI               UD. DESCRIPCIO                           PREU     QUANTITAT    IMPORT </translation>
    </message>
    <message>
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
    <message>
        <source>TOTAL NETO:</source>
        <translation>TOTAL NET</translation>
    </message>
    <message>
        <source>Beneficio industrial</source>
        <translation>Benefici industrial</translation>
    </message>
    <message>
        <source>Gastos Generales</source>
        <translation>Despeses Generals</translation>
    </message>
    <message>
        <source>TOTAL BRUTO:</source>
        <translation>TOTAL BRUT:</translation>
    </message>
    <message>
        <source>BASE IMPONIBLE:</source>
        <translation>BASE IMPOSABLE:</translation>
    </message>
    <message>
        <source>TOTAL PRESUPUESTO:</source>
        <translation>TOTAL PRESSUPOST:</translation>
    </message>
</context>
<context>
    <name>CBudgetSheet</name>
    <message>
        <source>CODIGO</source>
        <translation>CODI</translation>
    </message>
    <message>
        <source>DESCRIPCION</source>
        <translation>DESCRIPCIO</translation>
    </message>
    <message>
        <source>CANTIDAD</source>
        <translation>QUANTITAT</translation>
    </message>
    <message>
        <source>UNIDAD</source>
        <translation>UNITAT</translation>
    </message>
    <message>
        <source>PRECIO</source>
        <translation>PREU</translation>
    </message>
    <message>
        <source>IMPORTE</source>
        <translation>IMPORT</translation>
    </message>
</context>
<context>
    <name>CBuscarDlg</name>
    <message>
        <source>Siguiente</source>
        <translation>Següent</translation>
    </message>
    <message>
        <source>Buscar</source>
        <translation>Cercar</translation>
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
    <message>
        <source>Aviso: %1</source>
        <translation>Avís: %1</translation>
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
    <message>
        <source>--database necesita la ruta de un fichero</source>
        <translation>--database necessita la ruta d&apos;un fitxer</translation>
    </message>
</context>
<context>
    <name>CContextMenus</name>
    <message>
        <source>Insertar Capítulo</source>
        <translation>Inserir Capítol</translation>
    </message>
    <message>
        <source>Insertar Carpeta</source>
        <translation>Inserir Carpeta</translation>
    </message>
    <message>
        <source>Insertar carpeta</source>
        <translation>Inserir carpeta</translation>
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
        <source>copiar</source>
        <translation>copiar</translation>
    </message>
    <message>
        <source>Pegar</source>
        <translation>Enganxar</translation>
    </message>
    <message>
        <source>Expandir todo</source>
        <translation>Expandir-ho tot</translation>
    </message>
    <message>
        <source>Expandir todo este capítulo</source>
        <translation>Expandir tot aquest capítol</translation>
    </message>
    <message>
        <source>Insertar medida</source>
        <translation>Inserir amidament</translation>
    </message>
    <message>
        <source>Insertar</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Insertar Medida</source>
        <translation>Inserir Amidament</translation>
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
    <name>CEditCommands</name>
    <message>
        <source>Uso: velmora-cli %1</source>
        <translation>Ús: velmora-cli %1</translation>
    </message>
    <message>
        <source>Falta el valor de %1</source>
        <translation>Falta el valor de %1</translation>
    </message>
    <message>
        <source>Opción desconocida: %1</source>
        <translation>Opció desconeguda: %1</translation>
    </message>
    <message>
        <source>Número de argumentos incorrecto</source>
        <translation>Nombre d&apos;arguments incorrecte</translation>
    </message>
    <message>
        <source>No es un número de línea: %1</source>
        <translation>No és un número de línia: %1</translation>
    </message>
    <message>
        <source>No existe este presupuesto: %1</source>
        <translation>No existeix aquest pressupost: %1</translation>
    </message>
    <message>
        <source>No existe la columna %1</source>
        <translation>No existeix la columna %1</translation>
    </message>
    <message>
        <source>Tipo de línea desconocido: %1</source>
        <translation>Tipus de línia desconegut: %1</translation>
    </message>
    <message>
        <source>Un capítulo solo se inserta en un capítulo</source>
        <translation>Un capítol només s&apos;insereix en un capítol</translation>
    </message>
    <message>
        <source>Un capítulo no puede ir dentro de una partida</source>
        <translation>Un capítol no pot anar dins d&apos;una partida</translation>
    </message>
    <message>
        <source>Una línea de fórmula guarda la fórmula en lugar del comentario</source>
        <translation>Una línia de fórmula desa la fórmula en lloc del comentari</translation>
    </message>
    <message>
        <source>No existe esta tarifa: %1</source>
        <translation>No existeix aquesta tarifa: %1</translation>
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
    <message>
        <source>Tarifa</source>
        <translation>Tarifa</translation>
    </message>
    <message>
        <source>Precios</source>
        <translation>Preus</translation>
    </message>
    <message>
        <source>Imagenes</source>
        <translation>Imatges</translation>
    </message>
    <message>
        <source>Reg.</source>
        <translation>Reg.</translation>
    </message>
</context>
<context>
    <name>CEditingService</name>
    <message>
        <source>No existe la línea %1</source>
        <translation>No existeix la línia %1</translation>
    </message>
    <message>
        <source>La línea raíz no se puede borrar ni mover</source>
        <translation>La línia arrel no es pot esborrar ni moure</translation>
    </message>
    <message>
        <source>Solo las partidas tienen mediciones: la línea %1 no es una partida</source>
        <translation>Només les partides tenen amidaments: la línia %1 no és una partida</translation>
    </message>
    <message>
        <source>La columna %1 no se puede editar</source>
        <translation>La columna %1 no es pot editar</translation>
    </message>
    <message>
        <source>El código de la línea raíz no se puede editar</source>
        <translation>El codi de la línia arrel no es pot editar</translation>
    </message>
    <message>
        <source>El precio de un capítulo o de una partida es la suma de sus líneas</source>
        <translation>El preu d&apos;un capítol o d&apos;una partida és la suma de les seves línies</translation>
    </message>
    <message>
        <source>Un capítulo no tiene unidad, factor ni cantidad</source>
        <translation>Un capítol no té unitat, factor ni quantitat</translation>
    </message>
    <message>
        <source>La cantidad de esta partida sale de sus mediciones</source>
        <translation>La quantitat d&apos;aquesta partida surt dels seus amidaments</translation>
    </message>
    <message>
        <source>El texto tiene más de %1 caracteres</source>
        <translation>El text té més de %1 caràcters</translation>
    </message>
    <message>
        <source>La descripción no puede contener «|»</source>
        <translation>La descripció no pot contenir «|»</translation>
    </message>
    <message>
        <source>«%1» no es un número</source>
        <translation>«%1» no és un nombre</translation>
    </message>
    <message>
        <source>La línea %1 no es un capítulo ni una partida</source>
        <translation>La línia %1 no és un capítol ni una partida</translation>
    </message>
    <message>
        <source>Nada puede seguir a la línea raíz: se pega dentro de ella</source>
        <translation>Res no pot seguir la línia arrel: s&apos;enganxa dins seu</translation>
    </message>
    <message>
        <source>Una rama no se puede mover dentro de sí misma</source>
        <translation>Una branca no es pot moure dins de si mateixa</translation>
    </message>
    <message>
        <source>Error en fórmula: posición %1</source>
        <translation>Error en fórmula: posició %1</translation>
    </message>
    <message>
        <source>No existe la línea de medición %1</source>
        <translation>No existeix la línia d&apos;amidament %1</translation>
    </message>
</context>
<context>
    <name>CExcelExport</name>
    <message>
        <source>El presupuesto tiene %1 líneas y un libro .xls admite 65.535; expórtelo como .xlsx.</source>
        <translation>El pressupost té %1 línies i un llibre .xls n&apos;admet 65.535; exporteu-lo com a .xlsx.</translation>
    </message>
    <message>
        <source>No se ha podido escribir %1: %2</source>
        <translation>No s&apos;ha pogut escriure %1: %2</translation>
    </message>
</context>
<context>
    <name>CExcelExportCommand</name>
    <message>
        <source>Ficheros Excel (*.xls)</source>
        <translation>Fitxers Excel (*.xls)</translation>
    </message>
    <message>
        <source>Libro de Excel (*.xlsx)</source>
        <translation>Llibre d&apos;Excel (*.xlsx)</translation>
    </message>
    <message>
        <source>Todos los ficheros (*.*)</source>
        <translation>Tots els fitxers (*.*)</translation>
    </message>
</context>
<context>
    <name>CExportCommands</name>
    <message>
        <source>No se ha podido escribir %1: %2
</source>
        <translation>No s&apos;ha pogut escriure %1: %2
</translation>
    </message>
</context>
<context>
    <name>CFileAccess</name>
    <message>
        <source>%1 no es un fichero normal</source>
        <translation>%1 no és un fitxer normal</translation>
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
    <name>CImportarTarifaDlg</name>
    <message>
        <source>Ámbitos geográficos</source>
        <translation>Àmbits geogràfics</translation>
    </message>
    <message>
        <source>Importar tarifa</source>
        <translation>Importar tarifa</translation>
    </message>
    <message>
        <source>Elegir el fichero</source>
        <translation>Triar el fitxer</translation>
    </message>
    <message>
        <source>Archivos BC3 (*.bc3)</source>
        <translation>Fitxers BC3 (*.bc3)</translation>
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
        <translation>Acceptar</translation>
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
    <name>CLangPrintPreview</name>
    <message>
        <source>Presentación preliminar</source>
        <translation>Presentació preliminar</translation>
    </message>
    <message>
        <source>Imprimir</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Siguiente</source>
        <translation>Següent</translation>
    </message>
    <message>
        <source>Anterior</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Cerrar</source>
        <translation>Tancar</translation>
    </message>
    <message>
        <source>Acercar</source>
        <translation>Acostar</translation>
    </message>
    <message>
        <source>Alejar</source>
        <translation>Allunyar</translation>
    </message>
    <message>
        <source>Una página</source>
        <translation>Una pàgina</translation>
    </message>
    <message>
        <source>Dos páginas</source>
        <translation>Dues pàgines</translation>
    </message>
</context>
<context>
    <name>CLockIndicators</name>
    <message>
        <source>MAYÚS</source>
        <translation>MAJ</translation>
    </message>
    <message>
        <source>NÚM</source>
        <translation>NÚM</translation>
    </message>
    <message>
        <source>DESPL</source>
        <translation>DESPL</translation>
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
    <name>CNuevaTarifaDlg</name>
    <message>
        <source>Nueva Base de Precios</source>
        <translation>Nova Base de Preus</translation>
    </message>
    <message>
        <source>Código</source>
        <translation>Codi</translation>
    </message>
    <message>
        <source>Tarifa</source>
        <translation>Tarifa</translation>
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
    <message>
        <source>¿Borrar el presupuesto %1, «%2», con sus %3 líneas y sus mediciones?

El borrado no se puede deshacer.</source>
        <translation>Voleu esborrar el pressupost %1, «%2», amb les seves %3 línies i els seus amidaments?

L&apos;esborrament no es pot desfer.</translation>
    </message>
</context>
<context>
    <name>CPriceBaseCommands</name>
    <message>
        <source>No existe esta tarifa: %1/%2</source>
        <translation>No existeix aquesta tarifa: %1/%2</translation>
    </message>
</context>
<context>
    <name>CPrintCommand</name>
    <message>
        <source>El número tiene más de 10 caracteres: %1
</source>
        <translation>El número té més de 10 caràcters: %1
</translation>
    </message>
    <message>
        <source>Fecha no válida (DD/MM/AAAA): %1
</source>
        <translation>Data no vàlida (DD/MM/AAAA): %1
</translation>
    </message>
    <message>
        <source>No se puede escribir el fichero %1
</source>
        <translation>No es pot escriure el fitxer %1
</translation>
    </message>
    <message>
        <source>%1: %2 páginas
</source>
        <translation>%1: %2 pàgines
</translation>
    </message>
</context>
<context>
    <name>CPrintOptionsDlg</name>
    <message>
        <source>Opciones de impresión</source>
        <translation>Opcions d&apos;impressió</translation>
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
        <source>Factura</source>
        <translation>Factura</translation>
    </message>
    <message>
        <source>Presupuesto</source>
        <translation>Pressupost</translation>
    </message>
    <message>
        <source>Hasta nivel</source>
        <translation>Fins al nivell</translation>
    </message>
    <message>
        <source>Nº Factura</source>
        <translation>Núm. factura</translation>
    </message>
    <message>
        <source>Nº Presupuesto</source>
        <translation>Núm. pressupost</translation>
    </message>
    <message>
        <source>Fecha Factura</source>
        <translation>Data factura</translation>
    </message>
    <message>
        <source>Fecha presupesto</source>
        <translation>Data pressupost</translation>
    </message>
    <message>
        <source>Cabecera</source>
        <translation>Capçalera</translation>
    </message>
    <message>
        <source>Título presupuesto/factura</source>
        <translation>Títol pressupost/factura</translation>
    </message>
    <message>
        <source>Datos cliente</source>
        <translation>Dades client</translation>
    </message>
    <message>
        <source>NIF cliente</source>
        <translation>NIF client</translation>
    </message>
    <message>
        <source>Código presupuesto</source>
        <translation>Codi pressupost</translation>
    </message>
    <message>
        <source>Datos empresa</source>
        <translation>Dades empresa</translation>
    </message>
    <message>
        <source>NIF empresa</source>
        <translation>NIF empresa</translation>
    </message>
    <message>
        <source>Datos fiscales</source>
        <translation>Dades fiscals</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotip</translation>
    </message>
    <message>
        <source>Posición datos cliente</source>
        <translation>Posició dades client</translation>
    </message>
    <message>
        <source>Izquierda</source>
        <translation>Esquerra</translation>
    </message>
    <message>
        <source>Derecha</source>
        <translation>Dreta</translation>
    </message>
    <message>
        <source>Datos cuerpo</source>
        <translation>Dades cos</translation>
    </message>
    <message>
        <source>Códigos</source>
        <translation>Codis</translation>
    </message>
    <message>
        <source>Importes</source>
        <translation>Imports</translation>
    </message>
    <message>
        <source>Mediciones</source>
        <translation>Amidaments</translation>
    </message>
    <message>
        <source>Descripción larga</source>
        <translation>Descripció llarga</translation>
    </message>
    <message>
        <source>Descripción corta</source>
        <translation>Descripció curta</translation>
    </message>
    <message>
        <source>Datos pie</source>
        <translation>Dades peu</translation>
    </message>
    <message>
        <source>Neto</source>
        <translation>Net</translation>
    </message>
    <message>
        <source>Beneficio industrial</source>
        <translation>Benefici industrial</translation>
    </message>
    <message>
        <source>Gastos generales</source>
        <translation>Despeses generals</translation>
    </message>
    <message>
        <source>Bruto</source>
        <translation>Brut</translation>
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
        <source>Forma de pago</source>
        <translation>Forma de pagament</translation>
    </message>
    <message>
        <source>Observaciones</source>
        <translation>Observacions</translation>
    </message>
</context>
<context>
    <name>CPrintRun</name>
    <message>
        <source>No se ha podido guardar el número de la factura.

%1</source>
        <translation>No s&apos;ha pogut desar el número de la factura.

%1</translation>
    </message>
    <message>
        <source>No se puede leer el presupuesto para imprimirlo.

%1</source>
        <translation>No es pot llegir el pressupost per imprimir-lo.

%1</translation>
    </message>
    <message>
        <source>No se puede imprimir en la impresora elegida.</source>
        <translation>No es pot imprimir a la impressora triada.</translation>
    </message>
</context>
<context>
    <name>CRtfFormatBar</name>
    <message>
        <source>Fuente</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Tamaño</source>
        <translation>Mida</translation>
    </message>
    <message>
        <source>Negrita</source>
        <translation>Negreta</translation>
    </message>
    <message>
        <source>Cursiva</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Subrayado</source>
        <translation>Subratllat</translation>
    </message>
    <message>
        <source>Alinear a la izquierda</source>
        <translation>Alinear a l&apos;esquerra</translation>
    </message>
    <message>
        <source>Centrar</source>
        <translation>Centrar</translation>
    </message>
    <message>
        <source>Alinear a la derecha</source>
        <translation>Alinear a la dreta</translation>
    </message>
    <message>
        <source>Color del texto</source>
        <translation>Color del text</translation>
    </message>
    <message>
        <source>Viñetas</source>
        <translation>Pics</translation>
    </message>
    <message>
        <source>Reducir sangría</source>
        <translation>Reduir el sagnat</translation>
    </message>
    <message>
        <source>Aumentar sangría</source>
        <translation>Augmentar el sagnat</translation>
    </message>
</context>
<context>
    <name>CRtfReportDlg</name>
    <message>
        <source>Presupuesto en formato RTF</source>
        <translation>Pressupost en format RTF</translation>
    </message>
    <message>
        <source>Ficheros RTF (*.rtf)</source>
        <translation>Fitxers RTF (*.rtf)</translation>
    </message>
    <message>
        <source>Guardar</source>
        <translation>Desar</translation>
    </message>
    <message>
        <source>Cortar</source>
        <translation>Retallar</translation>
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
        <source>Deshacer</source>
        <translation>Desfer</translation>
    </message>
    <message>
        <source>No se ha podido guardar %1: %2</source>
        <translation>No s&apos;ha pogut desar %1: %2</translation>
    </message>
</context>
<context>
    <name>CSchema</name>
    <message>
        <source>No se ha indicado el fichero de la base de datos</source>
        <translation>No s&apos;ha indicat el fitxer de la base de dades</translation>
    </message>
    <message>
        <source>No se puede crear el fichero: %1</source>
        <translation>No es pot crear el fitxer: %1</translation>
    </message>
    <message>
        <source>Hay varios presupuestos con el mismo código: %1</source>
        <translation>Hi ha diversos pressupostos amb el mateix codi: %1</translation>
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
    <message>
        <source>No se ha cambiado nada.</source>
        <translation>No s&apos;ha canviat res.</translation>
    </message>
    <message>
        <source>Ya existe un presupuesto con ese código.</source>
        <translation>Ja existeix un pressupost amb aquest codi.</translation>
    </message>
    <message>
        <source>Ya existe un registro con ese código.</source>
        <translation>Ja existeix un registre amb aquest codi.</translation>
    </message>
    <message>
        <source>Otro programa está usando la base de datos; inténtelo de nuevo en un momento.</source>
        <translation>Un altre programa està fent servir la base de dades; torneu-ho a provar d&apos;aquí a un moment.</translation>
    </message>
    <message>
        <source>El disco está lleno; libere espacio e inténtelo de nuevo.</source>
        <translation>El disc és ple; allibereu espai i torneu-ho a provar.</translation>
    </message>
    <message>
        <source>La base de datos es de solo lectura.</source>
        <translation>La base de dades és només de lectura.</translation>
    </message>
</context>
<context>
    <name>CStoreSession</name>
    <message>
        <source>No se puede escribir en la carpeta de configuración %1: el origen de datos Velmora no queda registrado.</source>
        <translation>No es pot escriure a la carpeta de configuració %1: l&apos;origen de dades Velmora no queda registrat.</translation>
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
    <message>
        <source>Configurar impresora</source>
        <translation>Configura la impressora</translation>
    </message>
    <message>
        <source>Aceptar</source>
        <translation>Acceptar</translation>
    </message>
</context>
<context>
    <name>CVelmoraView</name>
    <message>
        <source>Total presupuesto</source>
        <translation>Total pressupost</translation>
    </message>
    <message>
        <source>Ha de reiniciar el programa</source>
        <translation>Ha de reiniciar el programa</translation>
    </message>
    <message>
        <source>No se ha podido guardar el cambio; el presupuesto queda como estaba.</source>
        <translation>No s&apos;ha pogut desar el canvi; el pressupost queda com estava.</translation>
    </message>
    <message>
        <source>No hay ningún presupuesto abierto.

Para abrir uno o crear uno nuevo, elija Archivo › Gestión de presupuestos.</source>
        <translation>No hi ha cap pressupost obert.

Per obrir-ne un o crear-ne un de nou, trieu Arxiu › Gestió de pressupostos.</translation>
    </message>
</context>
</TS>
