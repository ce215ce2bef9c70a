<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AppContext</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be renamed to &quot;%2&quot;: %3</source>
        <translation>No se puede cambiar el nombre de «%1» a «%2»: %3</translation>
    </message>
    <message>
        <source>No temporary file can be made beside &quot;%1&quot;: %2</source>
        <translation>No se puede crear un archivo temporal junto a «%1»: %2</translation>
    </message>
    <message>
        <source>The catalogue &quot;%1&quot; does not exist.</source>
        <translation>El catálogo «%1» no existe.</translation>
    </message>
    <message>
        <source>The copy of &quot;%1&quot; failed its check and was removed: %2</source>
        <translation>La copia de «%1» no ha superado la comprobación y se ha eliminado: %2</translation>
    </message>
    <message>
        <source>The backups folder &quot;%1&quot; cannot be made.</source>
        <translation>No se puede crear la carpeta de copias de seguridad «%1».</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; failed its check and was removed: %2</source>
        <translation>La copia de seguridad «%1» no ha superado la comprobación y se ha eliminado: %2</translation>
    </message>
    <message>
        <source>The restored copy failed its check: %1</source>
        <translation>La copia restaurada no ha superado la comprobación: %1</translation>
    </message>
</context>
<context>
    <name>BatchFill</name>
    <message>
        <source>Filling movie details...</source>
        <translation>Completando detalles de películas...</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria agotada</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation>%1 es demasiado largo: se pueden guardar como máximo %2 caracteres.</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>No hay ningún catálogo abierto.</translation>
    </message>
    <message>
        <source> It has been opened again as it is now: check your last change and make it again.</source>
        <translation> Se ha vuelto a abrir tal como está ahora: revise su último cambio y vuelva a hacerlo.</translation>
    </message>
    <message>
        <source> It could not be opened again: %1</source>
        <translation> No se ha podido volver a abrir: %1</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was replaced by another program (one that compacted it or restored a backup over it) while it was open here. Your change was not written.%2</source>
        <translation>Otro programa (uno que lo compactó o restauró una copia de seguridad sobre él) ha reemplazado el archivo de catálogo «%1» mientras estaba abierto aquí. Su cambio no se ha escrito.%2</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program while it was open here. Your change was not written. Open the catalogue again from where it is now.</source>
        <translation>Otro programa ha eliminado o movido el archivo de catálogo «%1» mientras estaba abierto aquí. Su cambio no se ha escrito. Vuelva a abrir el catálogo desde su ubicación actual.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>No se ha encontrado el archivo «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be converted and has not been changed. %2</source>
        <translation>No se ha podido convertir el catálogo «%1» y no se ha modificado. %2</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Formato de base de datos no reconocido: «%1».</translation>
    </message>
    <message>
        <source>Another program is using the catalogue &apos;%1&apos; (reading or changing it) and did not let go in time. Nothing was written: try again in a moment.</source>
        <translation>Otro programa está usando el catálogo «%1» (leyéndolo o cambiándolo) y no lo ha liberado a tiempo. No se ha escrito nada: vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted, moved or replaced while it was open here. Nothing was written. Open the catalogue again from where it is now.</source>
        <translation>El archivo de catálogo «%1» se ha eliminado, movido o reemplazado mientras estaba abierto aquí. No se ha escrito nada. Vuelva a abrir el catálogo desde su ubicación actual.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be written: the file or its folder is read-only for you, or the file was moved or deleted. Nothing was written. Check the file&apos;s permissions, or open the catalogue again.</source>
        <translation>No se puede escribir en el catálogo «%1»: el archivo o su carpeta son de solo lectura para usted, o el archivo se ha movido o eliminado. No se ha escrito nada. Compruebe los permisos del archivo o vuelva a abrir el catálogo.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be read or written (%2). Check the disk or network drive it is on, then try again.</source>
        <translation>No se ha podido leer o escribir el catálogo «%1» (%2). Compruebe el disco o la unidad de red en que se encuentra y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The disk holding the catalogue &apos;%1&apos; is full. Nothing was written: make room on it, then try again.</source>
        <translation>El disco que contiene el catálogo «%1» está lleno. No se ha escrito nada: libere espacio y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be opened (%2). Check that the file and its folder are still there and that you may read and write them.</source>
        <translation>No se puede abrir el catálogo «%1» (%2). Compruebe que el archivo y su carpeta siguen ahí y que tiene permiso para leerlos y escribir en ellos.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). It stays open for reading only: nothing more is written to it. Recover what can be read into a new catalogue, or go back to a backup.</source>
        <translation>El catálogo «%1» está dañado (%2). Sigue abierto solo para lectura: ya no se escribe nada en él. Recupere lo que se pueda leer en un catálogo nuevo o vuelva a una copia de seguridad.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2) and open for reading only: nothing was written.</source>
        <translation>El catálogo «%1» está dañado (%2) y abierto solo para lectura: no se ha escrito nada.</translation>
    </message>
</context>
<context>
    <name>CatalogueConvert</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
    <message>
        <source>The converted catalogue could not be created: %1 (%2)</source>
        <translation>No se ha podido crear el catálogo convertido: %1 (%2)</translation>
    </message>
    <message>
        <source>Doing Actors (thats funny!!)...</source>
        <translation>Procesando actores (¡qué gracia!)...</translation>
    </message>
    <message>
        <source>Doing Directors (Even Funnier!!)...</source>
        <translation>Procesando directores (¡todavía más gracia!)...</translation>
    </message>
    <message>
        <source>Updating Movies and Actor Lists...</source>
        <translation>Actualizando películas y listas de actores...</translation>
    </message>
    <message>
        <source>Updating Loans...</source>
        <translation>Actualizando préstamos...</translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check.</source>
        <translation>El catálogo convertido no ha superado la comprobación de integridad.</translation>
    </message>
    <message>
        <source>The converted catalogue could not replace &apos;%1&apos;.</source>
        <translation>El catálogo convertido no ha podido reemplazar a «%1».</translation>
    </message>
</context>
<context>
    <name>CatalogueExport</name>
    <message>
        <source>Exporting movies...</source>
        <translation>Exportando películas...</translation>
    </message>
</context>
<context>
    <name>CatalogueFile</name>
    <message>
        <source>Creating Cinelog...</source>
        <translation>Creando el catálogo...</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>No se ha encontrado el archivo «%1».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>«%1» no es un archivo.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of an earlier version of Cinelog: open it first to convert it.</source>
        <translation>«%1» es un catálogo de una versión anterior de Cinelog: ábralo primero para convertirlo.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Formato de base de datos no reconocido: «%1».</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;: it is not a Cinelog catalogue.</source>
        <translation>Formato de base de datos no reconocido: «%1»: no es un catálogo de Cinelog.</translation>
    </message>
</context>
<context>
    <name>CatalogueHealth</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>No se ha encontrado el archivo «%1».</translation>
    </message>
    <message>
        <source>Checking the catalogue...</source>
        <translation>Comprobando el catálogo...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists: choose a new file for the recovered catalogue.</source>
        <translation>«%1» ya existe: elija un archivo nuevo para el catálogo recuperado.</translation>
    </message>
    <message>
        <source>Recovering the catalogue...</source>
        <translation>Recuperando el catálogo...</translation>
    </message>
    <message>
        <source>Nothing can be read from &apos;%1&apos;: even its list of tables is damaged (%2).</source>
        <translation>No se puede leer nada de «%1»: incluso su lista de tablas está dañada (%2).</translation>
    </message>
    <message>
        <source>The recovery was cancelled; no catalogue was made.</source>
        <translation>Se ha cancelado la recuperación; no se ha creado ningún catálogo.</translation>
    </message>
    <message>
        <source>The recovered catalogue failed its check: %1</source>
        <translation>El catálogo recuperado no ha superado la comprobación: %1</translation>
    </message>
    <message>
        <source>The recovered catalogue could not be named &apos;%1&apos;: %2</source>
        <translation>No se ha podido dar al catálogo recuperado el nombre «%1»: %2</translation>
    </message>
</context>
<context>
    <name>CatalogueHistory</name>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Actualizando la lista de películas...</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Eliminar %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Movies</source>
        <translation>
            <numerusform>Eliminar %n película</numerusform>
            <numerusform>Eliminar %n películas</numerusform>
        </translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Añadir %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Movies</source>
        <translation>
            <numerusform>Añadir %n película</numerusform>
            <numerusform>Añadir %n películas</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename %1 to %2</source>
        <translation>Cambiar el nombre de %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Names</source>
        <translation>
            <numerusform>Eliminar %n nombre</numerusform>
            <numerusform>Eliminar %n nombres</numerusform>
        </translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Cambiar %1</translation>
    </message>
    <message numerus="yes">
        <source>Change %n Movies</source>
        <translation>
            <numerusform>Cambiar %n película</numerusform>
            <numerusform>Cambiar %n películas</numerusform>
        </translation>
    </message>
    <message>
        <source>Lend %1</source>
        <translation>Prestar %1</translation>
    </message>
    <message>
        <source>Change Loan of %1</source>
        <translation>Cambiar el préstamo de %1</translation>
    </message>
    <message>
        <source>Return %1</source>
        <translation>Devolver %1</translation>
    </message>
    <message>
        <source>Remove Loan of %1</source>
        <translation>Quitar el préstamo de %1</translation>
    </message>
    <message>
        <source>Change Loans</source>
        <translation>Cambiar préstamos</translation>
    </message>
    <message>
        <source>Change Cast of %1</source>
        <translation>Cambiar el reparto de %1</translation>
    </message>
    <message>
        <source>Change Episodes of %1</source>
        <translation>Cambiar los episodios de %1</translation>
    </message>
    <message>
        <source>Add %1 to List %2</source>
        <translation>Añadir %1 a la lista %2</translation>
    </message>
    <message>
        <source>Change Lists</source>
        <translation>Cambiar listas</translation>
    </message>
    <message>
        <source>Change Genres</source>
        <translation>Cambiar géneros</translation>
    </message>
    <message>
        <source>Change Names</source>
        <translation>Cambiar nombres</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambiar</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: what it changed was changed again since, by another program using this catalogue.

Nothing was changed.</source>
        <translation>No se puede deshacer «%1»: lo que cambió lo ha vuelto a cambiar desde entonces otro programa que usa este catálogo.

No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: what it changed was changed again since, by another program using this catalogue.

Nothing was changed.</source>
        <translation>No se puede rehacer «%1»: lo que cambió lo ha vuelto a cambiar desde entonces otro programa que usa este catálogo.

No se ha cambiado nada.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Deshacer %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rehacer %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
</context>
<context>
    <name>CatalogueMaintenance</name>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted, moved or replaced by another program after it was opened here. Open the catalogue again.</source>
        <translation>El catálogo «%1» no se ha compactado: otro programa ha eliminado, movido o reemplazado el archivo después de abrirse aquí. Vuelva a abrir el catálogo.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file cannot be found.</source>
        <translation>El catálogo «%1» no se ha compactado: no se encuentra el archivo.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file is read-only. Allow writing to it first, or compact a copy.</source>
        <translation>El catálogo «%1» no se ha compactado: el archivo es de solo lectura. Permita primero la escritura en él o compacte una copia.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the folder does not allow new files to be made in it, which compacting needs. Allow writing to the folder first.</source>
        <translation>El catálogo «%1» no se ha compactado: la carpeta no permite crear archivos nuevos, y compactar lo necesita. Permita primero la escritura en la carpeta.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program is changing it. Try again in a moment.</source>
        <translation>El catálogo «%1» no se ha compactado: otro programa lo está cambiando. Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program replaced the file meanwhile. Open the catalogue again.</source>
        <translation>El catálogo «%1» no se ha compactado: mientras tanto otro programa ha reemplazado el archivo. Vuelva a abrir el catálogo.</translation>
    </message>
    <message>
        <source>The catalogue could not be compacted: no working copy could be made in %1 (%2).</source>
        <translation>No se ha podido compactar el catálogo: no se ha podido crear una copia de trabajo en %1 (%2).</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue failed its check.</source>
        <translation>La copia compactada del catálogo no ha superado la comprobación.</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be given the catalogue&apos;s permissions.</source>
        <translation>No se han podido dar a la copia compactada los permisos del catálogo.</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be written to the disk.</source>
        <translation>No se ha podido escribir en el disco la copia compactada del catálogo.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted or moved while it was being compacted. It has not been made again.</source>
        <translation>El catálogo «%1» no se ha compactado: el archivo se ha eliminado o movido mientras se compactaba. No se ha vuelto a crear.</translation>
    </message>
    <message>
        <source>The compacted catalogue could not replace %1</source>
        <translation>El catálogo compactado no ha podido reemplazar a %1</translation>
    </message>
    <message>
        <source>The compacted catalogue could not be opened again: %1</source>
        <translation>No se ha podido volver a abrir el catálogo compactado: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueSession</name>
    <message>
        <source>Database Must Be Converted</source>
        <translation>Hay que convertir el catálogo</translation>
    </message>
    <message>
        <source>This catalogue was made by an earlier version of Cinelog and must be converted.</source>
        <translation>Este catálogo se creó con una versión anterior de Cinelog y hay que convertirlo.</translation>
    </message>
    <message>
        <source>The catalogue was not converted, so it cannot be opened. The file has not been changed.</source>
        <translation>El catálogo no se ha convertido, así que no se puede abrir. El archivo no ha cambiado.</translation>
    </message>
    <message>
        <source>I have to convert your database to the new format!</source>
        <translation>¡Hay que convertir su catálogo al nuevo formato!</translation>
    </message>
    <message>
        <source>This question database already exists.<byte value="xd"/>Are you sure you want to overwrite it?</source>
        <translation>Esta base de datos ya existe.<byte value="xd"/>¿Está seguro de que desea sobrescribirla?</translation>
    </message>
    <message>
        <source>Create Database</source>
        <translation>Crear catálogo</translation>
    </message>
    <message>
        <source>The catalogue has been converted. The original file is kept as &apos;%1&apos;.</source>
        <translation>El catálogo se ha convertido. El archivo original se conserva como «%1».</translation>
    </message>
    <message>
        <source>Update Complete!</source>
        <translation>¡Actualización completada!</translation>
    </message>
    <message>
        <source>Update Complete.  Now we&apos;ll load the updated database...</source>
        <translation>Actualización completada. Ahora se cargará el catálogo actualizado...</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueWatch</name>
    <message>
        <source>No catalogue is open.</source>
        <translation>No hay ningún catálogo abierto.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was checked from end to end: no damage was found.</source>
        <translation>El catálogo «%1» se ha comprobado de principio a fin: no se han encontrado daños.</translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation>Comprobar catálogo</translation>
    </message>
    <message>
        <source>Recover what can still be read into a new catalogue now?</source>
        <translation>¿Recuperar ahora en un catálogo nuevo lo que todavía se puede leer?</translation>
    </message>
    <message>
        <source>Catalogue Damaged</source>
        <translation>Catálogo dañado</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (recuperado)</translation>
    </message>
    <message>
        <source>Save the Recovered Catalogue As</source>
        <translation>Guardar el catálogo recuperado como</translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation>Catálogos de Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>The recovered catalogue needs a file of its own: the damaged one is kept as it is.</source>
        <translation>El catálogo recuperado necesita su propio archivo: el dañado se conserva tal como está.</translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation>Recuperar catálogo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be replaced: choose another name for the recovered catalogue.</source>
        <translation>«%1» no se puede reemplazar: elija otro nombre para el catálogo recuperado.</translation>
    </message>
    <message>
        <source>Nothing could be recovered from &apos;%1&apos;.

%2

The damaged file is as it was; a backup may hold your catalogue (File &gt; Restore from Backup).</source>
        <translation>No se ha podido recuperar nada de «%1».

%2

El archivo dañado sigue como estaba; puede que una copia de seguridad contenga su catálogo (Archivo &gt; Restaurar copia de seguridad).</translation>
    </message>
    <message>
        <source>Open the recovered catalogue now?</source>
        <translation>¿Abrir ahora el catálogo recuperado?</translation>
    </message>
    <message>
        <source>Catalogue Recovered</source>
        <translation>Catálogo recuperado</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2).

It stays open for reading only: nothing more is written to it, and the file itself is left as it is.</source>
        <translation>El catálogo «%1» está dañado (%2).

Sigue abierto solo para lectura: ya no se escribe nada en él y el archivo se deja tal como está.</translation>
    </message>
    <message>
        <source>What could be read was saved in the new catalogue &apos;%1&apos;: %2 movies, %3 cast entries, %4 loans and %5 episodes.</source>
        <translation>Lo que se ha podido leer se ha guardado en el nuevo catálogo «%1»: %2 películas, %3 entradas de reparto, %4 préstamos y %5 episodios.</translation>
    </message>
    <message>
        <source>Some parts of the damaged file could not be read: compare the new catalogue with your last backup before you rely on it.</source>
        <translation>Algunas partes del archivo dañado no se han podido leer: compare el nuevo catálogo con su última copia de seguridad antes de fiarse de él.</translation>
    </message>
    <message>
        <source>Another program put a different file in the place of the catalogue &apos;%1&apos; (for example by restoring a backup or compacting it). The catalogue has been opened again and shows what that file holds now.</source>
        <translation>Otro programa ha puesto un archivo distinto en lugar del catálogo «%1» (por ejemplo, al restaurar una copia de seguridad o al compactarlo). El catálogo se ha vuelto a abrir y muestra lo que contiene ahora ese archivo.</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program. What is shown can still be read, but nothing can be saved to it: open the catalogue again from where it is now.</source>
        <translation>Otro programa ha eliminado o movido el archivo de catálogo «%1». Lo que se muestra todavía se puede leer, pero no se puede guardar nada en él: vuelva a abrir el catálogo desde su ubicación actual.</translation>
    </message>
</context>
<context>
    <name>ChangeConflict</name>
    <message>
        <source>Another program changed %1 after it was shown here.

Yes: show it as it is stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave it as it is stored.</source>
        <translation>Otro programa ha cambiado %1 después de mostrarse aquí.

Sí: mostrarlo tal como está guardado ahora (se descarta su cambio).
No: aplicar su cambio sobre el otro.
Cancelar: dejarlo tal como está guardado.</translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation>Cambiado en otro lugar</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Catalogue the movies you own on disc or tape.</source>
        <translation>Catalogue las películas que tiene en disco o en cinta.</translation>
    </message>
    <message>
        <source>A catalogue (.cnlg) to open.</source>
        <translation>Un catálogo (.cnlg) que abrir.</translation>
    </message>
    <message>
        <source>Only one catalogue can be opened at a time; %1 were given.</source>
        <translation>Solo se puede abrir un catálogo a la vez; se han indicado %1.</translation>
    </message>
</context>
<context>
    <name>CommunityBusy</name>
    <message>
        <source>The community server is busy, try later.</source>
        <translation>El servidor comunitario está ocupado; inténtelo más tarde.</translation>
    </message>
</context>
<context>
    <name>CommunityCommands</name>
    <message>
        <source>Choose a saved movie in the list to upload it.</source>
        <translation>Elija una película guardada de la lista para subirla.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Uploading %1...</source>
        <translation>Subiendo %1...</translation>
    </message>
    <message>
        <source>%1 has been uploaded!<byte value="xd"/>Thank you for supporting the Cinelog community!</source>
        <translation>¡%1 se ha subido!<byte value="xd"/>¡Gracias por apoyar a la comunidad Cinelog!</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=...</source>
        <extracomment>an example connection: keep the names before each &quot;=&quot;</extracomment>
        <translation>DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=...</translation>
    </message>
    <message>
        <source>The ODBC connection string of the community server used by &quot;Get Movie Info&quot; and &quot;Upload&quot;.</source>
        <translation>La cadena de conexión ODBC del servidor comunitario que usan «Obtener información de la película» y «Subir».</translation>
    </message>
    <message>
        <source>Community connection:</source>
        <translation>Conexión comunitaria:</translation>
    </message>
    <message>
        <source>The system&apos;s certificate authorities</source>
        <translation>Las autoridades de certificación del sistema</translation>
    </message>
    <message>
        <source>The certificate authority file (.pem) of your community server, from its operator. The connection is encrypted, and the server&apos;s certificate must be signed by it.</source>
        <translation>El archivo de la autoridad de certificación (.pem) de su servidor comunitario, proporcionado por quien lo administra. La conexión va cifrada y el certificado del servidor debe estar firmado por esa autoridad.</translation>
    </message>
    <message>
        <source>Community CA file</source>
        <translation>Archivo de CA comunitario</translation>
    </message>
    <message>
        <source>Choose the CA file</source>
        <translation>Elegir el archivo de CA</translation>
    </message>
    <message>
        <source>Choose the community CA file</source>
        <translation>Elegir el archivo de CA comunitario</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>Certificados (*.pem *.crt *.cer);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Community CA file:</source>
        <translation>Archivo de CA comunitario:</translation>
    </message>
</context>
<context>
    <name>CommunityConnection</name>
    <message>
        <source>The ODBC database driver of Qt is not installed (package libqt6sql6-odbc).</source>
        <translation>El controlador de base de datos ODBC de Qt no está instalado (paquete libqt6sql6-odbc).</translation>
    </message>
    <message>
        <source>Could not connect to the community server %1: %2</source>
        <extracomment>%2 says why, starting in lower case</extracomment>
        <translation>No se ha podido conectar con el servidor comunitario %1: %2</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read. Choose the CA file of your community server in Options (&quot;Community CA file&quot;).</source>
        <translation>no se puede leer el archivo de CA %1. Elija el archivo de CA de su servidor comunitario en Opciones («Archivo de CA comunitario»).</translation>
    </message>
    <message>
        <source>against the certificate authorities of this system</source>
        <translation>con las autoridades de certificación de este sistema</translation>
    </message>
    <message>
        <source>against the CA file %1</source>
        <translation>con el archivo de CA %1</translation>
    </message>
    <message>
        <source>its certificate could not be verified %1 (%2), so it may not be the server it claims to be. Choose the CA file your server&apos;s operator gave you in Options (&quot;Community CA file&quot;).</source>
        <translation>no se ha podido verificar su certificado %1 (%2), así que puede que no sea el servidor que dice ser. Elija en Opciones («Archivo de CA comunitario») el archivo de CA que le dio quien administra el servidor.</translation>
    </message>
    <message>
        <source>no encrypted connection could be made (%1). Check the CA file in Options; a server that offers no encryption needs its operator to turn it on.</source>
        <translation>no se ha podido establecer una conexión cifrada (%1). Compruebe el archivo de CA en Opciones; si el servidor no ofrece cifrado, quien lo administra debe activarlo.</translation>
    </message>
    <message>
        <source>it refused the account (%1). Check the user name (UID) and password (PWD) in Options; member accounts also need an encrypted connection.</source>
        <translation>ha rechazado la cuenta (%1). Compruebe el nombre de usuario (UID) y la contraseña (PWD) en Opciones; las cuentas de miembro también necesitan una conexión cifrada.</translation>
    </message>
    <message>
        <source>%1. Check that the server is running and that SERVER and PORT in Options are right.</source>
        <translation>%1. Compruebe que el servidor está en marcha y que SERVER y PORT son correctos en Opciones.</translation>
    </message>
    <message>
        <source>The community server %1 refused a change (%2): members may add records and fill empty fields only.</source>
        <translation>El servidor comunitario %1 ha rechazado un cambio (%2): los miembros solo pueden añadir registros y completar campos vacíos.</translation>
    </message>
    <message>
        <source>The community server %1 runs an older version of the exchange (%2). Ask its operator to load the current schema.sql.</source>
        <translation>El servidor comunitario %1 usa una versión anterior del intercambio (%2). Pida a quien lo administra que cargue el schema.sql actual.</translation>
    </message>
    <message>
        <source>The connection to the community server %1 was lost (%2). Try again; if it happens again, check that the server is running.</source>
        <translation>Se ha perdido la conexión con el servidor comunitario %1 (%2). Vuelva a intentarlo; si vuelve a ocurrir, compruebe que el servidor está en marcha.</translation>
    </message>
    <message>
        <source>The community server %1 failed: %2</source>
        <translation>El servidor comunitario %1 ha fallado: %2</translation>
    </message>
    <message>
        <source>The community server %1 gave no usable number for a new record.</source>
        <translation>El servidor comunitario %1 no ha dado un número utilizable para un registro nuevo.</translation>
    </message>
    <message>
        <source>The community server %1 gave no usable lock names.</source>
        <translation>El servidor comunitario %1 no ha dado nombres de bloqueo utilizables.</translation>
    </message>
</context>
<context>
    <name>CommunityExchange</name>
    <message>
        <source>The community record %1 no longer exists.</source>
        <translation>El registro comunitario %1 ya no existe.</translation>
    </message>
    <message>
        <source>The movie to fill in is no longer in the catalogue.</source>
        <translation>La película que completar ya no está en el catálogo.</translation>
    </message>
    <message>
        <source>Movie %1 is no longer in the catalogue.</source>
        <translation>La película %1 ya no está en el catálogo.</translation>
    </message>
    <message>
        <source>Movie %1</source>
        <translation>Película %1</translation>
    </message>
    <message>
        <source>%1 of %2 movies have been uploaded.</source>
        <translation>Se han subido %1 de %2 películas.</translation>
    </message>
    <message>
        <source>These could not be uploaded:</source>
        <translation>No se han podido subir estas:</translation>
    </message>
    <message>
        <source>... and %1 more (all of them are in the error log).</source>
        <translation>... y %1 más (todas están en el registro de errores).</translation>
    </message>
    <message>
        <source>%1 movies were not tried; upload them again later.</source>
        <translation>No se ha intentado subir %1 películas; vuelva a subirlas más tarde.</translation>
    </message>
</context>
<context>
    <name>CommunitySearch</name>
    <message>
        <source>Searching Cinelog...</source>
        <translation>Buscando en Cinelog...</translation>
    </message>
</context>
<context>
    <name>CommunitySettings</name>
    <message>
        <source>The community exchange is not set up yet.<byte value="xd"/><byte value="xd"/>Open Options and enter the connection of your community server in the box &quot;Community connection&quot;, for example:<byte value="xd"/>DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;SERVER=host;PORT=3306;DATABASE=name;UID=user;PWD=password<byte value="xd"/><byte value="xd"/>To try the exchange on this computer, run scripts/community-server start FOLDER and paste the connection it prints.</source>
        <translation>El intercambio comunitario todavía no está configurado.<byte value="xd"/><byte value="xd"/>Abra Opciones e introduzca la conexión de su servidor comunitario en el cuadro «Conexión comunitaria», por ejemplo:<byte value="xd"/>DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;SERVER=host;PORT=3306;DATABASE=name;UID=user;PWD=password<byte value="xd"/><byte value="xd"/>Para probar el intercambio en este equipo, ejecute scripts/community-server start CARPETA y pegue la conexión que muestra.</translation>
    </message>
    <message>
        <source>Community Exchange</source>
        <translation>Intercambio comunitario</translation>
    </message>
</context>
<context>
    <name>CoverPictures</name>
    <message>
        <source>The picture file is too large to store as a cover (%1 MB at most).</source>
        <translation>El archivo de imagen es demasiado grande para guardarlo como carátula (%1 MB como máximo).</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permiso denegado: %1</translation>
    </message>
    <message>
        <source>The picture file is empty: %1</source>
        <translation>El archivo de imagen está vacío: %1</translation>
    </message>
    <message>
        <source>The picture is too large to store as a cover.</source>
        <translation>La imagen es demasiado grande para guardarla como carátula.</translation>
    </message>
    <message>
        <source>No movie with ID %1.</source>
        <translation>No hay ninguna película con el ID %1.</translation>
    </message>
    <message>
        <source>The movie has no cover picture.</source>
        <translation>La película no tiene imagen de carátula.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Imagen no válida</translation>
    </message>
</context>
<context>
    <name>CoverQuery</name>
    <message>
        <source>OK.</source>
        <translation>Correcto.</translation>
    </message>
    <message>
        <source>Unable to retrieve the total number of results.</source>
        <translation>No se ha podido obtener el número total de resultados.</translation>
    </message>
    <message>
        <source>Unable to retrieve the item list.</source>
        <translation>No se ha podido obtener la lista de elementos.</translation>
    </message>
    <message>
        <source>Matches were found, but none of them contained an image.</source>
        <translation>Se han encontrado coincidencias, pero ninguna contenía una imagen.</translation>
    </message>
    <message>
        <source>Unable to retrieve the total number of pages.</source>
        <translation>No se ha podido obtener el número total de páginas.</translation>
    </message>
    <message>
        <source>User initialized stop.</source>
        <translation>Detenido por el usuario.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Error desconocido.</translation>
    </message>
</context>
<context>
    <name>CoverSource</name>
    <message>
        <source>Amazon product search (CoverfetchCore)</source>
        <translation>Búsqueda de productos de Amazon (CoverfetchCore)</translation>
    </message>
    <message>
        <source>The Movie Database (TMDb)</source>
        <translation>The Movie Database (TMDb)</translation>
    </message>
    <message>
        <source>Where &quot;Search for Covers&quot; looks for cover pictures.</source>
        <translation>Dónde busca imágenes de carátulas «Buscar carátulas».</translation>
    </message>
    <message>
        <source>Your TMDb API key or API read access token</source>
        <translation>Su clave de API de TMDb o su token de acceso de lectura a la API</translation>
    </message>
    <message>
        <source>TMDb gives a free key for personal use with an account at themoviedb.org. Used by the cover search (when TMDb is its source) and by Get Movie Details.</source>
        <translation>TMDb ofrece una clave gratuita para uso personal con una cuenta en themoviedb.org. La usan la búsqueda de carátulas (cuando su fuente es TMDb) y «Obtener detalles de la película».</translation>
    </message>
    <message>
        <source>Cover source:</source>
        <translation>Fuente de carátulas:</translation>
    </message>
    <message>
        <source>TMDb API key:</source>
        <translation>Clave de API de TMDb:</translation>
    </message>
</context>
<context>
    <name>CoverWall</name>
    <message>
        <source>Movie covers</source>
        <translation>Carátulas de las películas</translation>
    </message>
</context>
<context>
    <name>CoverWallPane</name>
    <message>
        <source>Cover si&amp;ze:</source>
        <translation>&amp;Tamaño de carátula:</translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation>Tamaño de carátula</translation>
    </message>
    <message>
        <source>Size of the covers (Ctrl + mouse wheel)</source>
        <translation>Tamaño de las carátulas (Ctrl + rueda del ratón)</translation>
    </message>
    <message>
        <source>Covers</source>
        <translation>Carátulas</translation>
    </message>
</context>
<context>
    <name>CoverfetchMain</name>
    <message>
        <source>The XML parser was not instantiated correctly.</source>
        <translation>El analizador XML no se ha creado correctamente.</translation>
    </message>
    <message>
        <source>The XML parser was unable to load the requested document.</source>
        <translation>El analizador XML no ha podido cargar el documento solicitado.</translation>
    </message>
    <message>
        <source>Amazon Web Services returned an error.</source>
        <translation>Amazon Web Services ha devuelto un error.</translation>
    </message>
    <message>
        <source>Unable to check the validity of the Amazon Web Services request.</source>
        <translation>No se ha podido comprobar la validez de la solicitud a Amazon Web Services.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to query Amazon Web Services.</source>
        <translation>Se ha producido un error de ejecución al consultar Amazon Web Services.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to parse the Amazon Web Services response.</source>
        <translation>Se ha producido un error de ejecución al analizar la respuesta de Amazon Web Services.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to validate the Amazon Web Services query.</source>
        <translation>Se ha producido un error de ejecución al validar la consulta a Amazon Web Services.</translation>
    </message>
</context>
<context>
    <name>Episodes</name>
    <message>
        <source>The episodes of this movie were changed by another program after they were shown here.</source>
        <translation>Otro programa ha cambiado los episodios de esta película después de mostrarse aquí.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF o EOF es True, o el registro actual se ha eliminado. La operación solicitada necesita un registro actual.</translation>
    </message>
</context>
<context>
    <name>ErrorLog</name>
    <message>
        <source>Error %1 %2</source>
        <translation>Error %1 %2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>This error has been logged.</source>
        <translation>%1<byte value="xd"/>Este error se ha anotado en el registro.</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Out of memory</source>
        <translation>Memoria agotada</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Error interno</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The export to &quot;%1&quot; failed: %2</source>
        <translation>Ha fallado la exportación a «%1»: %2</translation>
    </message>
    <message>
        <source>the cover of movie %1 could not be saved.</source>
        <translation>no se ha podido guardar la carátula de la película %1.</translation>
    </message>
    <message>
        <source>the file could not be created (zip error %1).</source>
        <translation>no se ha podido crear el archivo (error de zip %1).</translation>
    </message>
    <message>
        <source>the sheet could not be written (zip error %1).</source>
        <translation>no se ha podido escribir la hoja (error de zip %1).</translation>
    </message>
    <message>
        <source>the file could not be completed (zip error %1).</source>
        <translation>no se ha podido completar el archivo (error de zip %1).</translation>
    </message>
    <message>
        <source>%1 could not be written (zip error %2).</source>
        <translation>No se ha podido escribir %1 (error de zip %2).</translation>
    </message>
    <message>
        <source>the workbook writer %1 could not be started: %2</source>
        <translation>no se ha podido iniciar el generador de libros %1: %2</translation>
    </message>
    <message>
        <source>the workbook writer did not finish.</source>
        <translation>el generador de libros no ha terminado.</translation>
    </message>
    <message>
        <source>the workbook writer stopped: %1</source>
        <translation>el generador de libros se ha detenido: %1</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Movies</source>
        <translation>Exportar películas</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message numerus="yes">
        <source>The whole catalogue (%n movies)</source>
        <translation>
            <numerusform>Todo el catálogo (%n película)</numerusform>
            <numerusform>Todo el catálogo (%n películas)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the list (%n)</source>
        <translation>
            <numerusform>Las películas de la lista (%n)</numerusform>
            <numerusform>Las películas de la lista (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The search results (%n)</source>
        <translation>
            <numerusform>Los resultados de la búsqueda (%n)</numerusform>
            <numerusform>Los resultados de la búsqueda (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV (comma-separated text, UTF-8)</source>
        <translation>CSV (texto separado por comas, UTF-8)</translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)</source>
        <translation>Libro de Excel (.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>Hoja de cálculo OpenDocument (.ods)</translation>
    </message>
    <message>
        <source>HTML catalogue (web page with cover pictures)</source>
        <translation>Catálogo HTML (página web con imágenes de carátulas)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Examinar...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Formato:</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>&amp;Archivo:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>One line per movie with a heading line; opens in any spreadsheet program and imports back.</source>
        <translation>Una línea por película con una línea de encabezados; se abre en cualquier hoja de cálculo y se puede volver a importar.</translation>
    </message>
    <message>
        <source>One worksheet, one row per movie; imports back into a catalogue.</source>
        <translation>Una hoja, una fila por película; se puede volver a importar en un catálogo.</translation>
    </message>
    <message>
        <source>A page that opens in any web browser, also offline and on a phone; click a heading to sort. The cover pictures go into a folder beside it.</source>
        <translation>Una página que se abre en cualquier navegador, también sin conexión y en el móvil; haga clic en un encabezado para ordenar. Las imágenes de las carátulas se guardan en una carpeta al lado.</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Archivos %1 (*.%2)</translation>
    </message>
</context>
<context>
    <name>ImportField</name>
    <message>
        <source>Movie Title:</source>
        <translation>Título de la película:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>Actor 1:</source>
        <translation>Actor 1:</translation>
    </message>
    <message>
        <source>Actor 2:</source>
        <translation>Actor 2:</translation>
    </message>
    <message>
        <source>Actor 3:</source>
        <translation>Actor 3:</translation>
    </message>
    <message>
        <source>Actor 4:</source>
        <translation>Actor 4:</translation>
    </message>
    <message>
        <source>Genre 1:</source>
        <translation>Género 1:</translation>
    </message>
    <message>
        <source>Genre 2:</source>
        <translation>Género 2:</translation>
    </message>
    <message>
        <source>Genre 3:</source>
        <translation>Género 3:</translation>
    </message>
    <message>
        <source>Medium (DVD or Video):</source>
        <translation>Soporte (DVD o vídeo):</translation>
    </message>
    <message>
        <source>Format (Wide/Full Screen):</source>
        <translation>Formato (panorámico/pantalla completa):</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source>Release Year:</source>
        <translation>Año de estreno:</translation>
    </message>
    <message>
        <source>Running Time (in minutes):</source>
        <translation>Duración (en minutos):</translation>
    </message>
    <message>
        <source>Num of Discs/Tapes:</source>
        <translation>Nº de discos/cintas:</translation>
    </message>
    <message>
        <source>Sort Key:</source>
        <translation>Clave de orden:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Valoración:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Episode Disc:</source>
        <translation>Disco de episodios:</translation>
    </message>
    <message>
        <source>Cast:</source>
        <translation>Reparto:</translation>
    </message>
    <message>
        <source>Episodes:</source>
        <translation>Episodios:</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Rechazada: %1</translation>
    </message>
    <message>
        <source>Already in the catalogue: skipped</source>
        <translation>Ya está en el catálogo: omitida</translation>
    </message>
    <message>
        <source>Already in the catalogue: imported again</source>
        <translation>Ya está en el catálogo: importada de nuevo</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importada</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Fila</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>Actor 1</source>
        <translation>Actor 1</translation>
    </message>
    <message>
        <source>Actor 2</source>
        <translation>Actor 2</translation>
    </message>
    <message>
        <source>Actor 3</source>
        <translation>Actor 3</translation>
    </message>
    <message>
        <source>Actor 4</source>
        <translation>Actor 4</translation>
    </message>
    <message>
        <source>Genre 1</source>
        <translation>Género 1</translation>
    </message>
    <message>
        <source>Genre 2</source>
        <translation>Género 2</translation>
    </message>
    <message>
        <source>Genre 3</source>
        <translation>Género 3</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutos</translation>
    </message>
    <message>
        <source>Discs</source>
        <translation>Discos</translation>
    </message>
    <message>
        <source>Sort Key</source>
        <translation>Clave de orden</translation>
    </message>
    <message>
        <source>User Rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation>Disco de episodios</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Episodes</source>
        <translation>Episodios</translation>
    </message>
</context>
<context>
    <name>JetImport</name>
    <message>
        <source>Converting the catalogue...</source>
        <translation>Convirtiendo el catálogo...</translation>
    </message>
    <message>
        <source>It has no Movies table, so it is not a Cinelog catalogue.</source>
        <translation>No tiene tabla de películas (Movies), así que no es un catálogo de Cinelog.</translation>
    </message>
    <message>
        <source>Row %1 of table %2 has %3 values for %4 columns.</source>
        <translation>La fila %1 de la tabla %2 tiene %3 valores para %4 columnas.</translation>
    </message>
    <message>
        <source>Row %1 of table %2 could not be converted: %3</source>
        <translation>No se ha podido convertir la fila %1 de la tabla %2: %3</translation>
    </message>
    <message>
        <source>The original could not be kept as &apos;%1&apos;: %2.</source>
        <translation>No se ha podido conservar el original como «%1»: %2.</translation>
    </message>
    <message>
        <source>Every backup name for &apos;%1&apos; is taken.</source>
        <translation>Todos los nombres de copia de seguridad para «%1» están ocupados.</translation>
    </message>
    <message>
        <source>The converted catalogue could not be created in &apos;%1&apos;: %2</source>
        <translation>No se ha podido crear el catálogo convertido en «%1»: %2</translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check: %1</source>
        <translation>El catálogo convertido no ha superado la comprobación de integridad: %1</translation>
    </message>
    <message>
        <source>The converted catalogue could not take the place of &apos;%1&apos;: %2.</source>
        <translation>El catálogo convertido no ha podido ocupar el lugar de «%1»: %2.</translation>
    </message>
</context>
<context>
    <name>JetReader</name>
    <message>
        <source>The Jet database &apos;%1&apos; has no table &apos;%2&apos;.</source>
        <translation>La base de datos Jet «%1» no tiene la tabla «%2».</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>No se ha podido leer la tabla «%1» de «%2».</translation>
    </message>
    <message>
        <source>The columns of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>No se han podido leer las columnas de la tabla «%1» de «%2».</translation>
    </message>
    <message>
        <source>A long value in table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>No se ha podido leer un valor largo de la tabla «%1» de «%2».</translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>No se ha podido leer una fila de la tabla «%1» de «%2».</translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; is damaged.</source>
        <translation>Una fila de la tabla «%1» de «%2» está dañada.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a Jet database.</source>
        <translation>«%1» no es una base de datos Jet.</translation>
    </message>
    <message>
        <source>The Jet database &apos;%1&apos; could not be opened.</source>
        <translation>No se ha podido abrir la base de datos Jet «%1».</translation>
    </message>
    <message>
        <source>The table list of the Jet database &apos;%1&apos; could not be read.</source>
        <translation>No se ha podido leer la lista de tablas de la base de datos Jet «%1».</translation>
    </message>
    <message>
        <source>Only one table of &apos;%1&apos; is read at a time.</source>
        <translation>Solo se lee una tabla de «%1» a la vez.</translation>
    </message>
</context>
<context>
    <name>Loans</name>
    <message>
        <source>All Loaned Movies</source>
        <translation>Todas las películas prestadas</translation>
    </message>
    <message>
        <source>Movies Loaned Out</source>
        <translation>Películas en préstamo</translation>
    </message>
    <message>
        <source>Returned Movies</source>
        <translation>Películas devueltas</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos no coincidentes</translation>
    </message>
    <message>
        <source>This loan was changed or removed by another program after it was shown here.</source>
        <translation>Otro programa ha cambiado o eliminado este préstamo después de mostrarse aquí.</translation>
    </message>
</context>
<context>
    <name>LoansWindows</name>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Actualizando la lista de películas...</translation>
    </message>
</context>
<context>
    <name>Migrations</name>
    <message>
        <source>Adding %1 to the database...</source>
        <translation>Añadiendo %1 al catálogo...</translation>
    </message>
    <message>
        <source>Adding the new Episodes Table to the database...</source>
        <translation>Añadiendo la nueva tabla de episodios al catálogo...</translation>
    </message>
</context>
<context>
    <name>MovieDetails</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Year of Release</source>
        <translation>Año de estreno</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Géneros</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 como %2</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Reparto</translation>
    </message>
    <message numerus="yes">
        <source>%n actor(s)</source>
        <translation>
            <numerusform>%n actor</numerusform>
            <numerusform>%n actores</numerusform>
        </translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Dirección web</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Carátula</translation>
    </message>
    <message>
        <source>(a picture)</source>
        <translation>(una imagen)</translation>
    </message>
    <message>
        <source>Poster (%1)</source>
        <translation>Póster (%1)</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Se ha cancelado la solicitud.</translation>
    </message>
    <message>
        <source>No API key for %1 is set. Get a free key with an account at themoviedb.org (Settings &gt; API) and enter it in Options &gt; Edit Options &gt; &quot;TMDb API key&quot;.</source>
        <translation>No hay ninguna clave de API de %1. Consiga una clave gratuita con una cuenta en themoviedb.org (Settings &gt; API) e introdúzcala en Opciones &gt; Editar opciones &gt; «Clave de API de TMDb».</translation>
    </message>
    <message>
        <source>%1 refused the API key. Check the key in Options &gt; Edit Options &gt; &quot;TMDb API key&quot; (an API key or an API read access token from your account&apos;s API settings).</source>
        <translation>%1 ha rechazado la clave de API. Compruebe la clave en Opciones &gt; Editar opciones &gt; «Clave de API de TMDb» (una clave de API o un token de acceso de lectura de la configuración de API de su cuenta).</translation>
    </message>
    <message>
        <source>%1 could not be reached. Check the network connection and try again.</source>
        <translation>No se ha podido conectar con %1. Compruebe la conexión de red y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 did not answer in time. Try again later.</source>
        <translation>%1 no ha respondido a tiempo. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>%1 is busy (too many requests). Wait a minute and try again.</source>
        <translation>%1 está ocupado (demasiadas solicitudes). Espere un minuto y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>%1 does not know this movie (any more). Search for it again.</source>
        <translation>%1 no conoce (ya) esta película. Vuelva a buscarla.</translation>
    </message>
    <message>
        <source>%1 answered with an error. Try again later; if it persists, the service may have changed.</source>
        <translation>%1 ha respondido con un error. Vuelva a intentarlo más tarde; si persiste, puede que el servicio haya cambiado.</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Detalles: %1</translation>
    </message>
    <message>
        <source>No movie-information plug-in was found in %1.</source>
        <translation>No se ha encontrado ningún complemento de información de películas en %1.</translation>
    </message>
    <message>
        <source>The movie is no longer in the catalogue.</source>
        <translation>La película ya no está en el catálogo.</translation>
    </message>
    <message>
        <source>%1.%2 is not a pick list.</source>
        <translation>%1.%2 no es una lista de selección.</translation>
    </message>
</context>
<context>
    <name>MovieDetailsCommands</name>
    <message>
        <source>Get Movie &amp;Details...</source>
        <translation>Obtener &amp;detalles de la película...</translation>
    </message>
    <message>
        <source>Fill the movie&apos;s empty fields from The Movie Database (TMDb)</source>
        <translation>Completar los campos vacíos de la película desde The Movie Database (TMDb)</translation>
    </message>
    <message>
        <source>New Movie from &amp;TMDb...</source>
        <translation>Nueva película desde &amp;TMDb...</translation>
    </message>
    <message>
        <source>Type a title, pick the movie, and it is saved with its details</source>
        <translation>Escriba un título, elija la película y se guardará con sus detalles</translation>
    </message>
    <message>
        <source>&amp;Fill Details for Movies...</source>
        <translation>&amp;Completar detalles de películas...</translation>
    </message>
    <message>
        <source>Fill the details of many movies from The Movie Database (TMDb)</source>
        <translation>Completar los detalles de muchas películas desde The Movie Database (TMDb)</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Detalles de películas</translation>
    </message>
    <message>
        <source>Open or create a catalogue first.</source>
        <translation>Primero abra o cree un catálogo.</translation>
    </message>
    <message>
        <source>Movie details are not available: %1 Reinstall Cinelog to bring the plug-in back.</source>
        <translation>Los detalles de películas no están disponibles: %1 Vuelva a instalar Cinelog para recuperar el complemento.</translation>
    </message>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Actualizando la lista de películas...</translation>
    </message>
    <message>
        <source>The poster could not be fetched; the other fields are filled.</source>
        <translation>No se ha podido obtener el póster; los demás campos se han completado.</translation>
    </message>
    <message>
        <source>Save the movie first; then its details can be filled.</source>
        <translation>Guarde primero la película; después se podrán completar sus detalles.</translation>
    </message>
    <message>
        <source>New Movie from %1</source>
        <translation>Nueva película desde %1</translation>
    </message>
    <message>
        <source>Fill Details for Movies</source>
        <translation>Completar detalles de películas</translation>
    </message>
    <message>
        <source>Fill the empty fields of which movies? A movie is filled without asking only when exactly one result matches its title (and year); you choose for the others afterwards.</source>
        <translation>¿De qué películas desea completar los campos vacíos? Una película se completa sin preguntar solo cuando exactamente un resultado coincide con su título (y año); para las demás, elegirá usted después.</translation>
    </message>
    <message numerus="yes">
        <source>The &amp;selected movies (%n)</source>
        <translation>
            <numerusform>La película &amp;seleccionada (%n)</numerusform>
            <numerusform>Las películas &amp;seleccionadas (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the &amp;list (%n)</source>
        <translation>
            <numerusform>Las películas de la &amp;lista (%n)</numerusform>
            <numerusform>Las películas de la &amp;lista (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every movie whose details are &amp;empty (%n)</source>
        <translation>
            <numerusform>Todas las películas con los detalles &amp;vacíos (%n)</numerusform>
            <numerusform>Todas las películas con los detalles &amp;vacíos (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Completar</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Completar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Filling stopped: the movies before this one are filled, this one is unchanged.</source>
        <translation>Se ha detenido el completado: las películas anteriores a esta están completadas; esta no ha cambiado.</translation>
    </message>
    <message>
        <source>Filled: %1
Needs your choice: %2
Not found: %3%4</source>
        <translation>Completadas: %1
Pendientes de su elección: %2
No encontradas: %3%4</translation>
    </message>
    <message>
        <source>
Already filled before (skipped): %1</source>
        <translation>
Ya completadas antes (omitidas): %1</translation>
    </message>
    <message numerus="yes">
        <source>The movies found by the sea&amp;rch (%n)</source>
        <translation>
            <numerusform>La película encontrada en la &amp;búsqueda (%n)</numerusform>
            <numerusform>Las películas encontradas en la &amp;búsqueda (%n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MovieDetailsOptions</name>
    <message>
        <source>Cast members to take</source>
        <translation>Miembros del reparto que tomar</translation>
    </message>
    <message>
        <source>How many actors a fill takes, in billing order.</source>
        <translation>Cuántos actores se toman al completar, por orden de créditos.</translation>
    </message>
    <message>
        <source>Country of the rating</source>
        <translation>País de la clasificación</translation>
    </message>
    <message>
        <source>Two-letter country code (US, GB, DE, ...) whose certification becomes the rating; movies without one there take the US certification.</source>
        <translation>Código de país de dos letras (US, GB, ES, ...) cuya calificación por edades se usa como clasificación; las películas que no la tengan allí toman la de EE. UU.</translation>
    </message>
    <message>
        <source>Language of titles and genres</source>
        <translation>Idioma de títulos y géneros</translation>
    </message>
    <message>
        <source>Language of titles, genres and overviews, as a tag such as en-US or de-DE.</source>
        <translation>Idioma de títulos, géneros y sinopsis, como etiqueta del tipo es-ES o en-US.</translation>
    </message>
    <message>
        <source>Poster size</source>
        <translation>Tamaño del póster</translation>
    </message>
    <message>
        <source>original</source>
        <translation>original</translation>
    </message>
    <message>
        <source>Width in pixels of the poster stored as the cover.</source>
        <translation>Ancho en píxeles del póster que se guarda como carátula.</translation>
    </message>
    <message>
        <source>Form of people&apos;s names</source>
        <translation>Forma de los nombres de personas</translation>
    </message>
    <message>
        <source>Last, First (Reeves, Keanu)</source>
        <translation>Apellido, nombre (Reeves, Keanu)</translation>
    </message>
    <message>
        <source>As given (Keanu Reeves)</source>
        <translation>Tal cual (Keanu Reeves)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>I&amp;dioma:</translation>
    </message>
    <message>
        <source>&amp;Poster size:</source>
        <translation>&amp;Tamaño del póster:</translation>
    </message>
    <message>
        <source>Details: cast members:</source>
        <translation>Detalles: miembros del reparto:</translation>
    </message>
    <message>
        <source>Details: rating country:</source>
        <translation>Detalles: país de la clasificación:</translation>
    </message>
    <message>
        <source>Details: people&apos;s names:</source>
        <translation>Detalles: nombres de personas:</translation>
    </message>
    <message>
        <source>Seconds to wait for an answer</source>
        <translation>Segundos de espera de respuesta</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long one request to the movie database may take before it counts as failed; raise it on a slow connection.</source>
        <translation>Cuánto puede tardar una solicitud a la base de datos de películas antes de darla por fallida; auméntelo con una conexión lenta.</translation>
    </message>
    <message>
        <source>Details: wait for an answer:</source>
        <translation>Detalles: esperar respuesta:</translation>
    </message>
</context>
<context>
    <name>MovieEditor</name>
    <message>
        <source>Movie editor</source>
        <translation>Editor de películas</translation>
    </message>
    <message>
        <source>the cast of this movie</source>
        <translation>el reparto de esta película</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visitar sitio web</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Géneros:</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Título de la película:</translation>
    </message>
    <message>
        <source>Order By:</source>
        <translation>Ordenar por:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source># in Set</source>
        <translation>Nº de discos</translation>
    </message>
    <message>
        <source>Year of Release:</source>
        <translation>Año de estreno:</translation>
    </message>
    <message>
        <source>Running Time:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Movie URL:</source>
        <translation>URL de la película:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Valoración:</translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation>Disco de episodios</translation>
    </message>
    <message>
        <source>DVD Cover:</source>
        <translation>Carátula del DVD:</translation>
    </message>
    <message>
        <source>Double Click to Add Cover</source>
        <translation>Doble clic para añadir carátula</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Actores:</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Actor</translation>
    </message>
    <message>
        <source>as</source>
        <translation>como</translation>
    </message>
    <message>
        <source>save actor</source>
        <translation>guardar actor</translation>
    </message>
    <message>
        <source>remove actor</source>
        <translation>quitar actor</translation>
    </message>
    <message>
        <source>YOU PERVERT!</source>
        <translation>¡SERÁ PERVERTIDO!</translation>
    </message>
    <message>
        <source>PERVERT!</source>
        <translation>¡PERVERTIDO!</translation>
    </message>
    <message>
        <source>Error getting the information for this movie.</source>
        <translation>Error al obtener la información de esta película.</translation>
    </message>
    <message>
        <source>Say What?</source>
        <translation>¿Cómo dice?</translation>
    </message>
    <message>
        <source>Do you want to save the current movie</source>
        <translation>¿Desea guardar la película actual?</translation>
    </message>
    <message>
        <source>Save Record?</source>
        <translation>¿Guardar registro?</translation>
    </message>
    <message>
        <source>%1

Try again?</source>
        <translation>%1

¿Volver a intentarlo?</translation>
    </message>
    <message>
        <source>Catalogue In Use</source>
        <translation>Catálogo en uso</translation>
    </message>
    <message>
        <source>Another program changed this movie after it was shown here.

Yes: show the movie as it is stored now (your changes here are dropped).
No: save your version over the other change.
Cancel: go on editing without saving.</source>
        <translation>Otro programa ha cambiado esta película después de mostrarse aquí.

Sí: mostrar la película tal como está guardada ahora (se descartan sus cambios).
No: guardar su versión sobre el otro cambio.
Cancelar: seguir editando sin guardar.</translation>
    </message>
    <message>
        <source>Movie Changed Elsewhere</source>
        <translation>Película cambiada en otro lugar</translation>
    </message>
    <message>
        <source>Select a Cover Image:</source>
        <translation>Seleccione una imagen de carátula:</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.png *.gif);;BMP Files (*.bmp);;JPG Files (*.jpg)</source>
        <translation>Imágenes (*.bmp *.jpg *.jpeg *.png *.gif);;Archivos BMP (*.bmp);;Archivos JPG (*.jpg)</translation>
    </message>
    <message>
        <source>Save Cover File..</source>
        <translation>Guardar archivo de carátula..</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>Archivos BMP (*.bmp)</translation>
    </message>
    <message>
        <source>The picture could not be written to %1</source>
        <translation>No se ha podido escribir la imagen en %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos no coincidentes</translation>
    </message>
    <message>
        <source>Do you want to remove %1 from this movie?</source>
        <translation>¿Desea quitar a %1 de esta película?</translation>
    </message>
    <message>
        <source>Delete Actor?</source>
        <translation>¿Eliminar actor?</translation>
    </message>
    <message>
        <source>DVD cover</source>
        <translation>Carátula del DVD</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Género %1</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Visitar sitio web</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Reparto</translation>
    </message>
    <message>
        <source>Role played by the actor</source>
        <translation>Papel que interpreta el actor</translation>
    </message>
    <message>
        <source>Add actor</source>
        <translation>Añadir actor</translation>
    </message>
    <message>
        <source>Remove actor</source>
        <translation>Quitar actor</translation>
    </message>
    <message>
        <source>No cover. Press Enter to add one from a file.</source>
        <translation>Sin carátula. Pulse Intro para añadir una desde un archivo.</translation>
    </message>
    <message>
        <source>A cover is shown. Press Enter to replace it with a file.</source>
        <translation>Se muestra una carátula. Pulse Intro para reemplazarla por un archivo.</translation>
    </message>
</context>
<context>
    <name>MovieListModel</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Order By</source>
        <translation>Ordenar por</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>Genre1</source>
        <translation>Género 1</translation>
    </message>
    <message>
        <source>Genre2</source>
        <translation>Género 2</translation>
    </message>
    <message>
        <source>Genre3</source>
        <translation>Género 3</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Estreno</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Num of Discs</source>
        <translation>Nº de discos</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>N/D</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Loaned To %1</source>
        <translation>Prestada a %1</translation>
    </message>
    <message>
        <source>%1 (on loan to %2)</source>
        <translation>%1 (prestada a %2)</translation>
    </message>
    <message>
        <source>On loan to %1</source>
        <translation>Prestada a %1</translation>
    </message>
</context>
<context>
    <name>MovieSearch</name>
    <message>
        <source>%1 mins</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 Star</source>
        <translation>%1 estrella</translation>
    </message>
    <message>
        <source>%1 Stars</source>
        <translation>%1 estrellas</translation>
    </message>
    <message>
        <source>Total Movies Found: %L1</source>
        <translation>Total de películas encontradas: %L1</translation>
    </message>
</context>
<context>
    <name>MovieStore</name>
    <message numerus="yes">
        <source>Cleaned: %n unused Actors:</source>
        <translation>
            <numerusform>Limpieza: %n actor sin usar:</numerusform>
            <numerusform>Limpieza: %n actores sin usar:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused Directors:</source>
        <translation>
            <numerusform>%n director sin usar:</numerusform>
            <numerusform>%n directores sin usar:</numerusform>
        </translation>
    </message>
    <message>
        <source>This movie was changed by another program after it was shown here.</source>
        <translation>Otro programa ha cambiado esta película después de mostrarse aquí.</translation>
    </message>
    <message>
        <source>The movie is no longer in the catalogue.</source>
        <translation>La película ya no está en el catálogo.</translation>
    </message>
    <message>
        <source>The cast of this movie was changed by another program after it was shown here.</source>
        <translation>Otro programa ha cambiado el reparto de esta película después de mostrarse aquí.</translation>
    </message>
    <message>
        <source>%1.%2 is not a pick list.</source>
        <translation>%1.%2 no es una lista de selección.</translation>
    </message>
</context>
<context>
    <name>MovieTextIndex</name>
    <message>
        <source>Preparing the movies for quick filtering...</source>
        <translation>Preparando las películas para el filtro rápido...</translation>
    </message>
    <message>
        <source>Preparing the movies for quick filtering: %1%...</source>
        <translation>Preparando las películas para el filtro rápido: %1 %...</translation>
    </message>
    <message>
        <source>Preparing the movie list&apos;s orders: %1%...</source>
        <translation>Preparando los criterios de orden de la lista: %1 %...</translation>
    </message>
    <message>
        <source>Preparing the actors for quick filtering...</source>
        <translation>Preparando los actores para el filtro rápido...</translation>
    </message>
    <message>
        <source>Preparing the casts for quick filtering...</source>
        <translation>Preparando los repartos para el filtro rápido...</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>--- Assicated Movie ID: %1 Not Found ---</source>
        <translation>--- No se encontró la película asociada (ID %1) ---</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>BOF o EOF es True, o el registro actual se ha eliminado. La operación solicitada necesita un registro actual.</translation>
    </message>
</context>
<context>
    <name>PictureDownloader</name>
    <message>
        <source>Not a web address.</source>
        <translation>No es una dirección web.</translation>
    </message>
    <message>
        <source>The download timed out.</source>
        <translation>Se ha agotado el tiempo de descarga.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 bytes.</source>
        <translation>La imagen ocupa más de %1 bytes.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Cancelado.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Starting Up...</source>
        <translation>Iniciando...</translation>
    </message>
    <message>
        <source>Setting Up Defaults...</source>
        <translation>Estableciendo valores predeterminados...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xportar...</translation>
    </message>
    <message>
        <source>Back &amp;Up Catalogue...</source>
        <translation>&amp;Copia de seguridad del catálogo...</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>&amp;Restaurar copia de seguridad...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation>Recuperar catálogo</translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation>Comprobar catálogo</translation>
    </message>
    <message>
        <source>Catalogue Replaced</source>
        <translation>Catálogo reemplazado</translation>
    </message>
    <message>
        <source>Catalogue Deleted</source>
        <translation>Catálogo eliminado</translation>
    </message>
    <message>
        <source>Cover thumbnails kept (MB)</source>
        <translation>Miniaturas de carátulas en memoria (MB)</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>Memory the cover wall may use for thumbnails.</source>
        <translation>Memoria que puede usar la vista de carátulas para las miniaturas.</translation>
    </message>
    <message>
        <source>Cover thumbnails kept:</source>
        <translation>Miniaturas de carátulas en memoria:</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>&amp;Carátulas</translation>
    </message>
    <message>
        <source>Show the movies as covers (Ctrl+2); again for the list (Ctrl+1)</source>
        <translation>Mostrar las películas como carátulas (Ctrl+2); otra vez para la lista (Ctrl+1)</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>E&amp;stadísticas</translation>
    </message>
    <message>
        <source>Exporting movies...</source>
        <translation>Exportando películas...</translation>
    </message>
    <message>
        <source>Export Movies</source>
        <translation>Exportar películas</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ya existe. ¿Desea reemplazarlo?</translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) exported to %1.</source>
        <translation>
            <numerusform>%n película exportada a %1.</numerusform>
            <numerusform>%n películas exportadas a %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back Up Catalogue</source>
        <translation>Copia de seguridad del catálogo</translation>
    </message>
    <message>
        <source>Cinelog catalogues (*.cnlg)</source>
        <translation>Catálogos de Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>A backup cannot replace the catalogue itself.</source>
        <translation>Una copia de seguridad no puede reemplazar al propio catálogo.</translation>
    </message>
    <message>
        <source>The catalogue was copied and checked:
%1</source>
        <translation>El catálogo se ha copiado y comprobado:
%1</translation>
    </message>
    <message>
        <source>The backup was restored. The catalogue as it was is kept among the backups.</source>
        <translation>Se ha restaurado la copia de seguridad. El catálogo tal como estaba se conserva entre las copias de seguridad.</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Cannot Undo</source>
        <translation>No se puede deshacer</translation>
    </message>
    <message>
        <source>Cannot Redo</source>
        <translation>No se puede rehacer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
</context>
<context>
    <name>QuickFilter</name>
    <message>
        <source>Filter by title, sort title or director (Ctrl+K)</source>
        <translation>Filtrar por título, título de orden o director (Ctrl+K)</translation>
    </message>
    <message>
        <source>Quick filter</source>
        <translation>Filtro rápido</translation>
    </message>
    <message>
        <source>Shows only the movies whose title, sort title or director contain every word typed</source>
        <translation>Muestra solo las películas cuyo título, título de orden o director contienen todas las palabras escritas</translation>
    </message>
    <message>
        <source>Remove this filter</source>
        <translation>Quitar este filtro</translation>
    </message>
    <message>
        <source>Remove the filter: %1</source>
        <translation>Quitar el filtro: %1</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1 so far, counting...</source>
        <translation>Películas encontradas: %1 hasta ahora, contando...</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>No se han encontrado películas</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation>Películas encontradas: %1</translation>
    </message>
    <message>
        <source>Filter by title, sort title, director or cast (Ctrl+K)</source>
        <translation>Filtrar por título, título de orden, director o reparto (Ctrl+K)</translation>
    </message>
    <message>
        <source>Shows only the movies whose title, sort title, director or actors contain every word typed</source>
        <translation>Muestra solo las películas cuyo título, título de orden, director o actores contienen todas las palabras escritas</translation>
    </message>
    <message>
        <source>Quick filter also searches the cast</source>
        <translation>El filtro rápido también busca en el reparto</translation>
    </message>
    <message>
        <source>Words typed into the filter above the movie list also find movies by their actors&apos; names.</source>
        <translation>Las palabras escritas en el filtro sobre la lista de películas también encuentran películas por los nombres de sus actores.</translation>
    </message>
</context>
<context>
    <name>ReadConnection</name>
    <message>
        <source>Could not open &apos;%1&apos;: %2</source>
        <translation>No se ha podido abrir «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report page</source>
        <translation>Página del informe</translation>
    </message>
    <message>
        <source>First page (Home)</source>
        <translation>Primera página (Inicio)</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Página anterior (Re Pág)</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Página siguiente (Av Pág)</translation>
    </message>
    <message>
        <source>Last page (End)</source>
        <translation>Última página (Fin)</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Página</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Número de página</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>de %1</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation>Ajustar al ancho</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Página completa</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>G&amp;uardar como PDF...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Ordered By:</source>
        <translation>Ordenado por:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>Rated:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source>Running Time:</source>
        <translation>Duración:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Release Year:</source>
        <translation>Año de estreno:</translation>
    </message>
    <message>
        <source>Num of Discs:</source>
        <translation>Nº de discos:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Valoración:</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Géneros:</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Actores:</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Detalles de la película</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Number of Movies: %L1</source>
        <translation>Número de películas: %L1</translation>
    </message>
    <message>
        <source>Getting Movie Details...</source>
        <translation>Obteniendo detalles de la película...</translation>
    </message>
    <message>
        <source>%1 - Movie Details</source>
        <translation>%1 - Detalles de la película</translation>
    </message>
    <message>
        <source>Generating Search Report...</source>
        <translation>Generando informe de búsqueda...</translation>
    </message>
    <message>
        <source>%1 - Movie Details by Search</source>
        <translation>%1 - Detalles de películas por búsqueda</translation>
    </message>
    <message>
        <source>The movie with ID %1 is no longer in the catalogue.</source>
        <translation>La película con el ID %1 ya no está en el catálogo.</translation>
    </message>
    <message>
        <source>Title = %1</source>
        <translation>Título = %1</translation>
    </message>
    <message>
        <source>Actor = %1</source>
        <translation>Actor = %1</translation>
    </message>
    <message>
        <source>Format = %1</source>
        <translation>Formato = %1</translation>
    </message>
    <message>
        <source>Medium = %1</source>
        <translation>Soporte = %1</translation>
    </message>
    <message>
        <source>Director = %1</source>
        <translation>Director = %1</translation>
    </message>
    <message>
        <source>Genre = %1</source>
        <translation>Género = %1</translation>
    </message>
    <message>
        <source>Rating = %1</source>
        <translation>Clasificación = %1</translation>
    </message>
    <message>
        <source>User Rating is Equal to %1</source>
        <translation>Valoración igual a %1</translation>
    </message>
    <message>
        <source>User Rating is Less than or Equal to %1</source>
        <translation>Valoración menor o igual que %1</translation>
    </message>
    <message>
        <source>User Rating is Less than %1</source>
        <translation>Valoración menor que %1</translation>
    </message>
    <message>
        <source>User Rating is Greater than %1</source>
        <translation>Valoración mayor que %1</translation>
    </message>
    <message>
        <source>User Rating is Greater than or Equal to %1</source>
        <translation>Valoración mayor o igual que %1</translation>
    </message>
    <message>
        <source>User Rating is %1</source>
        <translation>Valoración: %1</translation>
    </message>
    <message>
        <source>Search Criteria: %1.
Movies Found: %2</source>
        <translation>Criterios de búsqueda: %1.
Películas encontradas: %2</translation>
    </message>
    <message>
        <source>Save Movie Details Report</source>
        <translation>Guardar informe de detalles de películas</translation>
    </message>
    <message>
        <source>Page</source>
        <comment>page n of m</comment>
        <translation>Página</translation>
    </message>
    <message>
        <source>of</source>
        <comment>page n of m</comment>
        <translation>de</translation>
    </message>
    <message>
        <source>MMMM dd, yyyy</source>
        <comment>date pattern of the page footer</comment>
        <translation>dd &apos;de&apos; MMMM &apos;de&apos; yyyy</translation>
    </message>
    <message>
        <source>Movie List</source>
        <translation>Lista de películas</translation>
    </message>
    <message>
        <source>Movie Titles</source>
        <translation>Títulos de películas</translation>
    </message>
    <message>
        <source>[Ordered By: %1]</source>
        <translation>[Ordenado por: %1]</translation>
    </message>
    <message>
        <source>Loaned Movies</source>
        <translation>Películas prestadas</translation>
    </message>
    <message>
        <source>Movie Loans</source>
        <translation>Préstamos de películas</translation>
    </message>
    <message>
        <source>Movie Loans for %1</source>
        <translation>Préstamos de películas a %1</translation>
    </message>
    <message>
        <source>%1 | Movie ID: %2</source>
        <translation>%1 | ID de película: %2</translation>
    </message>
    <message>
        <source>Date Out: %1 Returned: %2</source>
        <translation>Prestada: %1 Devuelta: %2</translation>
    </message>
    <message>
        <source>Users List</source>
        <translation>Lista de usuarios</translation>
    </message>
    <message>
        <source>Movie List for %1</source>
        <translation>Lista de películas de %1</translation>
    </message>
    <message>
        <source>Save Movie List Report</source>
        <translation>Guardar informe de lista de películas</translation>
    </message>
    <message>
        <source>Save Loan Report</source>
        <translation>Guardar informe de préstamos</translation>
    </message>
    <message>
        <source>The report %1 has no control %2.</source>
        <translation>El informe %1 no tiene el control %2.</translation>
    </message>
    <message>
        <source>The report %1 has no data field %2.</source>
        <translation>El informe %1 no tiene el campo de datos %2.</translation>
    </message>
    <message>
        <source>Adobe Acrobat File (*.pdf)</source>
        <translation>Archivo de Adobe Acrobat (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>No se ha podido guardar el informe en %1: %2</translation>
    </message>
    <message>
        <source>Do you want to save this report?</source>
        <translation>¿Desea guardar este informe?</translation>
    </message>
    <message>
        <source>The printer %1 could not be started.</source>
        <translation>No se ha podido iniciar la impresora %1.</translation>
    </message>
</context>
<context>
    <name>RestoreWindow</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurar copia de seguridad</translation>
    </message>
    <message>
        <source>Backups of %1</source>
        <translation>Copias de seguridad de %1</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Guardadas en %1</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Copias de seguridad</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Creada</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>none (automatic backups off)</source>
        <translation>ninguna (copias automáticas desactivadas)</translation>
    </message>
    <message>
        <source>Automatic backups to keep</source>
        <translation>Copias automáticas que conservar</translation>
    </message>
    <message>
        <source>Automatic backups to &amp;keep:</source>
        <translation>Copias automáticas que &amp;conservar:</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Restaurar...</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>ilegible</translation>
    </message>
    <message>
        <source>Put the backup made %1 in the place of the catalogue?

The catalogue as it is now is kept as one more backup.</source>
        <translation>¿Poner la copia de seguridad creada %1 en lugar del catálogo?

El catálogo tal como está ahora se conserva como una copia de seguridad más.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation>%1 es demasiado largo: se pueden guardar como máximo %2 caracteres.</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>Genre1</source>
        <translation>Género 1</translation>
    </message>
    <message>
        <source>Genre2</source>
        <translation>Género 2</translation>
    </message>
    <message>
        <source>Genre3</source>
        <translation>Género 3</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Clasificación</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Estreno</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Num of Discs</source>
        <translation>Nº de discos</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Estrellas</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Otro inicio del programa no ha terminado a tiempo.</translation>
    </message>
    <message>
        <source>The running program did not answer.</source>
        <translation>El programa en ejecución no ha respondido.</translation>
    </message>
</context>
<context>
    <name>SqliteFunctions</name>
    <message>
        <source>The catalogue connection is not a SQLite connection.</source>
        <translation>La conexión del catálogo no es una conexión SQLite.</translation>
    </message>
    <message>
        <source>The catalogue connection is not open.</source>
        <translation>La conexión del catálogo no está abierta.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s text comparison could not be installed: %1</source>
        <translation>No se ha podido instalar la comparación de textos del catálogo: %1</translation>
    </message>
</context>
<context>
    <name>StarRating</name>
    <message>
        <source>Click a star to rate the movie; click left of the first star for none.</source>
        <translation>Haga clic en una estrella para valorar la película; haga clic a la izquierda de la primera estrella para quitar la valoración.</translation>
    </message>
    <message>
        <source>User rating</source>
        <translation>Valoración</translation>
    </message>
    <message>
        <source>The arrow keys, + and -, Home and End or the digits 0 to %1 set the rating.</source>
        <translation>Las teclas de flecha, + y -, Inicio y Fin o los dígitos del 0 al %1 fijan la valoración.</translation>
    </message>
    <message>
        <source>%1 of %2 stars</source>
        <translation>%1 de %2 estrellas</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Estadísticas</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totales</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Gráficos</translation>
    </message>
    <message>
        <source>Loans out longest</source>
        <translation>Préstamos más largos</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Película</translation>
    </message>
    <message>
        <source>Loaned To</source>
        <translation>Prestada a</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Desde</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>&amp;Genres</source>
        <translation>&amp;Géneros</translation>
    </message>
    <message>
        <source>&amp;Decades</source>
        <translation>&amp;Décadas</translation>
    </message>
    <message>
        <source>&amp;Media</source>
        <translation>&amp;Soportes</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formatos</translation>
    </message>
    <message>
        <source>&amp;Your Ratings</source>
        <translation>Sus &amp;valoraciones</translation>
    </message>
    <message>
        <source>Out &amp;longest:</source>
        <translation>Prestadas hace más &amp;tiempo:</translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation>&amp;Préstamos</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>G&amp;uardar gráfico...</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG picture or an SVG drawing</source>
        <translation>Guardar el gráfico mostrado como imagen PNG o dibujo SVG</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Movies by genre</source>
        <translation>Películas por género</translation>
    </message>
    <message>
        <source>Movies by decade of release</source>
        <translation>Películas por década de estreno</translation>
    </message>
    <message>
        <source>Movies by medium</source>
        <translation>Películas por soporte</translation>
    </message>
    <message>
        <source>Movies by format</source>
        <translation>Películas por formato</translation>
    </message>
    <message>
        <source>Movies by your rating</source>
        <translation>Películas por su valoración</translation>
    </message>
    <message>
        <source>Loans out by borrower</source>
        <translation>Préstamos por persona</translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation>Sin valorar</translation>
    </message>
    <message>
        <source>1 star</source>
        <translation>1 estrella</translation>
    </message>
    <message>
        <source>%1 stars</source>
        <translation>%1 estrellas</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>No hay ningún catálogo abierto.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Contando...</translation>
    </message>
    <message>
        <source>Could not count: %1</source>
        <translation>No se ha podido contar: %1</translation>
    </message>
    <message>
        <source>%1 movies on %2 discs, %3 episodes; running time %4 days and %5 hours; %6 with a cover; %7 out on loan.</source>
        <translation>%1 películas en %2 discos, %3 episodios; duración total %4 días y %5 horas; %6 con carátula; %7 prestadas.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>Imagen PNG (*.png);;Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <translation>No se ha podido guardar el gráfico como %1: %2</translation>
    </message>
    <message>
        <source>No genre</source>
        <translation>Sin género</translation>
    </message>
    <message>
        <source>No year</source>
        <translation>Sin año</translation>
    </message>
    <message>
        <source>No medium</source>
        <translation>Sin soporte</translation>
    </message>
    <message>
        <source>No format</source>
        <translation>Sin formato</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sin nombre</translation>
    </message>
</context>
<context>
    <name>TextKeys</name>
    <message>
        <source>Preparing the %1 for searching: %2%...</source>
        <translation>Preparando %1 para la búsqueda: %2 %...</translation>
    </message>
    <message>
        <source>Preparing names and titles for searching...</source>
        <translation>Preparando nombres y títulos para la búsqueda...</translation>
    </message>
</context>
<context>
    <name>ThumbnailTip</name>
    <message>
        <source>Information about Result #%1 (%2)</source>
        <translation>Información sobre el resultado nº %1 (%2)</translation>
    </message>
    <message>
        <source>General Information:<byte value="xd"/>
     Title: %1<byte value="xd"/>
Image Dimensions:<byte value="xd"/>
     %2x%3</source>
        <translation>Información general:<byte value="xd"/>
     Título: %1<byte value="xd"/>
Dimensiones de la imagen:<byte value="xd"/>
     %2x%3</translation>
    </message>
</context>
<context>
    <name>TmdbMain</name>
    <message>
        <source>The reply reader was not instantiated correctly.</source>
        <translation>El lector de respuestas no se ha creado correctamente.</translation>
    </message>
    <message>
        <source>The reply reader was unable to load the requested document.</source>
        <translation>El lector de respuestas no ha podido cargar el documento solicitado.</translation>
    </message>
    <message>
        <source>The Movie Database returned an error.</source>
        <translation>The Movie Database ha devuelto un error.</translation>
    </message>
    <message>
        <source>Unable to read the reply of The Movie Database.</source>
        <translation>No se ha podido leer la respuesta de The Movie Database.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to query The Movie Database.</source>
        <translation>Se ha producido un error de ejecución al consultar The Movie Database.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to parse the reply of The Movie Database.</source>
        <translation>Se ha producido un error de ejecución al analizar la respuesta de The Movie Database.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to validate the query of The Movie Database.</source>
        <translation>Se ha producido un error de ejecución al validar la consulta a The Movie Database.</translation>
    </message>
</context>
<context>
    <name>TmdbMovieInfo</name>
    <message>
        <source>This product uses the TMDB API but is not endorsed or certified by TMDB.</source>
        <translation>Este producto usa la API de TMDB, pero TMDB no lo respalda ni lo certifica.</translation>
    </message>
</context>
<context>
    <name>UploadListModel</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>no se puede leer: %1</translation>
    </message>
    <message>
        <source>is too large to import.</source>
        <translation>es demasiado grande para importarlo.</translation>
    </message>
    <message>
        <source>is not UTF-8 text (line %1 has characters in another encoding). Save it from the spreadsheet program as “CSV UTF-8” and import it again.</source>
        <translation>no es texto UTF-8 (la línea %1 tiene caracteres en otra codificación). Guárdelo desde la hoja de cálculo como «CSV UTF-8» y vuelva a importarlo.</translation>
    </message>
    <message>
        <source>ends inside a quoted field; the file is damaged or cut short.</source>
        <translation>termina dentro de un campo entre comillas; el archivo está dañado o incompleto.</translation>
    </message>
    <message>
        <source>has a cell with more than %1 characters; it is damaged.</source>
        <translation>tiene una celda con más de %1 caracteres; está dañado.</translation>
    </message>
    <message>
        <source>has too many worksheets.</source>
        <translation>tiene demasiadas hojas.</translation>
    </message>
    <message>
        <source>is damaged or hostile: one cell of the worksheet “%1” repeats over %2 cells.</source>
        <translation>está dañado o es malicioso: una celda de la hoja «%1» se repite en más de %2 celdas.</translation>
    </message>
    <message>
        <source>The worksheet “%1”</source>
        <translation>La hoja «%1»</translation>
    </message>
    <message>
        <source>The worksheet “%1” of “%2”</source>
        <translation>La hoja «%1» de «%2»</translation>
    </message>
    <message>
        <source>%1 has a cell outside the largest sheet a spreadsheet can hold (row %2, column %3); the workbook is damaged.</source>
        <translation>%1 tiene una celda fuera de la hoja más grande que admite una hoja de cálculo (fila %2, columna %3); el libro está dañado.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 filled cells, more than can be imported at once.</source>
        <translation>%1 contiene más de %2 celdas con datos, más de las que se pueden importar de una vez.</translation>
    </message>
    <message>
        <source>has no worksheet number %1.</source>
        <translation>no tiene ninguna hoja número %1.</translation>
    </message>
    <message>
        <source>The workbook “%1” %2</source>
        <extracomment>%2 says what is wrong with the workbook, as a predicate (&quot;is too large to import.&quot;)</extracomment>
        <translation>El libro «%1» %2</translation>
    </message>
    <message>
        <source>is protected with a password. Save it without the password and import it again.</source>
        <translation>está protegido con contraseña. Guárdelo sin contraseña y vuelva a importarlo.</translation>
    </message>
    <message>
        <source>Could not find the workbook “%1”.</source>
        <translation>No se ha encontrado el libro «%1».</translation>
    </message>
    <message>
        <source>The workbook “%1” cannot be read.</source>
        <translation>No se puede leer el libro «%1».</translation>
    </message>
    <message>
        <source>is not of a kind that can be imported. Choose a .xls, .xlsx, .ods or .csv file.</source>
        <translation>no es de un tipo que se pueda importar. Elija un archivo .xls, .xlsx, .ods o .csv.</translation>
    </message>
    <message>
        <source>is not an Excel 97-2003 workbook (.xls).</source>
        <translation>no es un libro de Excel 97-2003 (.xls).</translation>
    </message>
    <message>
        <source>holds no Excel workbook; it may be another kind of Office document.</source>
        <translation>no contiene ningún libro de Excel; puede que sea otro tipo de documento de Office.</translation>
    </message>
    <message>
        <source>is a chart saved by Excel 4 or earlier; it holds no worksheet to import.</source>
        <translation>es un gráfico guardado con Excel 4 o anterior; no contiene ninguna hoja que importar.</translation>
    </message>
    <message>
        <source>is a macro sheet saved by Excel 4 or earlier; it holds no worksheet to import.</source>
        <translation>es una hoja de macros guardada con Excel 4 o anterior; no contiene ninguna hoja que importar.</translation>
    </message>
    <message>
        <source>is a workbook or workspace saved by Excel 4, which cannot be imported. Save its worksheets again as an Excel 97-2003 workbook (.xls) or as .xlsx.</source>
        <translation>es un libro o área de trabajo guardado con Excel 4, que no se puede importar. Vuelva a guardar sus hojas como libro de Excel 97-2003 (.xls) o como .xlsx.</translation>
    </message>
    <message>
        <source>cannot be read: it is damaged or not an Excel workbook.</source>
        <translation>no se puede leer: está dañado o no es un libro de Excel.</translation>
    </message>
    <message>
        <source>is damaged: “%1” is not a cell reference.</source>
        <translation>está dañado: «%1» no es una referencia de celda.</translation>
    </message>
    <message>
        <source>is damaged: a cell refers to shared text %1, which is missing.</source>
        <translation>está dañado: una celda remite al texto compartido %1, que falta.</translation>
    </message>
    <message>
        <source>is damaged: a worksheet&apos;s part is not named.</source>
        <translation>está dañado: una parte de una hoja no tiene nombre.</translation>
    </message>
    <message>
        <source>has too many cell styles.</source>
        <translation>tiene demasiados estilos de celda.</translation>
    </message>
    <message>
        <source>has too many texts.</source>
        <translation>tiene demasiados textos.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” is not valid XML (line %2: %3).</source>
        <translation>está dañado: la parte «%1» no es XML válido (línea %2: %3).</translation>
    </message>
    <message>
        <source>cannot be opened: it is damaged or not a workbook of this kind.</source>
        <translation>no se puede abrir: está dañado o no es un libro de este tipo.</translation>
    </message>
    <message>
        <source>cannot be opened: its table of contents is damaged.</source>
        <translation>no se puede abrir: su índice de contenido está dañado.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” is missing.</source>
        <translation>está dañado: falta la parte «%1».</translation>
    </message>
    <message>
        <source>is damaged or hostile: the part “%1” unpacks to more than %2 MB.</source>
        <translation>está dañado o es malicioso: la parte «%1» ocupa más de %2 MB al descomprimirla.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” cannot be read.</source>
        <translation>está dañado: no se puede leer la parte «%1».</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” cannot be unpacked.</source>
        <translation>está dañado: no se puede descomprimir la parte «%1».</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” fails its checksum.</source>
        <translation>está dañado: la parte «%1» no supera la comprobación de suma de control.</translation>
    </message>
</context>
<context>
    <name>WorkbookImport</name>
    <message>
        <source>Row %1, column %2 (%3)</source>
        <translation>Fila %1, columna %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the text has %1 characters; the catalogue holds at most %2.</source>
        <translation>el texto tiene %1 caracteres; el catálogo admite como máximo %2.</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Columna %1 (%2): %3</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>El título está vacío.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither Yes nor No.</source>
        <translation>«%1» no es ni Sí ni No.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a rating from 0 to 7.</source>
        <translation>«%1» no es una valoración de 0 a 7.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not disc/number/title.</source>
        <translation>«%1» no tiene la forma disco/número/título.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>«%1» no es un número entero.</translation>
    </message>
    <message>
        <source>The target file has no Movies table: it is not a catalogue.</source>
        <translation>El archivo de destino no tiene tabla de películas (Movies): no es un catálogo.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Fila %1: %2</translation>
    </message>
    <message>
        <source>Importing Excel Data...</source>
        <translation>Importando datos de Excel...</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>Workbooks (*.xls *.xlsx *.ods *.csv);;Excel Spreadsheets (*.xls);;Excel Workbooks (*.xlsx);;OpenDocument Spreadsheets (*.ods);;Comma-separated Values (*.csv)</source>
        <translation>Libros (*.xls *.xlsx *.ods *.csv);;Hojas de cálculo de Excel (*.xls);;Libros de Excel (*.xlsx);;Hojas de cálculo OpenDocument (*.ods);;Valores separados por comas (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmActDir</name>
    <message>
        <source> Actors and Directors</source>
        <translation> Actores y directores</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Seleccionar:</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Actores</translation>
    </message>
    <message>
        <source>Directors</source>
        <translation>Directores</translation>
    </message>
    <message>
        <source>Records Starting With: </source>
        <translation>Registros que empiezan por: </translation>
    </message>
    <message>
        <source>The blank entry lists every name</source>
        <translation>La entrada en blanco muestra todos los nombres</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Actores:</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Actor</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Sitio web</translation>
    </message>
    <message>
        <source>Associated Movies:</source>
        <translation>Películas asociadas:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Go To Site</source>
        <translation>Ir al sitio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Search on IMDB</source>
        <translation>Buscar en IMDB</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Nombres</translation>
    </message>
    <message>
        <source>Directors:</source>
        <translation>Directores:</translation>
    </message>
    <message>
        <source>Please type a name before saving.</source>
        <translation>Escriba un nombre antes de guardar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web site address.</source>
        <translation>«%1» no es una dirección de sitio web.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 from the database?</source>
        <translation>¿Está seguro de que desea eliminar a %1 del catálogo?</translation>
    </message>
    <message>
        <source>Delete Directors</source>
        <translation>Eliminar directores</translation>
    </message>
    <message>
        <source>Delete Actors</source>
        <translation>Eliminar actores</translation>
    </message>
</context>
<context>
    <name>frmAddToUserList</name>
    <message>
        <source> Add to User&apos;s List</source>
        <translation> Añadir a la lista de usuario</translation>
    </message>
    <message>
        <source>Add to User&apos;s List</source>
        <translation>Añadir a la lista de usuario</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Movie ID:</source>
        <translation>ID de película:</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Título de la película:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nombre de usuario:</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nombre mostrado:</translation>
    </message>
</context>
<context>
    <name>frmCoverSearch</name>
    <message>
        <source>The search for covers of %1 did not work: the cover server could not be reached or did not answer as expected (%2).<byte value="xd"/><byte value="xd"/>Check your internet connection and the cover source in the Options window, then search again.</source>
        <translation>La búsqueda de carátulas de %1 ha fallado: no se ha podido conectar con el servidor de carátulas o no ha respondido como se esperaba (%2).<byte value="xd"/><byte value="xd"/>Compruebe su conexión a Internet y la fuente de carátulas en la ventana Opciones y vuelva a buscar.</translation>
    </message>
    <message>
        <source>Cover Search Failed</source>
        <translation>Error en la búsqueda de carátulas</translation>
    </message>
    <message>
        <source> Cover Search</source>
        <translation> Búsqueda de carátulas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>New Search</source>
        <translation>Nueva búsqueda</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>&amp;Use Selected</source>
        <translation>&amp;Usar seleccionada</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Finds cover pictures with The Movie Database (TMDb).</source>
        <translation>Busca imágenes de carátulas con The Movie Database (TMDb).</translation>
    </message>
    <message>
        <source>Finds cover pictures with the CoverfetchCore plug-in.</source>
        <translation>Busca imágenes de carátulas con el complemento CoverfetchCore.</translation>
    </message>
    <message>
        <source>Cinelog Cover Search</source>
        <translation>Búsqueda de carátulas de Cinelog</translation>
    </message>
    <message>
        <source>About Cover Search</source>
        <translation>Acerca de la búsqueda de carátulas</translation>
    </message>
    <message>
        <source>Covers found</source>
        <translation>Carátulas encontradas</translation>
    </message>
    <message>
        <source>You did not enter any keywords for the query. Please rectify this problem and try again.</source>
        <translation>No ha introducido ninguna palabra clave para la consulta. Corríjalo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Advertencia</translation>
    </message>
    <message>
        <source>You did not select an AWS server for the query. Please rectify this problem and try again.</source>
        <translation>No ha seleccionado ningún servidor de AWS para la consulta. Corríjalo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>You did not enter a media type for the query. Please rectify this problem and try again.</source>
        <translation>No ha introducido un tipo de soporte para la consulta. Corríjalo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The cover source is The Movie Database (TMDb), but no TMDb API key is set. Enter your key in the Options window and try again.</source>
        <translation>La fuente de carátulas es The Movie Database (TMDb), pero no hay ninguna clave de API de TMDb. Introduzca su clave en la ventana Opciones y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any covers for %1.<byte value="xd"/><byte value="xd"/>Do you want to enter a new title to search by?</source>
        <translation>No se ha encontrado ninguna carátula para %1.<byte value="xd"/><byte value="xd"/>¿Desea introducir un título nuevo que buscar?</translation>
    </message>
    <message>
        <source>No Covers Found</source>
        <translation>No se han encontrado carátulas</translation>
    </message>
    <message>
        <source>Enter a new Movie Title to search for:</source>
        <translation>Introduzca un nuevo título de película que buscar:</translation>
    </message>
    <message>
        <source>Cover Search</source>
        <translation>Búsqueda de carátulas</translation>
    </message>
    <message>
        <source>Failed to load the thumbnail &quot;%1&quot;.</source>
        <translation>No se ha podido cargar la miniatura «%1».</translation>
    </message>
    <message>
        <source>Cinelog</source>
        <translation>Cinelog</translation>
    </message>
    <message>
        <source>Some thumbnails could not be downloaded successfully and were therefore ignored.</source>
        <translation>Algunas miniaturas no se han podido descargar y se han omitido.</translation>
    </message>
    <message>
        <source>Enter a Movie title to search for:</source>
        <translation>Introduzca el título de película que buscar:</translation>
    </message>
    <message>
        <source>An unknown error occurred while attempting to load the desired image.</source>
        <translation>Se ha producido un error desconocido al cargar la imagen deseada.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>&amp;Preview (%1x%2)</source>
        <translation>&amp;Vista previa (%1x%2)</translation>
    </message>
    <message>
        <source>The cover could not be downloaded from &quot;%1&quot;: %2</source>
        <translation>No se ha podido descargar la carátula de «%1»: %2</translation>
    </message>
    <message>
        <source>the reply is not a picture.</source>
        <translation>la respuesta no es una imagen.</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Error de acceso a la ruta o al archivo: %1</translation>
    </message>
    <message>
        <source>No plug-in folder was given.</source>
        <translation>No se ha indicado ninguna carpeta de complementos.</translation>
    </message>
    <message>
        <source>The cover search is not available: its plug-in, %1, could not be loaded.</source>
        <translation>La búsqueda de carátulas no está disponible: no se ha podido cargar su complemento, %1.</translation>
    </message>
</context>
<context>
    <name>frmDownloadResults</name>
    <message>
        <source> Search Results from IMDB:</source>
        <translation> Resultados de la búsqueda en IMDB:</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Título de la película</translation>
    </message>
    <message>
        <source>Year of Release</source>
        <translation>Año de estreno</translation>
    </message>
    <message>
        <source>Get Movie Info</source>
        <translation>Obtener información de la película</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Movies found</source>
        <translation>Películas encontradas</translation>
    </message>
    <message>
        <source>Not connected to the community server.</source>
        <translation>No hay conexión con el servidor comunitario.</translation>
    </message>
    <message>
        <source>Choose a saved movie in the main window to fill in first.</source>
        <translation>Elija primero en la ventana principal una película guardada que completar.</translation>
    </message>
    <message>
        <source>Movie Info for %1 has been downloaded.</source>
        <translation>Se ha descargado la información de la película %1.</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Descarga completada</translation>
    </message>
</context>
<context>
    <name>frmEpisodes</name>
    <message>
        <source>Another program changed the episodes of this movie after they were shown here.

Yes: show the episodes as they are stored now (your change here is dropped).
No: make your change anyway.
Cancel: go on editing without saving.</source>
        <translation>Otro programa ha cambiado los episodios de esta película después de mostrarse aquí.

Sí: mostrar los episodios tal como están guardados ahora (se descarta su cambio).
No: aplicar su cambio de todos modos.
Cancelar: seguir editando sin guardar.</translation>
    </message>
    <message>
        <source>Episodes Changed Elsewhere</source>
        <translation>Episodios cambiados en otro lugar</translation>
    </message>
    <message>
        <source> Episodes for %1</source>
        <translation> Episodios de %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Episode Num</source>
        <translation>Nº de episodio</translation>
    </message>
    <message>
        <source>Disc Num</source>
        <translation>Nº de disco</translation>
    </message>
    <message>
        <source>save/update</source>
        <translation>guardar/actualizar</translation>
    </message>
    <message>
        <source>delete episode</source>
        <translation>eliminar episodio</translation>
    </message>
    <message>
        <source>close</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Episode Title:</source>
        <translation>Título del episodio:</translation>
    </message>
    <message>
        <source>Episode Number:</source>
        <translation>Número de episodio:</translation>
    </message>
    <message>
        <source>on Disc Number:</source>
        <translation>en el disco número:</translation>
    </message>
    <message>
        <source>Episodes</source>
        <translation>Episodios</translation>
    </message>
    <message>
        <source>Episode Number must be a number!</source>
        <translation>¡El número de episodio debe ser un número!</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>Disc Number must be a number!</source>
        <translation>¡El número de disco debe ser un número!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the episode %1?</source>
        <translation>¿Está seguro de que desea eliminar el episodio %1?</translation>
    </message>
    <message>
        <source>Delete Episode</source>
        <translation>Eliminar episodio</translation>
    </message>
</context>
<context>
    <name>frmExcel</name>
    <message>
        <source> Import from Excel</source>
        <translation> Importar desde Excel</translation>
    </message>
    <message>
        <source>Select Worksheet to Import:</source>
        <translation>Seleccione la hoja que importar:</translation>
    </message>
    <message>
        <source>Worksheet to import</source>
        <translation>Hoja que importar</translation>
    </message>
    <message>
        <source>Select Fields to Link:</source>
        <translation>Seleccione los campos que vincular:</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>deducido</translation>
    </message>
    <message>
        <source>Boxes marked &quot;guessed&quot; were linked from the worksheet&apos;s headings: check them, and change any that is wrong.</source>
        <translation>Las casillas marcadas como «deducido» se han vinculado a partir de los encabezados de la hoja: revíselas y cambie las que estén mal.</translation>
    </message>
    <message>
        <source>Preview (the first %1 rows as they will be imported):</source>
        <translation>Vista previa (las primeras %1 filas tal como se importarán):</translation>
    </message>
    <message>
        <source>Preview of the imported rows</source>
        <translation>Vista previa de las filas importadas</translation>
    </message>
    <message>
        <source>People are written &quot;First Last&quot;: store them as &quot;Last, First&quot;</source>
        <translation>Las personas están escritas «Nombre Apellido»: guardarlas como «Apellido, Nombre»</translation>
    </message>
    <message>
        <source>Also import movies the catalogue already has (same title and year)</source>
        <translation>Importar también las películas que ya están en el catálogo (mismo título y año)</translation>
    </message>
    <message>
        <source>Export to:</source>
        <translation>Importar en:</translation>
    </message>
    <message>
        <source>Catalogue to add the movies to</source>
        <translation>Catálogo al que añadir las películas</translation>
    </message>
    <message>
        <source>Choose the catalogue (*.cnlg) to add the movies to</source>
        <translation>Elija el catálogo (*.cnlg) al que añadir las películas</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir...</translation>
    </message>
    <message>
        <source>Choose the catalogue</source>
        <translation>Elegir el catálogo</translation>
    </message>
    <message>
        <source>Import to Database</source>
        <translation>Importar al catálogo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Select an Excel to Import From:</source>
        <translation>Seleccione el archivo de Excel que importar:</translation>
    </message>
    <message>
        <source>Linked from the heading &quot;%1&quot;; change it if it is wrong.</source>
        <translation>Vinculado a partir del encabezado «%1»; cámbielo si es incorrecto.</translation>
    </message>
    <message>
        <source>1 row below the headings</source>
        <translation>1 fila bajo los encabezados</translation>
    </message>
    <message>
        <source>%1 rows below the headings</source>
        <translation>%1 filas bajo los encabezados</translation>
    </message>
    <message>
        <source>%1 to import</source>
        <translation>%1 que importar</translation>
    </message>
    <message>
        <source>%1 already in the catalogue (skipped)</source>
        <translation>%1 ya en el catálogo (omitidas)</translation>
    </message>
    <message>
        <source>%1 already in the catalogue (imported again)</source>
        <translation>%1 ya en el catálogo (importadas de nuevo)</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 rechazadas</translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation>Catálogos de Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>1 movie imported</source>
        <translation>1 película importada</translation>
    </message>
    <message>
        <source>%1 movies imported</source>
        <translation>%1 películas importadas</translation>
    </message>
    <message>
        <source>1 already in the catalogue and skipped</source>
        <translation>1 ya estaba en el catálogo y se ha omitido</translation>
    </message>
    <message>
        <source>%1 already in the catalogue and skipped</source>
        <translation>%1 ya estaban en el catálogo y se han omitido</translation>
    </message>
    <message>
        <source>1 row refused</source>
        <translation>1 fila rechazada</translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation>%1 filas rechazadas</translation>
    </message>
    <message>
        <source>Import from Excel</source>
        <translation>Importar desde Excel</translation>
    </message>
    <message>
        <source>Updating Movie List...</source>
        <translation>Actualizando la lista de películas...</translation>
    </message>
</context>
<context>
    <name>frmLoanOut</name>
    <message>
        <source> Loan Out</source>
        <translation> Prestar</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/dd/aaaa</translation>
    </message>
    <message>
        <source>Month/day/year, for example 12/09/2025</source>
        <translation>Mes/día/año, por ejemplo 12/09/2025</translation>
    </message>
    <message>
        <source>Loan Movie</source>
        <translation>Prestar película</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Movie ID: </source>
        <translation>ID de película: </translation>
    </message>
    <message>
        <source>Movie:</source>
        <translation>Película:</translation>
    </message>
    <message>
        <source>Loaned To:</source>
        <translation>Prestada a:</translation>
    </message>
    <message>
        <source>Loan Date:</source>
        <translation>Fecha de préstamo:</translation>
    </message>
    <message>
        <source>The loan date &quot;%1&quot; is not a date. Please type it as month/day/year, for example %2.</source>
        <translation>La fecha de préstamo «%1» no es una fecha. Escríbala como mes/día/año, por ejemplo %2.</translation>
    </message>
    <message>
        <source>Invalid Loan Date</source>
        <translation>Fecha de préstamo no válida</translation>
    </message>
</context>
<context>
    <name>frmLoans</name>
    <message>
        <source>Another program changed this loan after it was shown here.

Yes: show the loans as they are stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave the loan as it is stored.</source>
        <translation>Otro programa ha cambiado este préstamo después de mostrarse aquí.

Sí: mostrar los préstamos tal como están guardados ahora (se descarta su cambio).
No: aplicar su cambio sobre el otro.
Cancelar: dejar el préstamo tal como está guardado.</translation>
    </message>
    <message>
        <source>Loan Changed Elsewhere</source>
        <translation>Préstamo cambiado en otro lugar</translation>
    </message>
    <message>
        <source> Loans</source>
        <translation> Préstamos</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Mostrar:</translation>
    </message>
    <message>
        <source>Show Loan Outs for:</source>
        <translation>Mostrar préstamos a:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>MovID</source>
        <translation>ID pel.</translation>
    </message>
    <message>
        <source>Movie Name</source>
        <translation>Nombre de la película</translation>
    </message>
    <message>
        <source>Loaned To</source>
        <translation>Prestada a</translation>
    </message>
    <message>
        <source>Date Loaned</source>
        <translation>Fecha de préstamo</translation>
    </message>
    <message>
        <source>Date Returned</source>
        <translation>Fecha de devolución</translation>
    </message>
    <message>
        <source>Movie has been returned.</source>
        <translation>La película se ha devuelto.</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>Prestatario</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Préstamos</translation>
    </message>
    <message>
        <source>Getting Loaned Movie Records...</source>
        <translation>Obteniendo registros de películas prestadas...</translation>
    </message>
    <message>
        <source>Printing is not available in this installation.</source>
        <translation>La impresión no está disponible en esta instalación.</translation>
    </message>
    <message>
        <source>Refreshing Movie List...</source>
        <translation>Actualizando la lista de películas...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>C&amp;heck Catalogue...</source>
        <translation>Co&amp;mprobar catálogo...</translation>
    </message>
    <message>
        <source> (filtered)</source>
        <translation> (filtrada)</translation>
    </message>
    <message>
        <source>Cinelog</source>
        <translation>Cinelog</translation>
    </message>
    <message>
        <source>Refreshing Movie List...</source>
        <translation>Actualizando la lista de películas...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;New Cinelog</source>
        <translation>&amp;Nuevo catálogo</translation>
    </message>
    <message>
        <source>&amp;Open Cinelog</source>
        <translation>&amp;Abrir catálogo</translation>
    </message>
    <message>
        <source>Add New Movie</source>
        <translation>Añadir película nueva</translation>
    </message>
    <message>
        <source>&amp;Save Movie</source>
        <translation>&amp;Guardar película</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>&amp;Eliminar película</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>From Excel</source>
        <translation>Desde Excel</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Movie Titles</source>
        <translation>Títulos de películas</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Detalles de la película</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation>&amp;Préstamos</translation>
    </message>
    <message>
        <source>User List</source>
        <translation>Lista de usuario</translation>
    </message>
    <message>
        <source>Actors and Directors</source>
        <translation>Actores y directores</translation>
    </message>
    <message>
        <source>Save Cover File</source>
        <translation>Guardar archivo de carátula</translation>
    </message>
    <message>
        <source>Databse Tools</source>
        <translation>Herramientas del catálogo</translation>
    </message>
    <message>
        <source>Clean Database</source>
        <translation>Limpiar catálogo</translation>
    </message>
    <message>
        <source>Compact Database</source>
        <translation>Compactar catálogo</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visitar sitio web</translation>
    </message>
    <message>
        <source>Search for Covers</source>
        <translation>Buscar carátulas</translation>
    </message>
    <message>
        <source>Movie Info from %1</source>
        <translation>Información de la película desde %1</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Título de la película</translation>
    </message>
    <message>
        <source>on IMDB</source>
        <translation>en IMDB</translation>
    </message>
    <message>
        <source>on Netflix</source>
        <translation>en Netflix</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Director</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Edit Options</source>
        <translation>Editar opciones</translation>
    </message>
    <message>
        <source>Cinelog Website</source>
        <translation>Sitio web de Cinelog</translation>
    </message>
    <message>
        <source>Cinelog Forums</source>
        <translation>Foros de Cinelog</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Movie Title Search</source>
        <translation>Búsqueda por título</translation>
    </message>
    <message>
        <source>Director Search</source>
        <translation>Búsqueda por director</translation>
    </message>
    <message>
        <source>Loan Out</source>
        <translation>Prestar</translation>
    </message>
    <message>
        <source>Add to User List</source>
        <translation>Añadir a lista de usuario</translation>
    </message>
    <message>
        <source>Copy Movie</source>
        <translation>Copiar película</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Eliminar película</translation>
    </message>
    <message>
        <source>Search IMDB for</source>
        <translation>Buscar en IMDB</translation>
    </message>
    <message>
        <source>Search Netflix for</source>
        <translation>Buscar en Netflix</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>Create a New Cinelog</source>
        <translation>Crear un catálogo nuevo</translation>
    </message>
    <message>
        <source>Open Cinelog</source>
        <translation>Abrir catálogo</translation>
    </message>
    <message>
        <source>Add Movie to Database</source>
        <translation>Añadir película al catálogo</translation>
    </message>
    <message>
        <source>Save/Update Movie</source>
        <translation>Guardar/actualizar película</translation>
    </message>
    <message>
        <source>Print Movie List</source>
        <translation>Imprimir lista de películas</translation>
    </message>
    <message>
        <source>Delete Selected Movie</source>
        <translation>Eliminar la película seleccionada</translation>
    </message>
    <message>
        <source>Search the Database</source>
        <translation>Buscar en el catálogo</translation>
    </message>
    <message>
        <source>View Loaned Movies</source>
        <translation>Ver películas prestadas</translation>
    </message>
    <message>
        <source>View User&apos;s Lists</source>
        <translation>Ver listas de usuario</translation>
    </message>
    <message>
        <source>Web Search</source>
        <translation>Búsqueda web</translation>
    </message>
    <message>
        <source>Refresh the Movie List</source>
        <translation>Actualizar la lista de películas</translation>
    </message>
    <message>
        <source>Adding Mediums...</source>
        <translation>Añadiendo soportes...</translation>
    </message>
    <message>
        <source>Adding Formats...</source>
        <translation>Añadiendo formatos...</translation>
    </message>
    <message>
        <source>Loading your Settings...</source>
        <translation>Cargando su configuración...</translation>
    </message>
    <message>
        <source>Setting Column Widths...</source>
        <translation>Ajustando el ancho de las columnas...</translation>
    </message>
    <message>
        <source>Loading Your Last Database (%1)...</source>
        <translation>Cargando su último catálogo (%1)...</translation>
    </message>
    <message>
        <source>Unloading the Splash Screen...</source>
        <translation>Cerrando la pantalla de inicio...</translation>
    </message>
    <message>
        <source>Getting the Movie List...</source>
        <translation>Obteniendo la lista de películas...</translation>
    </message>
    <message>
        <source>Cinelog %1</source>
        <translation>Cinelog %1</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>No se han encontrado películas</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation>Películas encontradas: %1</translation>
    </message>
    <message>
        <source>Search IMDB for &quot;%1&quot;</source>
        <translation>Buscar «%1» en IMDB</translation>
    </message>
    <message>
        <source>Search Netflix for &quot;%1&quot;</source>
        <translation>Buscar «%1» en Netflix</translation>
    </message>
    <message>
        <source>Saving Movie...</source>
        <translation>Guardando película...</translation>
    </message>
    <message>
        <source>Delete Movie?</source>
        <translation>¿Eliminar película?</translation>
    </message>
    <message>
        <source>Enter a Database Name:</source>
        <translation>Introduzca un nombre de catálogo:</translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation>Catálogos de Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>Select a Cinelog:</source>
        <translation>Seleccione un catálogo:</translation>
    </message>
    <message>
        <source>Cleaning the Database...</source>
        <translation>Limpiando el catálogo...</translation>
    </message>
    <message>
        <source>All Cleaned</source>
        <translation>Limpieza terminada</translation>
    </message>
    <message>
        <source>Database has been compacted.</source>
        <translation>El catálogo se ha compactado.</translation>
    </message>
    <message>
        <source>DB Compacted</source>
        <translation>Catálogo compactado</translation>
    </message>
    <message>
        <source>Click the window to close...</source>
        <translation>Haga clic en la ventana para cerrarla...</translation>
    </message>
    <message>
        <source>No Cinelog Open</source>
        <translation>Ningún catálogo abierto</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>Are you SURE you want to delete &quot;%1&quot; from the database?<byte value="xd"/>Edit &gt; Undo brings it back with its cast and loans.</source>
        <translation>¿Está SEGURO de que desea eliminar «%1» del catálogo?<byte value="xd"/>Con Editar &gt; Deshacer se recupera la película con su reparto y sus préstamos.</translation>
    </message>
</context>
<context>
    <name>frmMovieFill</name>
    <message>
        <source>Movie Details from %1</source>
        <translation>Detalles de la película desde %1</translation>
    </message>
    <message>
        <source>Tick the fields to fill from %1.</source>
        <translation>Marque los campos que completar desde %1.</translation>
    </message>
    <message>
        <source>Tick the fields of &quot;%1&quot; to fill from %2. Fields you typed are kept unless you tick them.</source>
        <translation>Marque los campos de «%1» que completar desde %2. Los campos que usted escribió se conservan salvo que los marque.</translation>
    </message>
    <message>
        <source>Fields to fill</source>
        <translation>Campos que completar</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Campo</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Actual</translation>
    </message>
    <message>
        <source>&amp;Fill Ticked Fields</source>
        <translation>&amp;Completar campos marcados</translation>
    </message>
    <message>
        <source>Fill the ticked fields</source>
        <translation>Completar los campos marcados</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmMovieResults</name>
    <message>
        <source>Find Movie at %1</source>
        <translation>Buscar película en %1</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Title to search for</source>
        <translation>Título que buscar</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>Year of release (optional)</source>
        <translation>Año de estreno (opcional)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Original Title</source>
        <translation>Título original</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Estado de la búsqueda</translation>
    </message>
    <message>
        <source>&amp;Take This Movie</source>
        <translation>&amp;Elegir esta película</translation>
    </message>
    <message>
        <source>Take the chosen movie</source>
        <translation>Usar la película elegida</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>No movie was found. Try another spelling or leave the year out.</source>
        <translation>No se ha encontrado ninguna película. Pruebe otra grafía o quite el año.</translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) found. Choose one with the arrow keys and press Enter.</source>
        <translation>
            <numerusform>Se ha encontrado %n película. Elíjala con las teclas de flecha y pulse Intro.</numerusform>
            <numerusform>Se han encontrado %n películas. Elija una con las teclas de flecha y pulse Intro.</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Buscando...</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Predeterminado del sistema</translation>
    </message>
    <message>
        <source>Takes effect the next time Cinelog starts.</source>
        <translation>Se aplica la próxima vez que se inicie Cinelog.</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Opciones</translation>
    </message>
    <message>
        <source>Cinelog Options</source>
        <translation>Opciones de Cinelog</translation>
    </message>
    <message>
        <source>Last Opened Cinelog:</source>
        <translation>Último catálogo abierto:</translation>
    </message>
    <message>
        <source>Load Last Opened Database on Startup</source>
        <translation>Cargar el último catálogo abierto al iniciar</translation>
    </message>
    <message>
        <source>PDF Reports Default Folder:</source>
        <translation>Carpeta predeterminada de informes PDF:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select Database:</source>
        <translation>Seleccione el catálogo:</translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation>Catálogos de Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>Choose the catalogue</source>
        <translation>Elegir el catálogo</translation>
    </message>
    <message>
        <source>Choose the PDF reports folder</source>
        <translation>Elegir la carpeta de informes PDF</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source> Preview Cover</source>
        <translation> Vista previa de la carátula</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmProgBar</name>
    <message>
        <source> Progress...</source>
        <translation> Progreso...</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valor de propiedad no válido</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Progress</source>
        <translation> Progreso</translation>
    </message>
    <message>
        <source>Please wait while completing the current task...</source>
        <translation>Espere mientras se completa la tarea actual...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>frmResolveMovies</name>
    <message>
        <source>Movies That Need Your Choice</source>
        <translation>Películas pendientes de su elección</translation>
    </message>
    <message>
        <source>More than one movie at %1 could be meant for these. Press Enter on one to choose its match; the ones you leave stay as they are.</source>
        <translation>Para estas películas hay más de una posible coincidencia en %1. Pulse Intro sobre una para elegir su coincidencia; las que deje seguirán como están.</translation>
    </message>
    <message>
        <source>Movies to resolve</source>
        <translation>Películas por resolver</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Año</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Elegir...</translation>
    </message>
    <message>
        <source>Choose the match of the current movie</source>
        <translation>Elegir la coincidencia de la película actual</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source> Search for Movies</source>
        <translation> Buscar películas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Oculto</translation>
    </message>
    <message>
        <source>Loan Out</source>
        <translation>Prestar</translation>
    </message>
    <message>
        <source>Add to User&apos;s List</source>
        <translation>Añadir a la lista de usuario</translation>
    </message>
    <message>
        <source>Edit Movie</source>
        <translation>Editar película</translation>
    </message>
    <message>
        <source>Search Criteria:</source>
        <translation>Criterios de búsqueda:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Director:</translation>
    </message>
    <message>
        <source>Actor:</source>
        <translation>Actor:</translation>
    </message>
    <message>
        <source>Reference With:</source>
        <translation>Junto con:</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Género</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Clasificación:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Soporte:</translation>
    </message>
    <message>
        <source># of Stars</source>
        <translation>Nº de estrellas</translation>
    </message>
    <message>
        <source>Exact Match</source>
        <translation>Coincidencia exacta</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Click on a Movie to View Actors:</source>
        <translation>Haga clic en una película para ver los actores:</translation>
    </message>
    <message>
        <source>Found Movie Titles:</source>
        <translation>Títulos encontrados:</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>You must have critiera to search by!</source>
        <translation>¡Debe indicar algún criterio de búsqueda!</translation>
    </message>
    <message>
        <source>ID-10-T Error</source>
        <translation>Error ID-10-T</translation>
    </message>
    <message>
        <source>Search for Movies...</source>
        <translation>Buscando películas...</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Error %1</translation>
    </message>
    <message>
        <source>No movies found with this search criteria.</source>
        <translation>No se han encontrado películas con estos criterios de búsqueda.</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>No se han encontrado películas</translation>
    </message>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Actualizando la lista de películas...</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>This product uses the TMDB API but is not endorsed or certified by TMDB.</source>
        <translation>Este producto usa la API de TMDB, pero TMDB no lo respalda ni lo certifica.</translation>
    </message>
</context>
<context>
    <name>frmUploadMovies</name>
    <message>
        <source> Upload Movies</source>
        <translation> Subir películas</translation>
    </message>
    <message>
        <source>Show Only Movies Not Uploaded Yet</source>
        <translation>Mostrar solo las películas aún no subidas</translation>
    </message>
    <message>
        <source>Upload Selected</source>
        <translation>Subir seleccionadas</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Movies to upload</source>
        <translation>Películas que subir</translation>
    </message>
    <message>
        <source>Uploading Selected Movies...</source>
        <translation>Subiendo las películas seleccionadas...</translation>
    </message>
    <message>
        <source>Movies have been uploaded.<byte value="xd"/>Thank you for supporting the Cinelog community!</source>
        <translation>Se han subido las películas.<byte value="xd"/>¡Gracias por apoyar a la comunidad Cinelog!</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Upload Movies</source>
        <translation>Subir películas</translation>
    </message>
</context>
<context>
    <name>frmUserList</name>
    <message>
        <source>User Lists</source>
        <translation>Listas de usuario</translation>
    </message>
    <message>
        <source>Select User:</source>
        <translation>Seleccione usuario:</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Título de la película</translation>
    </message>
    <message>
        <source>Loan To</source>
        <translation>Prestar a</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimir lista</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Movies in the list</source>
        <translation>Películas de la lista</translation>
    </message>
    <message>
        <source>There are no user lists saved.</source>
        <translation>No hay ninguna lista de usuario guardada.</translation>
    </message>
    <message>
        <source>No Lists</source>
        <translation>Sin listas</translation>
    </message>
    <message>
        <source>Printing is not available in this installation.</source>
        <translation>La impresión no está disponible en esta instalación.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cinelog: %1
Try &apos;cinelog --help&apos;.
</source>
        <translation>Cinelog: %1
Pruebe «cinelog --help».
</translation>
    </message>
    <message>
        <source>Cinelog: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen to run without one).
</source>
        <translation>Cinelog: no se ha encontrado ninguna pantalla (defina DISPLAY, o QT_QPA_PLATFORM=offscreen para ejecutarlo sin pantalla).
</translation>
    </message>
    <message>
        <source>Cinelog: %1 Later starts will open their own window.
</source>
        <translation>Cinelog: %1 Los inicios posteriores abrirán su propia ventana.
</translation>
    </message>
</context>
</TS>
