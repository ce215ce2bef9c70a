<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AppContext</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>Backups</name>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be renamed to &quot;%2&quot;: %3</source>
        <translation>Impossible de renommer «&#xa0;%1&#xa0;» en «&#xa0;%2&#xa0;»&#xa0;: %3</translation>
    </message>
    <message>
        <source>No temporary file can be made beside &quot;%1&quot;: %2</source>
        <translation>Impossible de créer un fichier temporaire à côté de «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The catalogue &quot;%1&quot; does not exist.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The copy of &quot;%1&quot; failed its check and was removed: %2</source>
        <translation>La copie de «&#xa0;%1&#xa0;» a échoué à la vérification et a été supprimée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The backups folder &quot;%1&quot; cannot be made.</source>
        <translation>Impossible de créer le dossier des sauvegardes «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; failed its check and was removed: %2</source>
        <translation>La sauvegarde «&#xa0;%1&#xa0;» a échoué à la vérification et a été supprimée&#xa0;: %2</translation>
    </message>
    <message>
        <source>The restored copy failed its check: %1</source>
        <translation>La copie restaurée a échoué à la vérification&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>BatchFill</name>
    <message>
        <source>Filling movie details...</source>
        <translation>Remplissage des détails des films…</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation>%1 est trop long&#xa0;: %2 caractères au plus peuvent être enregistrés.</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>Aucun catalogue n&apos;est ouvert.</translation>
    </message>
    <message>
        <source> It has been opened again as it is now: check your last change and make it again.</source>
        <translation> Il a été rouvert tel qu&apos;il est maintenant&#xa0;: vérifiez votre dernière modification et refaites-la.</translation>
    </message>
    <message>
        <source> It could not be opened again: %1</source>
        <translation> Il n&apos;a pas pu être rouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was replaced by another program (one that compacted it or restored a backup over it) while it was open here. Your change was not written.%2</source>
        <translation>Le fichier du catalogue «&#xa0;%1&#xa0;» a été remplacé par un autre programme (qui l&apos;a compacté ou a restauré une sauvegarde par-dessus) pendant qu&apos;il était ouvert ici. Votre modification n&apos;a pas été écrite.%2</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program while it was open here. Your change was not written. Open the catalogue again from where it is now.</source>
        <translation>Le fichier du catalogue «&#xa0;%1&#xa0;» a été supprimé ou déplacé par un autre programme pendant qu&apos;il était ouvert ici. Votre modification n&apos;a pas été écrite. Rouvrez le catalogue depuis son nouvel emplacement.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be converted and has not been changed. %2</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas pu être converti et n&apos;a pas été modifié. %2</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Format de catalogue «&#xa0;%1&#xa0;» non reconnu.</translation>
    </message>
    <message>
        <source>Another program is using the catalogue &apos;%1&apos; (reading or changing it) and did not let go in time. Nothing was written: try again in a moment.</source>
        <translation>Un autre programme utilise le catalogue «&#xa0;%1&#xa0;» (en lecture ou en écriture) et ne l&apos;a pas libéré à temps. Rien n&apos;a été écrit&#xa0;: réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted, moved or replaced while it was open here. Nothing was written. Open the catalogue again from where it is now.</source>
        <translation>Le fichier du catalogue «&#xa0;%1&#xa0;» a été supprimé, déplacé ou remplacé pendant qu&apos;il était ouvert ici. Rien n&apos;a été écrit. Rouvrez le catalogue depuis son nouvel emplacement.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be written: the file or its folder is read-only for you, or the file was moved or deleted. Nothing was written. Check the file&apos;s permissions, or open the catalogue again.</source>
        <translation>Impossible d&apos;écrire dans le catalogue «&#xa0;%1&#xa0;»&#xa0;: le fichier ou son dossier est en lecture seule pour vous, ou le fichier a été déplacé ou supprimé. Rien n&apos;a été écrit. Vérifiez les permissions du fichier, ou rouvrez le catalogue.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be read or written (%2). Check the disk or network drive it is on, then try again.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas pu être lu ou écrit (%2). Vérifiez le disque ou le lecteur réseau où il se trouve, puis réessayez.</translation>
    </message>
    <message>
        <source>The disk holding the catalogue &apos;%1&apos; is full. Nothing was written: make room on it, then try again.</source>
        <translation>Le disque qui contient le catalogue «&#xa0;%1&#xa0;» est plein. Rien n&apos;a été écrit&#xa0;: faites de la place, puis réessayez.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be opened (%2). Check that the file and its folder are still there and that you may read and write them.</source>
        <translation>Impossible d&apos;ouvrir le catalogue «&#xa0;%1&#xa0;» (%2). Vérifiez que le fichier et son dossier existent toujours et que vous pouvez les lire et y écrire.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). It stays open for reading only: nothing more is written to it. Recover what can be read into a new catalogue, or go back to a backup.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» est endommagé (%2). Il reste ouvert en lecture seule&#xa0;: plus rien n&apos;y est écrit. Récupérez ce qui peut être lu dans un nouveau catalogue, ou revenez à une sauvegarde.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2) and open for reading only: nothing was written.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» est endommagé (%2) et ouvert en lecture seule&#xa0;: rien n&apos;y a été écrit.</translation>
    </message>
</context>
<context>
    <name>CatalogueConvert</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The converted catalogue could not be created: %1 (%2)</source>
        <translation>Le catalogue converti n&apos;a pas pu être créé&#xa0;: %1 (%2)</translation>
    </message>
    <message>
        <source>Doing Actors (thats funny!!)...</source>
        <translation>Traitement des acteurs…</translation>
    </message>
    <message>
        <source>Doing Directors (Even Funnier!!)...</source>
        <translation>Traitement des réalisateurs…</translation>
    </message>
    <message>
        <source>Updating Movies and Actor Lists...</source>
        <translation>Mise à jour des films et des listes d&apos;acteurs…</translation>
    </message>
    <message>
        <source>Updating Loans...</source>
        <translation>Mise à jour des prêts…</translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check.</source>
        <translation>Le catalogue converti a échoué à la vérification d&apos;intégrité.</translation>
    </message>
    <message>
        <source>The converted catalogue could not replace &apos;%1&apos;.</source>
        <translation>Le catalogue converti n&apos;a pas pu remplacer «&#xa0;%1&#xa0;».</translation>
    </message>
</context>
<context>
    <name>CatalogueExport</name>
    <message>
        <source>Exporting movies...</source>
        <translation>Exportation des films…</translation>
    </message>
</context>
<context>
    <name>CatalogueFile</name>
    <message>
        <source>Creating Cinelog...</source>
        <translation>Création du catalogue…</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Le fichier existe déjà</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of an earlier version of Cinelog: open it first to convert it.</source>
        <translation>«&#xa0;%1&#xa0;» est un catalogue d&apos;une version antérieure de Cinelog&#xa0;: ouvrez-le d&apos;abord pour le convertir.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Format de catalogue «&#xa0;%1&#xa0;» non reconnu.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;: it is not a Cinelog catalogue.</source>
        <translation>Format de base de données «&#xa0;%1&#xa0;» non reconnu&#xa0;: ce n&apos;est pas un catalogue Cinelog.</translation>
    </message>
</context>
<context>
    <name>CatalogueHealth</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Fichier «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>Checking the catalogue...</source>
        <translation>Vérification du catalogue…</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists: choose a new file for the recovered catalogue.</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà&#xa0;: choisissez un nouveau fichier pour le catalogue récupéré.</translation>
    </message>
    <message>
        <source>Recovering the catalogue...</source>
        <translation>Récupération du catalogue…</translation>
    </message>
    <message>
        <source>Nothing can be read from &apos;%1&apos;: even its list of tables is damaged (%2).</source>
        <translation>Rien ne peut être lu dans «&#xa0;%1&#xa0;»&#xa0;: même sa liste des tables est endommagée (%2).</translation>
    </message>
    <message>
        <source>The recovery was cancelled; no catalogue was made.</source>
        <translation>La récupération a été annulée&#xa0;; aucun catalogue n&apos;a été créé.</translation>
    </message>
    <message>
        <source>The recovered catalogue failed its check: %1</source>
        <translation>Le catalogue récupéré a échoué à la vérification&#xa0;: %1</translation>
    </message>
    <message>
        <source>The recovered catalogue could not be named &apos;%1&apos;: %2</source>
        <translation>Le catalogue récupéré n&apos;a pas pu être nommé «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>CatalogueHistory</name>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Mise à jour de la liste des films…</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Supprimer %1</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Movies</source>
        <translation>
            <numerusform>Supprimer %n film</numerusform>
            <numerusform>Supprimer %n films</numerusform>
        </translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>Ajouter %1</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Movies</source>
        <translation>
            <numerusform>Ajouter %n film</numerusform>
            <numerusform>Ajouter %n films</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename %1 to %2</source>
        <translation>Renommer %1 en %2</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Names</source>
        <translation>
            <numerusform>Supprimer %n nom</numerusform>
            <numerusform>Supprimer %n noms</numerusform>
        </translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>Modifier %1</translation>
    </message>
    <message numerus="yes">
        <source>Change %n Movies</source>
        <translation>
            <numerusform>Modifier %n film</numerusform>
            <numerusform>Modifier %n films</numerusform>
        </translation>
    </message>
    <message>
        <source>Lend %1</source>
        <translation>Prêter %1</translation>
    </message>
    <message>
        <source>Change Loan of %1</source>
        <translation>Modifier le prêt de %1</translation>
    </message>
    <message>
        <source>Return %1</source>
        <translation>Enregistrer le retour de %1</translation>
    </message>
    <message>
        <source>Remove Loan of %1</source>
        <translation>Supprimer le prêt de %1</translation>
    </message>
    <message>
        <source>Change Loans</source>
        <translation>Modifier les prêts</translation>
    </message>
    <message>
        <source>Change Cast of %1</source>
        <translation>Modifier la distribution de %1</translation>
    </message>
    <message>
        <source>Change Episodes of %1</source>
        <translation>Modifier les épisodes de %1</translation>
    </message>
    <message>
        <source>Add %1 to List %2</source>
        <translation>Ajouter %1 à la liste %2</translation>
    </message>
    <message>
        <source>Change Lists</source>
        <translation>Modifier les listes</translation>
    </message>
    <message>
        <source>Change Genres</source>
        <translation>Modifier les genres</translation>
    </message>
    <message>
        <source>Change Names</source>
        <translation>Modifier les noms</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: what it changed was changed again since, by another program using this catalogue.

Nothing was changed.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être annulé&#xa0;: ce qui a été modifié l&apos;a été de nouveau depuis, par un autre programme qui utilise ce catalogue.

Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: what it changed was changed again since, by another program using this catalogue.

Nothing was changed.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être rétabli&#xa0;: ce qui a été modifié l&apos;a été de nouveau depuis, par un autre programme qui utilise ce catalogue.

Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
</context>
<context>
    <name>CatalogueMaintenance</name>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted, moved or replaced by another program after it was opened here. Open the catalogue again.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas été compacté&#xa0;: le fichier a été supprimé, déplacé ou remplacé par un autre programme après son ouverture ici. Rouvrez le catalogue.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file cannot be found.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas été compacté&#xa0;: le fichier est introuvable.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file is read-only. Allow writing to it first, or compact a copy.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas été compacté&#xa0;: le fichier est en lecture seule. Autorisez d&apos;abord l&apos;écriture dans ce fichier, ou compactez une copie.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the folder does not allow new files to be made in it, which compacting needs. Allow writing to the folder first.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas été compacté&#xa0;: le dossier ne permet pas d&apos;y créer de nouveaux fichiers, ce dont le compactage a besoin. Autorisez d&apos;abord l&apos;écriture dans le dossier.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program is changing it. Try again in a moment.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas été compacté&#xa0;: un autre programme le modifie. Réessayez dans un instant.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program replaced the file meanwhile. Open the catalogue again.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas été compacté&#xa0;: un autre programme a remplacé le fichier entre-temps. Rouvrez le catalogue.</translation>
    </message>
    <message>
        <source>The catalogue could not be compacted: no working copy could be made in %1 (%2).</source>
        <translation>Le catalogue n&apos;a pas pu être compacté&#xa0;: aucune copie de travail n&apos;a pu être créée dans %1 (%2).</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue failed its check.</source>
        <translation>La copie compactée du catalogue a échoué à la vérification.</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be given the catalogue&apos;s permissions.</source>
        <translation>La copie compactée du catalogue n&apos;a pas pu recevoir les permissions du catalogue.</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be written to the disk.</source>
        <translation>La copie compactée du catalogue n&apos;a pas pu être écrite sur le disque.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted or moved while it was being compacted. It has not been made again.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» n&apos;a pas été compacté&#xa0;: le fichier a été supprimé ou déplacé pendant son compactage. Il n&apos;a pas été recréé.</translation>
    </message>
    <message>
        <source>The compacted catalogue could not replace %1</source>
        <translation>Le catalogue compacté n&apos;a pas pu remplacer %1</translation>
    </message>
    <message>
        <source>The compacted catalogue could not be opened again: %1</source>
        <translation>Le catalogue compacté n&apos;a pas pu être rouvert&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueSession</name>
    <message>
        <source>Database Must Be Converted</source>
        <translation>Le catalogue doit être converti</translation>
    </message>
    <message>
        <source>This catalogue was made by an earlier version of Cinelog and must be converted.</source>
        <translation>Ce catalogue a été créé par une version antérieure de Cinelog et doit être converti.</translation>
    </message>
    <message>
        <source>The catalogue was not converted, so it cannot be opened. The file has not been changed.</source>
        <translation>Le catalogue n&apos;a pas été converti&#xa0;: il ne peut donc pas être ouvert. Le fichier n&apos;a pas été modifié.</translation>
    </message>
    <message>
        <source>I have to convert your database to the new format!</source>
        <translation>Votre catalogue doit être converti au nouveau format.</translation>
    </message>
    <message>
        <source>This question database already exists.<byte value="xd"/>Are you sure you want to overwrite it?</source>
        <translation>Ce catalogue existe déjà.</translation>
    </message>
    <message>
        <source>Create Database</source>
        <translation>Créer le catalogue</translation>
    </message>
    <message>
        <source>The catalogue has been converted. The original file is kept as &apos;%1&apos;.</source>
        <translation>Le catalogue a été converti. Le fichier d&apos;origine est conservé sous «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Update Complete!</source>
        <translation>Mise à jour terminée</translation>
    </message>
    <message>
        <source>Update Complete.  Now we&apos;ll load the updated database...</source>
        <translation>Mise à jour terminée. Le catalogue mis à jour va maintenant être ouvert…</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueWatch</name>
    <message>
        <source>No catalogue is open.</source>
        <translation>Aucun catalogue n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was checked from end to end: no damage was found.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» a été vérifié entièrement&#xa0;: aucun dommage n&apos;a été trouvé.</translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation>Vérifier le catalogue</translation>
    </message>
    <message>
        <source>Recover what can still be read into a new catalogue now?</source>
        <translation>Récupérer maintenant ce qui peut encore être lu dans un nouveau catalogue&#xa0;?</translation>
    </message>
    <message>
        <source>Catalogue Damaged</source>
        <translation>Catalogue endommagé</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (récupéré)</translation>
    </message>
    <message>
        <source>Save the Recovered Catalogue As</source>
        <translation>Enregistrer le catalogue récupéré sous</translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation>Catalogues Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>The recovered catalogue needs a file of its own: the damaged one is kept as it is.</source>
        <translation>Le catalogue récupéré a besoin de son propre fichier&#xa0;: le fichier endommagé est conservé tel quel.</translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation>Récupérer le catalogue</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be replaced: choose another name for the recovered catalogue.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être remplacé&#xa0;: choisissez un autre nom pour le catalogue récupéré.</translation>
    </message>
    <message>
        <source>Nothing could be recovered from &apos;%1&apos;.

%2

The damaged file is as it was; a backup may hold your catalogue (File &gt; Restore from Backup).</source>
        <translation>Rien n&apos;a pu être récupéré de «&#xa0;%1&#xa0;».

%2

Le fichier endommagé est resté tel quel&#xa0;; une sauvegarde contient peut-être votre catalogue (Fichier &gt; Restaurer une sauvegarde).</translation>
    </message>
    <message>
        <source>Open the recovered catalogue now?</source>
        <translation>Ouvrir maintenant le catalogue récupéré&#xa0;?</translation>
    </message>
    <message>
        <source>Catalogue Recovered</source>
        <translation>Catalogue récupéré</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2).

It stays open for reading only: nothing more is written to it, and the file itself is left as it is.</source>
        <translation>Le catalogue «&#xa0;%1&#xa0;» est endommagé (%2).

Il reste ouvert en lecture seule&#xa0;: plus rien n&apos;y est écrit, et le fichier lui-même reste tel quel.</translation>
    </message>
    <message>
        <source>What could be read was saved in the new catalogue &apos;%1&apos;: %2 movies, %3 cast entries, %4 loans and %5 episodes.</source>
        <translation>Ce qui a pu être lu a été enregistré dans le nouveau catalogue «&#xa0;%1&#xa0;»&#xa0;: %2 films, %3 rôles, %4 prêts et %5 épisodes.</translation>
    </message>
    <message>
        <source>Some parts of the damaged file could not be read: compare the new catalogue with your last backup before you rely on it.</source>
        <translation>Certaines parties du fichier endommagé n&apos;ont pas pu être lues&#xa0;: comparez le nouveau catalogue à votre dernière sauvegarde avant de vous y fier.</translation>
    </message>
    <message>
        <source>Another program put a different file in the place of the catalogue &apos;%1&apos; (for example by restoring a backup or compacting it). The catalogue has been opened again and shows what that file holds now.</source>
        <translation>Un autre programme a mis un autre fichier à la place du catalogue «&#xa0;%1&#xa0;» (par exemple en restaurant une sauvegarde ou en le compactant). Le catalogue a été rouvert et montre ce que contient maintenant ce fichier.</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program. What is shown can still be read, but nothing can be saved to it: open the catalogue again from where it is now.</source>
        <translation>Le fichier du catalogue «&#xa0;%1&#xa0;» a été supprimé ou déplacé par un autre programme. Ce qui est affiché peut encore être lu, mais rien ne peut y être enregistré&#xa0;: rouvrez le catalogue depuis son nouvel emplacement.</translation>
    </message>
</context>
<context>
    <name>ChangeConflict</name>
    <message>
        <source>Another program changed %1 after it was shown here.

Yes: show it as it is stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave it as it is stored.</source>
        <translation>Un autre programme a modifié %1 après son affichage ici.

Oui&#xa0;: l&apos;afficher tel qu&apos;il est enregistré maintenant (votre modification ici est abandonnée).
Non&#xa0;: appliquer votre modification par-dessus l&apos;autre.
Annuler&#xa0;: le laisser tel qu&apos;il est enregistré.</translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation>Modifié ailleurs</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Catalogue the movies you own on disc or tape.</source>
        <translation>Cataloguez les films que vous possédez sur disque ou cassette.</translation>
    </message>
    <message>
        <source>A catalogue (.cnlg) to open.</source>
        <translation>Un catalogue (.cnlg) à ouvrir.</translation>
    </message>
    <message>
        <source>Only one catalogue can be opened at a time; %1 were given.</source>
        <translation>Un seul catalogue peut être ouvert à la fois&#xa0;; %1 ont été indiqués.</translation>
    </message>
</context>
<context>
    <name>CommunityBusy</name>
    <message>
        <source>The community server is busy, try later.</source>
        <translation>Le serveur communautaire est occupé, réessayez plus tard.</translation>
    </message>
</context>
<context>
    <name>CommunityCommands</name>
    <message>
        <source>Choose a saved movie in the list to upload it.</source>
        <translation>Choisissez un film enregistré dans la liste pour l&apos;envoyer.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Uploading %1...</source>
        <translation>Envoi de %1…</translation>
    </message>
    <message>
        <source>%1 has been uploaded!<byte value="xd"/>Thank you for supporting the Cinelog community!</source>
        <translation>%1 a été envoyé&#xa0;!</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=...</source>
        <extracomment>an example connection: keep the names before each &quot;=&quot;</extracomment>
        <translation>DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=...</translation>
    </message>
    <message>
        <source>The ODBC connection string of the community server used by &quot;Get Movie Info&quot; and &quot;Upload&quot;.</source>
        <translation>La chaîne de connexion ODBC du serveur communautaire utilisé par «&#xa0;Récupérer la fiche&#xa0;» et «&#xa0;Envoyer&#xa0;».</translation>
    </message>
    <message>
        <source>Community connection:</source>
        <translation>Connexion à la communauté&#xa0;:</translation>
    </message>
    <message>
        <source>The system&apos;s certificate authorities</source>
        <translation>Les autorités de certification du système</translation>
    </message>
    <message>
        <source>The certificate authority file (.pem) of your community server, from its operator. The connection is encrypted, and the server&apos;s certificate must be signed by it.</source>
        <translation>Le fichier de l&apos;autorité de certification (.pem) de votre serveur communautaire, fourni par son administrateur. La connexion est chiffrée et le certificat du serveur doit être signé par cette autorité.</translation>
    </message>
    <message>
        <source>Community CA file</source>
        <translation>Fichier d&apos;AC de la communauté</translation>
    </message>
    <message>
        <source>Choose the CA file</source>
        <translation>Choisir le fichier d&apos;AC</translation>
    </message>
    <message>
        <source>Choose the community CA file</source>
        <translation>Choisir le fichier d&apos;AC de la communauté</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>Certificats (*.pem *.crt *.cer);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Community CA file:</source>
        <translation>Fichier d&apos;AC de la communauté&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CommunityConnection</name>
    <message>
        <source>The ODBC database driver of Qt is not installed (package libqt6sql6-odbc).</source>
        <translation>Le pilote de base de données ODBC de Qt n&apos;est pas installé (paquet libqt6sql6-odbc).</translation>
    </message>
    <message>
        <source>Could not connect to the community server %1: %2</source>
        <extracomment>%2 says why, starting in lower case</extracomment>
        <translation>Impossible de se connecter au serveur communautaire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read. Choose the CA file of your community server in Options (&quot;Community CA file&quot;).</source>
        <translation>le fichier d&apos;AC %1 ne peut pas être lu. Choisissez le fichier d&apos;AC de votre serveur communautaire dans les options («&#xa0;Fichier d&apos;AC de la communauté&#xa0;»).</translation>
    </message>
    <message>
        <source>against the certificate authorities of this system</source>
        <translation>avec les autorités de certification de ce système</translation>
    </message>
    <message>
        <source>against the CA file %1</source>
        <translation>avec le fichier d&apos;AC %1</translation>
    </message>
    <message>
        <source>its certificate could not be verified %1 (%2), so it may not be the server it claims to be. Choose the CA file your server&apos;s operator gave you in Options (&quot;Community CA file&quot;).</source>
        <translation>son certificat n&apos;a pas pu être vérifié %1 (%2)&#xa0;: ce n&apos;est peut-être pas le serveur qu&apos;il prétend être. Choisissez dans les options le fichier d&apos;AC que l&apos;administrateur de votre serveur vous a donné («&#xa0;Fichier d&apos;AC de la communauté&#xa0;»).</translation>
    </message>
    <message>
        <source>no encrypted connection could be made (%1). Check the CA file in Options; a server that offers no encryption needs its operator to turn it on.</source>
        <translation>aucune connexion chiffrée n&apos;a pu être établie (%1). Vérifiez le fichier d&apos;AC dans les options&#xa0;; sur un serveur qui ne propose pas de chiffrement, son administrateur doit l&apos;activer.</translation>
    </message>
    <message>
        <source>it refused the account (%1). Check the user name (UID) and password (PWD) in Options; member accounts also need an encrypted connection.</source>
        <translation>il a refusé le compte (%1). Vérifiez le nom d&apos;utilisateur (UID) et le mot de passe (PWD) dans les options&#xa0;; les comptes de membres ont aussi besoin d&apos;une connexion chiffrée.</translation>
    </message>
    <message>
        <source>%1. Check that the server is running and that SERVER and PORT in Options are right.</source>
        <translation>%1. Vérifiez que le serveur fonctionne et que SERVER et PORT sont corrects dans les options.</translation>
    </message>
    <message>
        <source>The community server %1 refused a change (%2): members may add records and fill empty fields only.</source>
        <translation>Le serveur communautaire %1 a refusé une modification (%2)&#xa0;: les membres peuvent seulement ajouter des fiches et compléter les champs vides.</translation>
    </message>
    <message>
        <source>The community server %1 runs an older version of the exchange (%2). Ask its operator to load the current schema.sql.</source>
        <translation>Le serveur communautaire %1 utilise une version plus ancienne de l&apos;échange (%2). Demandez à son administrateur de charger le schema.sql actuel.</translation>
    </message>
    <message>
        <source>The connection to the community server %1 was lost (%2). Try again; if it happens again, check that the server is running.</source>
        <translation>La connexion au serveur communautaire %1 a été perdue (%2). Réessayez&#xa0;; si cela se reproduit, vérifiez que le serveur fonctionne.</translation>
    </message>
    <message>
        <source>The community server %1 failed: %2</source>
        <translation>Le serveur communautaire %1 a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>The community server %1 gave no usable number for a new record.</source>
        <translation>Le serveur communautaire %1 n&apos;a fourni aucun numéro utilisable pour une nouvelle fiche.</translation>
    </message>
    <message>
        <source>The community server %1 gave no usable lock names.</source>
        <translation>Le serveur communautaire %1 n&apos;a fourni aucun nom de verrou utilisable.</translation>
    </message>
</context>
<context>
    <name>CommunityExchange</name>
    <message>
        <source>The community record %1 no longer exists.</source>
        <translation>La fiche communautaire %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>The movie to fill in is no longer in the catalogue.</source>
        <translation>Le film à compléter n&apos;est plus dans le catalogue.</translation>
    </message>
    <message>
        <source>Movie %1 is no longer in the catalogue.</source>
        <translation>Le film %1 n&apos;est plus dans le catalogue.</translation>
    </message>
    <message>
        <source>Movie %1</source>
        <translation>Film %1</translation>
    </message>
    <message>
        <source>%1 of %2 movies have been uploaded.</source>
        <translation>%1 films sur %2 ont été envoyés.</translation>
    </message>
    <message>
        <source>These could not be uploaded:</source>
        <translation>Ceux-ci n&apos;ont pas pu être envoyés&#xa0;:</translation>
    </message>
    <message>
        <source>... and %1 more (all of them are in the error log).</source>
        <translation>… et %1 de plus (tous figurent dans le journal des erreurs).</translation>
    </message>
    <message>
        <source>%1 movies were not tried; upload them again later.</source>
        <translation>%1 films n&apos;ont pas été tentés&#xa0;; envoyez-les de nouveau plus tard.</translation>
    </message>
</context>
<context>
    <name>CommunitySearch</name>
    <message>
        <source>Searching Cinelog...</source>
        <translation>Recherche dans Cinelog…</translation>
    </message>
</context>
<context>
    <name>CommunitySettings</name>
    <message>
        <source>The community exchange is not set up yet.<byte value="xd"/><byte value="xd"/>Open Options and enter the connection of your community server in the box &quot;Community connection&quot;, for example:<byte value="xd"/>DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;SERVER=host;PORT=3306;DATABASE=name;UID=user;PWD=password<byte value="xd"/><byte value="xd"/>To try the exchange on this computer, run scripts/community-server start FOLDER and paste the connection it prints.</source>
        <translation>L&apos;échange communautaire n&apos;est pas encore configuré.</translation>
    </message>
    <message>
        <source>Community Exchange</source>
        <translation>Échange communautaire</translation>
    </message>
</context>
<context>
    <name>CoverPictures</name>
    <message>
        <source>The picture file is too large to store as a cover (%1 MB at most).</source>
        <translation>Le fichier image est trop gros pour être enregistré comme jaquette (%1 Mo au plus).</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Permission refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture file is empty: %1</source>
        <translation>Le fichier image est vide&#xa0;: %1</translation>
    </message>
    <message>
        <source>The picture is too large to store as a cover.</source>
        <translation>L&apos;image est trop grande pour être enregistrée comme jaquette.</translation>
    </message>
    <message>
        <source>No movie with ID %1.</source>
        <translation>Aucun film avec le n° %1.</translation>
    </message>
    <message>
        <source>The movie has no cover picture.</source>
        <translation>Le film n&apos;a pas de jaquette.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Image incorrecte</translation>
    </message>
</context>
<context>
    <name>CoverQuery</name>
    <message>
        <source>OK.</source>
        <translation>OK.</translation>
    </message>
    <message>
        <source>Unable to retrieve the total number of results.</source>
        <translation>Impossible d&apos;obtenir le nombre total de résultats.</translation>
    </message>
    <message>
        <source>Unable to retrieve the item list.</source>
        <translation>Impossible d&apos;obtenir la liste des articles.</translation>
    </message>
    <message>
        <source>Matches were found, but none of them contained an image.</source>
        <translation>Des correspondances ont été trouvées, mais aucune ne contenait d&apos;image.</translation>
    </message>
    <message>
        <source>Unable to retrieve the total number of pages.</source>
        <translation>Impossible d&apos;obtenir le nombre total de pages.</translation>
    </message>
    <message>
        <source>User initialized stop.</source>
        <translation>Arrêt demandé par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Erreur inconnue.</translation>
    </message>
</context>
<context>
    <name>CoverSource</name>
    <message>
        <source>Amazon product search (CoverfetchCore)</source>
        <translation>Recherche de produits Amazon (CoverfetchCore)</translation>
    </message>
    <message>
        <source>The Movie Database (TMDb)</source>
        <translation>The Movie Database (TMDb)</translation>
    </message>
    <message>
        <source>Where &quot;Search for Covers&quot; looks for cover pictures.</source>
        <translation>Où «&#xa0;Rechercher des jaquettes&#xa0;» cherche les images.</translation>
    </message>
    <message>
        <source>Your TMDb API key or API read access token</source>
        <translation>Votre clé d&apos;API TMDb ou votre jeton d&apos;accès en lecture à l&apos;API</translation>
    </message>
    <message>
        <source>TMDb gives a free key for personal use with an account at themoviedb.org. Used by the cover search (when TMDb is its source) and by Get Movie Details.</source>
        <translation>TMDb fournit une clé gratuite pour un usage personnel avec un compte sur themoviedb.org. Elle sert à la recherche de jaquettes (quand TMDb en est la source) et à Récupérer les détails du film.</translation>
    </message>
    <message>
        <source>Cover source:</source>
        <translation>Source des jaquettes&#xa0;:</translation>
    </message>
    <message>
        <source>TMDb API key:</source>
        <translation>Clé d&apos;API TMDb&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CoverWall</name>
    <message>
        <source>Movie covers</source>
        <translation>Jaquettes des films</translation>
    </message>
</context>
<context>
    <name>CoverWallPane</name>
    <message>
        <source>Cover si&amp;ze:</source>
        <translation>&amp;Taille des jaquettes&#xa0;:</translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation>Taille des jaquettes</translation>
    </message>
    <message>
        <source>Size of the covers (Ctrl + mouse wheel)</source>
        <translation>Taille des jaquettes (Ctrl + molette de la souris)</translation>
    </message>
    <message>
        <source>Covers</source>
        <translation>Jaquettes</translation>
    </message>
</context>
<context>
    <name>CoverfetchMain</name>
    <message>
        <source>The XML parser was not instantiated correctly.</source>
        <translation>L&apos;analyseur XML n&apos;a pas été créé correctement.</translation>
    </message>
    <message>
        <source>The XML parser was unable to load the requested document.</source>
        <translation>L&apos;analyseur XML n&apos;a pas pu charger le document demandé.</translation>
    </message>
    <message>
        <source>Amazon Web Services returned an error.</source>
        <translation>Amazon Web Services a renvoyé une erreur.</translation>
    </message>
    <message>
        <source>Unable to check the validity of the Amazon Web Services request.</source>
        <translation>Impossible de vérifier la validité de la requête à Amazon Web Services.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to query Amazon Web Services.</source>
        <translation>Une erreur d&apos;exécution s&apos;est produite lors de l&apos;interrogation d&apos;Amazon Web Services.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to parse the Amazon Web Services response.</source>
        <translation>Une erreur d&apos;exécution s&apos;est produite lors de l&apos;analyse de la réponse d&apos;Amazon Web Services.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to validate the Amazon Web Services query.</source>
        <translation>Une erreur d&apos;exécution s&apos;est produite lors de la validation de la requête à Amazon Web Services.</translation>
    </message>
</context>
<context>
    <name>Episodes</name>
    <message>
        <source>The episodes of this movie were changed by another program after they were shown here.</source>
        <translation>Les épisodes de ce film ont été modifiés par un autre programme après leur affichage ici.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>Début ou fin de l&apos;ensemble d&apos;enregistrements atteint, ou l&apos;enregistrement en cours a été supprimé. L&apos;opération demandée nécessite un enregistrement courant.</translation>
    </message>
</context>
<context>
    <name>ErrorLog</name>
    <message>
        <source>Error %1 %2</source>
        <translation>Erreur %1 %2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>This error has been logged.</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Out of memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Erreur interne</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The export to &quot;%1&quot; failed: %2</source>
        <translation>L&apos;exportation vers «&#xa0;%1&#xa0;» a échoué&#xa0;: %2</translation>
    </message>
    <message>
        <source>the cover of movie %1 could not be saved.</source>
        <translation>la jaquette du film %1 n&apos;a pas pu être enregistrée.</translation>
    </message>
    <message>
        <source>the file could not be created (zip error %1).</source>
        <translation>le fichier n&apos;a pas pu être créé (erreur zip %1).</translation>
    </message>
    <message>
        <source>the sheet could not be written (zip error %1).</source>
        <translation>la feuille n&apos;a pas pu être écrite (erreur zip %1).</translation>
    </message>
    <message>
        <source>the file could not be completed (zip error %1).</source>
        <translation>le fichier n&apos;a pas pu être terminé (erreur zip %1).</translation>
    </message>
    <message>
        <source>%1 could not be written (zip error %2).</source>
        <translation>%1 n&apos;a pas pu être écrit (erreur zip %2).</translation>
    </message>
    <message>
        <source>the workbook writer %1 could not be started: %2</source>
        <translation>le générateur de classeurs %1 n&apos;a pas pu être lancé&#xa0;: %2</translation>
    </message>
    <message>
        <source>the workbook writer did not finish.</source>
        <translation>le générateur de classeurs ne s&apos;est pas terminé.</translation>
    </message>
    <message>
        <source>the workbook writer stopped: %1</source>
        <translation>le générateur de classeurs s&apos;est arrêté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Movies</source>
        <translation>Exporter des films</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message numerus="yes">
        <source>The whole catalogue (%n movies)</source>
        <translation>
            <numerusform>Tout le catalogue (%n film)</numerusform>
            <numerusform>Tout le catalogue (%n films)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the list (%n)</source>
        <translation>
            <numerusform>Le film de la liste (%n)</numerusform>
            <numerusform>Les films de la liste (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The search results (%n)</source>
        <translation>
            <numerusform>Le résultat de la recherche (%n)</numerusform>
            <numerusform>Les résultats de la recherche (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV (comma-separated text, UTF-8)</source>
        <translation>CSV (texte séparé par des virgules, UTF-8)</translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)</source>
        <translation>Classeur Excel (.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>Classeur OpenDocument (.ods)</translation>
    </message>
    <message>
        <source>HTML catalogue (web page with cover pictures)</source>
        <translation>Catalogue HTML (page web avec jaquettes)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir…</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>F&amp;ichier&#xa0;:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>One line per movie with a heading line; opens in any spreadsheet program and imports back.</source>
        <translation>Une ligne par film avec une ligne d&apos;en-têtes&#xa0;; s&apos;ouvre dans tout tableur et se réimporte.</translation>
    </message>
    <message>
        <source>One worksheet, one row per movie; imports back into a catalogue.</source>
        <translation>Une feuille, une ligne par film&#xa0;; se réimporte dans un catalogue.</translation>
    </message>
    <message>
        <source>A page that opens in any web browser, also offline and on a phone; click a heading to sort. The cover pictures go into a folder beside it.</source>
        <translation>Une page qui s&apos;ouvre dans tout navigateur web, même hors ligne et sur un téléphone&#xa0;; cliquez sur un en-tête pour trier. Les jaquettes vont dans un dossier à côté.</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>Fichiers %1 (*.%2)</translation>
    </message>
</context>
<context>
    <name>ImportField</name>
    <message>
        <source>Movie Title:</source>
        <translation>Titre du film&#xa0;:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Réalisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Actor 1:</source>
        <translation>Acteur 1&#xa0;:</translation>
    </message>
    <message>
        <source>Actor 2:</source>
        <translation>Acteur 2&#xa0;:</translation>
    </message>
    <message>
        <source>Actor 3:</source>
        <translation>Acteur 3&#xa0;:</translation>
    </message>
    <message>
        <source>Actor 4:</source>
        <translation>Acteur 4&#xa0;:</translation>
    </message>
    <message>
        <source>Genre 1:</source>
        <translation>Genre 1&#xa0;:</translation>
    </message>
    <message>
        <source>Genre 2:</source>
        <translation>Genre 2&#xa0;:</translation>
    </message>
    <message>
        <source>Genre 3:</source>
        <translation>Genre 3&#xa0;:</translation>
    </message>
    <message>
        <source>Medium (DVD or Video):</source>
        <translation>Support (DVD ou vidéo)&#xa0;:</translation>
    </message>
    <message>
        <source>Format (Wide/Full Screen):</source>
        <translation>Format (large/plein écran)&#xa0;:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classification&#xa0;:</translation>
    </message>
    <message>
        <source>Release Year:</source>
        <translation>Année de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Running Time (in minutes):</source>
        <translation>Durée (en minutes)&#xa0;:</translation>
    </message>
    <message>
        <source>Num of Discs/Tapes:</source>
        <translation>Nb de disques/cassettes&#xa0;:</translation>
    </message>
    <message>
        <source>Sort Key:</source>
        <translation>Clé de tri&#xa0;:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL&#xa0;:</translation>
    </message>
    <message>
        <source>Episode Disc:</source>
        <translation>Disque d&apos;épisodes&#xa0;:</translation>
    </message>
    <message>
        <source>Cast:</source>
        <translation>Distribution&#xa0;:</translation>
    </message>
    <message>
        <source>Episodes:</source>
        <translation>Épisodes&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Refusée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Already in the catalogue: skipped</source>
        <translation>Déjà dans le catalogue&#xa0;: ignoré</translation>
    </message>
    <message>
        <source>Already in the catalogue: imported again</source>
        <translation>Déjà dans le catalogue&#xa0;: importé de nouveau</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importé</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Réalisateur</translation>
    </message>
    <message>
        <source>Actor 1</source>
        <translation>Acteur 1</translation>
    </message>
    <message>
        <source>Actor 2</source>
        <translation>Acteur 2</translation>
    </message>
    <message>
        <source>Actor 3</source>
        <translation>Acteur 3</translation>
    </message>
    <message>
        <source>Actor 4</source>
        <translation>Acteur 4</translation>
    </message>
    <message>
        <source>Genre 1</source>
        <translation>Genre 1</translation>
    </message>
    <message>
        <source>Genre 2</source>
        <translation>Genre 2</translation>
    </message>
    <message>
        <source>Genre 3</source>
        <translation>Genre 3</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Discs</source>
        <translation>Disques</translation>
    </message>
    <message>
        <source>Sort Key</source>
        <translation>Clé de tri</translation>
    </message>
    <message>
        <source>User Rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation>Disque d&apos;épisodes</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Episodes</source>
        <translation>Épisodes</translation>
    </message>
</context>
<context>
    <name>JetImport</name>
    <message>
        <source>Converting the catalogue...</source>
        <translation>Conversion du catalogue…</translation>
    </message>
    <message>
        <source>It has no Movies table, so it is not a Cinelog catalogue.</source>
        <translation>Il n&apos;a pas de table Movies&#xa0;: ce n&apos;est donc pas un catalogue Cinelog.</translation>
    </message>
    <message>
        <source>Row %1 of table %2 has %3 values for %4 columns.</source>
        <translation>La ligne %1 de la table %2 a %3 valeurs pour %4 colonnes.</translation>
    </message>
    <message>
        <source>Row %1 of table %2 could not be converted: %3</source>
        <translation>La ligne %1 de la table %2 n&apos;a pas pu être convertie&#xa0;: %3</translation>
    </message>
    <message>
        <source>The original could not be kept as &apos;%1&apos;: %2.</source>
        <translation>L&apos;original n&apos;a pas pu être conservé sous «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Every backup name for &apos;%1&apos; is taken.</source>
        <translation>Tous les noms de sauvegarde de «&#xa0;%1&#xa0;» sont déjà pris.</translation>
    </message>
    <message>
        <source>The converted catalogue could not be created in &apos;%1&apos;: %2</source>
        <translation>Le catalogue converti n&apos;a pas pu être créé dans «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check: %1</source>
        <translation>Le catalogue converti a échoué à la vérification d&apos;intégrité&#xa0;: %1</translation>
    </message>
    <message>
        <source>The converted catalogue could not take the place of &apos;%1&apos;: %2.</source>
        <translation>Le catalogue converti n&apos;a pas pu prendre la place de «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>JetReader</name>
    <message>
        <source>The Jet database &apos;%1&apos; has no table &apos;%2&apos;.</source>
        <translation>La base de données Jet «&#xa0;%1&#xa0;» n&apos;a pas de table «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>La table «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>The columns of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>Les colonnes de la table «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» n&apos;ont pas pu être lues.</translation>
    </message>
    <message>
        <source>A long value in table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>Une valeur longue de la table «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>Une ligne de la table «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; is damaged.</source>
        <translation>Une ligne de la table «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;» est endommagée.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a Jet database.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une base de données Jet.</translation>
    </message>
    <message>
        <source>The Jet database &apos;%1&apos; could not be opened.</source>
        <translation>La base de données Jet «&#xa0;%1&#xa0;» n&apos;a pas pu être ouverte.</translation>
    </message>
    <message>
        <source>The table list of the Jet database &apos;%1&apos; could not be read.</source>
        <translation>La liste des tables de la base de données Jet «&#xa0;%1&#xa0;» n&apos;a pas pu être lue.</translation>
    </message>
    <message>
        <source>Only one table of &apos;%1&apos; is read at a time.</source>
        <translation>Une seule table de «&#xa0;%1&#xa0;» est lue à la fois.</translation>
    </message>
</context>
<context>
    <name>Loans</name>
    <message>
        <source>All Loaned Movies</source>
        <translation>Tous les films prêtés</translation>
    </message>
    <message>
        <source>Movies Loaned Out</source>
        <translation>Films prêtés en ce moment</translation>
    </message>
    <message>
        <source>Returned Movies</source>
        <translation>Films rendus</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>This loan was changed or removed by another program after it was shown here.</source>
        <translation>Ce prêt a été modifié ou supprimé par un autre programme après son affichage ici.</translation>
    </message>
</context>
<context>
    <name>LoansWindows</name>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Mise à jour de la liste des films…</translation>
    </message>
</context>
<context>
    <name>Migrations</name>
    <message>
        <source>Adding %1 to the database...</source>
        <translation>Ajout de %1 au catalogue…</translation>
    </message>
    <message>
        <source>Adding the new Episodes Table to the database...</source>
        <translation>Ajout de la nouvelle table des épisodes au catalogue…</translation>
    </message>
</context>
<context>
    <name>MovieDetails</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Year of Release</source>
        <translation>Année de sortie</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Réalisateur</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 dans le rôle de %2</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Distribution</translation>
    </message>
    <message numerus="yes">
        <source>%n actor(s)</source>
        <translation>
            <numerusform>%n acteur</numerusform>
            <numerusform>%n acteurs</numerusform>
        </translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Adresse web</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Jaquette</translation>
    </message>
    <message>
        <source>(a picture)</source>
        <translation>(une image)</translation>
    </message>
    <message>
        <source>Poster (%1)</source>
        <translation>Affiche (%1)</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>La requête a été annulée.</translation>
    </message>
    <message>
        <source>No API key for %1 is set. Get a free key with an account at themoviedb.org (Settings &gt; API) and enter it in Options &gt; Edit Options &gt; &quot;TMDb API key&quot;.</source>
        <translation>Aucune clé d&apos;API n&apos;est définie pour %1. Obtenez une clé gratuite avec un compte sur themoviedb.org (Settings &gt; API) et saisissez-la dans Options &gt; Modifier les options &gt; «&#xa0;Clé d&apos;API TMDb&#xa0;».</translation>
    </message>
    <message>
        <source>%1 refused the API key. Check the key in Options &gt; Edit Options &gt; &quot;TMDb API key&quot; (an API key or an API read access token from your account&apos;s API settings).</source>
        <translation>%1 a refusé la clé d&apos;API. Vérifiez la clé dans Options &gt; Modifier les options &gt; «&#xa0;Clé d&apos;API TMDb&#xa0;» (une clé d&apos;API ou un jeton d&apos;accès en lecture à l&apos;API, dans les réglages API de votre compte).</translation>
    </message>
    <message>
        <source>%1 could not be reached. Check the network connection and try again.</source>
        <translation>%1 est injoignable. Vérifiez la connexion réseau et réessayez.</translation>
    </message>
    <message>
        <source>%1 did not answer in time. Try again later.</source>
        <translation>%1 n&apos;a pas répondu à temps. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>%1 is busy (too many requests). Wait a minute and try again.</source>
        <translation>%1 est surchargé (trop de requêtes). Patientez une minute et réessayez.</translation>
    </message>
    <message>
        <source>%1 does not know this movie (any more). Search for it again.</source>
        <translation>%1 ne connaît pas (ou plus) ce film. Recherchez-le de nouveau.</translation>
    </message>
    <message>
        <source>%1 answered with an error. Try again later; if it persists, the service may have changed.</source>
        <translation>%1 a répondu par une erreur. Réessayez plus tard&#xa0;; si cela persiste, le service a peut-être changé.</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Détails&#xa0;: %1</translation>
    </message>
    <message>
        <source>No movie-information plug-in was found in %1.</source>
        <translation>Aucun module externe d&apos;informations sur les films n&apos;a été trouvé dans %1.</translation>
    </message>
    <message>
        <source>The movie is no longer in the catalogue.</source>
        <translation>Le film n&apos;est plus dans le catalogue.</translation>
    </message>
    <message>
        <source>%1.%2 is not a pick list.</source>
        <translation>%1.%2 n&apos;est pas une liste de choix.</translation>
    </message>
</context>
<context>
    <name>MovieDetailsCommands</name>
    <message>
        <source>Get Movie &amp;Details...</source>
        <translation>Récupérer les &amp;détails du film…</translation>
    </message>
    <message>
        <source>Fill the movie&apos;s empty fields from The Movie Database (TMDb)</source>
        <translation>Compléter les champs vides du film depuis The Movie Database (TMDb)</translation>
    </message>
    <message>
        <source>New Movie from &amp;TMDb...</source>
        <translation>Nouveau film depuis &amp;TMDb…</translation>
    </message>
    <message>
        <source>Type a title, pick the movie, and it is saved with its details</source>
        <translation>Saisissez un titre, choisissez le film&#xa0;: il est enregistré avec ses détails</translation>
    </message>
    <message>
        <source>&amp;Fill Details for Movies...</source>
        <translation>&amp;Compléter les détails de films…</translation>
    </message>
    <message>
        <source>Fill the details of many movies from The Movie Database (TMDb)</source>
        <translation>Compléter les détails de plusieurs films depuis The Movie Database (TMDb)</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Détails du film</translation>
    </message>
    <message>
        <source>Open or create a catalogue first.</source>
        <translation>Ouvrez ou créez d&apos;abord un catalogue.</translation>
    </message>
    <message>
        <source>Movie details are not available: %1 Reinstall Cinelog to bring the plug-in back.</source>
        <translation>Les détails des films ne sont pas disponibles&#xa0;: %1 Réinstallez Cinelog pour rétablir le module externe.</translation>
    </message>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Mise à jour de la liste des films…</translation>
    </message>
    <message>
        <source>The poster could not be fetched; the other fields are filled.</source>
        <translation>L&apos;affiche n&apos;a pas pu être récupérée&#xa0;; les autres champs sont complétés.</translation>
    </message>
    <message>
        <source>Save the movie first; then its details can be filled.</source>
        <translation>Enregistrez d&apos;abord le film&#xa0;; ses détails pourront ensuite être complétés.</translation>
    </message>
    <message>
        <source>New Movie from %1</source>
        <translation>Nouveau film depuis %1</translation>
    </message>
    <message>
        <source>Fill Details for Movies</source>
        <translation>Compléter les détails de films</translation>
    </message>
    <message>
        <source>Fill the empty fields of which movies? A movie is filled without asking only when exactly one result matches its title (and year); you choose for the others afterwards.</source>
        <translation>Compléter les champs vides de quels films&#xa0;? Un film n&apos;est complété sans question que si un seul résultat correspond à son titre (et à son année)&#xa0;; vous choisissez ensuite pour les autres.</translation>
    </message>
    <message numerus="yes">
        <source>The &amp;selected movies (%n)</source>
        <translation>
            <numerusform>Le film &amp;sélectionné (%n)</numerusform>
            <numerusform>Les films &amp;sélectionnés (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the &amp;list (%n)</source>
        <translation>
            <numerusform>Le film de la &amp;liste (%n)</numerusform>
            <numerusform>Les films de la &amp;liste (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every movie whose details are &amp;empty (%n)</source>
        <translation>
            <numerusform>Tout film dont les détails sont &amp;vides (%n)</numerusform>
            <numerusform>Tous les films dont les détails sont &amp;vides (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>&amp;Compléter</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Compléter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Filling stopped: the movies before this one are filled, this one is unchanged.</source>
        <translation>Remplissage interrompu&#xa0;: les films précédents sont complétés, celui-ci est inchangé.</translation>
    </message>
    <message>
        <source>Filled: %1
Needs your choice: %2
Not found: %3%4</source>
        <translation>Complétés&#xa0;: %1
À choisir par vous&#xa0;: %2
Introuvables&#xa0;: %3%4</translation>
    </message>
    <message>
        <source>
Already filled before (skipped): %1</source>
        <translation>
Déjà complétés auparavant (ignorés)&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>The movies found by the sea&amp;rch (%n)</source>
        <translation>
            <numerusform>Le film trouvé par la &amp;recherche (%n)</numerusform>
            <numerusform>Les films trouvés par la &amp;recherche (%n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MovieDetailsOptions</name>
    <message>
        <source>Cast members to take</source>
        <translation>Membres de la distribution à reprendre</translation>
    </message>
    <message>
        <source>How many actors a fill takes, in billing order.</source>
        <translation>Nombre d&apos;acteurs repris par le remplissage, dans l&apos;ordre du générique.</translation>
    </message>
    <message>
        <source>Country of the rating</source>
        <translation>Pays de la classification</translation>
    </message>
    <message>
        <source>Two-letter country code (US, GB, DE, ...) whose certification becomes the rating; movies without one there take the US certification.</source>
        <translation>Code de pays à deux lettres (US, FR, BE, CA…) dont la classification devient celle du film&#xa0;; les films qui n&apos;en ont pas dans ce pays prennent la classification américaine.</translation>
    </message>
    <message>
        <source>Language of titles and genres</source>
        <translation>Langue des titres et des genres</translation>
    </message>
    <message>
        <source>Language of titles, genres and overviews, as a tag such as en-US or de-DE.</source>
        <translation>Langue des titres, des genres et des résumés, sous forme de code comme fr-FR ou fr-CA.</translation>
    </message>
    <message>
        <source>Poster size</source>
        <translation>Taille de l&apos;affiche</translation>
    </message>
    <message>
        <source>original</source>
        <translation>originale</translation>
    </message>
    <message>
        <source>Width in pixels of the poster stored as the cover.</source>
        <translation>Largeur en pixels de l&apos;affiche enregistrée comme jaquette.</translation>
    </message>
    <message>
        <source>Form of people&apos;s names</source>
        <translation>Forme des noms de personnes</translation>
    </message>
    <message>
        <source>Last, First (Reeves, Keanu)</source>
        <translation>Nom, Prénom (Reeves, Keanu)</translation>
    </message>
    <message>
        <source>As given (Keanu Reeves)</source>
        <translation>Tel quel (Keanu Reeves)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Poster size:</source>
        <translation>Taille de l&apos;&amp;affiche&#xa0;:</translation>
    </message>
    <message>
        <source>Details: cast members:</source>
        <translation>Détails&#xa0;: membres de la distribution&#xa0;:</translation>
    </message>
    <message>
        <source>Details: rating country:</source>
        <translation>Détails&#xa0;: pays de la classification&#xa0;:</translation>
    </message>
    <message>
        <source>Details: people&apos;s names:</source>
        <translation>Détails&#xa0;: noms des personnes&#xa0;:</translation>
    </message>
    <message>
        <source>Seconds to wait for an answer</source>
        <translation>Secondes d&apos;attente d&apos;une réponse</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long one request to the movie database may take before it counts as failed; raise it on a slow connection.</source>
        <translation>Durée maximale d&apos;une requête à la base de films avant qu&apos;elle soit considérée comme échouée&#xa0;; augmentez-la sur une connexion lente.</translation>
    </message>
    <message>
        <source>Details: wait for an answer:</source>
        <translation>Détails&#xa0;: attente d&apos;une réponse&#xa0;:</translation>
    </message>
</context>
<context>
    <name>MovieEditor</name>
    <message>
        <source>Movie editor</source>
        <translation>Éditeur de film</translation>
    </message>
    <message>
        <source>the cast of this movie</source>
        <translation>la distribution de ce film</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres&#xa0;:</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Titre du film&#xa0;:</translation>
    </message>
    <message>
        <source>Order By:</source>
        <translation>Titre de tri&#xa0;:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Réalisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Support&#xa0;:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classification&#xa0;:</translation>
    </message>
    <message>
        <source># in Set</source>
        <translation>Nb dans le coffret</translation>
    </message>
    <message>
        <source>Year of Release:</source>
        <translation>Année de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Running Time:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Movie URL:</source>
        <translation>URL du film&#xa0;:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation>Disque d&apos;épisodes</translation>
    </message>
    <message>
        <source>DVD Cover:</source>
        <translation>Jaquette du DVD&#xa0;:</translation>
    </message>
    <message>
        <source>Double Click to Add Cover</source>
        <translation>Double-cliquez pour ajouter une jaquette</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Acteurs&#xa0;:</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Acteur</translation>
    </message>
    <message>
        <source>as</source>
        <translation>joue</translation>
    </message>
    <message>
        <source>save actor</source>
        <translation>enregistrer l&apos;acteur</translation>
    </message>
    <message>
        <source>remove actor</source>
        <translation>retirer l&apos;acteur</translation>
    </message>
    <message>
        <source>YOU PERVERT!</source>
        <translation>ESPÈCE DE PERVERS&#xa0;!</translation>
    </message>
    <message>
        <source>PERVERT!</source>
        <translation>PERVERS&#xa0;!</translation>
    </message>
    <message>
        <source>Error getting the information for this movie.</source>
        <translation>Erreur lors de la lecture des informations de ce film.</translation>
    </message>
    <message>
        <source>Say What?</source>
        <translation>Pardon&#xa0;?</translation>
    </message>
    <message>
        <source>Do you want to save the current movie</source>
        <translation>Voulez-vous enregistrer le film en cours&#xa0;?</translation>
    </message>
    <message>
        <source>Save Record?</source>
        <translation>Enregistrer le film&#xa0;?</translation>
    </message>
    <message>
        <source>%1

Try again?</source>
        <translation>%1

Réessayer&#xa0;?</translation>
    </message>
    <message>
        <source>Catalogue In Use</source>
        <translation>Catalogue occupé</translation>
    </message>
    <message>
        <source>Another program changed this movie after it was shown here.

Yes: show the movie as it is stored now (your changes here are dropped).
No: save your version over the other change.
Cancel: go on editing without saving.</source>
        <translation>Un autre programme a modifié ce film après son affichage ici.

Oui&#xa0;: afficher le film tel qu&apos;il est enregistré maintenant (vos modifications ici sont abandonnées).
Non&#xa0;: enregistrer votre version par-dessus l&apos;autre modification.
Annuler&#xa0;: continuer la modification sans enregistrer.</translation>
    </message>
    <message>
        <source>Movie Changed Elsewhere</source>
        <translation>Film modifié ailleurs</translation>
    </message>
    <message>
        <source>Select a Cover Image:</source>
        <translation>Choisir une image de jaquette&#xa0;:</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.png *.gif);;BMP Files (*.bmp);;JPG Files (*.jpg)</source>
        <translation>Images (*.bmp *.jpg *.jpeg *.png *.gif);;Fichiers BMP (*.bmp);;Fichiers JPG (*.jpg)</translation>
    </message>
    <message>
        <source>Save Cover File..</source>
        <translation>Enregistrer la jaquette dans un fichier..</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>Fichiers BMP (*.bmp)</translation>
    </message>
    <message>
        <source>The picture could not be written to %1</source>
        <translation>L&apos;image n&apos;a pas pu être écrite dans %1</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Do you want to remove %1 from this movie?</source>
        <translation>Voulez-vous retirer %1 de ce film&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Actor?</source>
        <translation>Retirer l&apos;acteur&#xa0;?</translation>
    </message>
    <message>
        <source>DVD cover</source>
        <translation>Jaquette du DVD</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Genre %1</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Distribution</translation>
    </message>
    <message>
        <source>Role played by the actor</source>
        <translation>Rôle joué par l&apos;acteur</translation>
    </message>
    <message>
        <source>Add actor</source>
        <translation>Ajouter l&apos;acteur</translation>
    </message>
    <message>
        <source>Remove actor</source>
        <translation>Retirer l&apos;acteur</translation>
    </message>
    <message>
        <source>No cover. Press Enter to add one from a file.</source>
        <translation>Pas de jaquette. Appuyez sur Entrée pour en ajouter une depuis un fichier.</translation>
    </message>
    <message>
        <source>A cover is shown. Press Enter to replace it with a file.</source>
        <translation>Une jaquette est affichée. Appuyez sur Entrée pour la remplacer par un fichier.</translation>
    </message>
</context>
<context>
    <name>MovieListModel</name>
    <message>
        <source>ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Order By</source>
        <translation>Titre de tri</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Réalisateur</translation>
    </message>
    <message>
        <source>Genre1</source>
        <translation>Genre 1</translation>
    </message>
    <message>
        <source>Genre2</source>
        <translation>Genre 2</translation>
    </message>
    <message>
        <source>Genre3</source>
        <translation>Genre 3</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Num of Discs</source>
        <translation>Nb de disques</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
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
        <translation>Prêté à %1</translation>
    </message>
    <message>
        <source>%1 (on loan to %2)</source>
        <translation>%1 (prêté à %2)</translation>
    </message>
    <message>
        <source>On loan to %1</source>
        <translation>Prêté à %1</translation>
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
        <translation>%1 étoile</translation>
    </message>
    <message>
        <source>%1 Stars</source>
        <translation>%1 étoiles</translation>
    </message>
    <message>
        <source>Total Movies Found: %L1</source>
        <translation>Nombre total de films trouvés&#xa0;: %L1</translation>
    </message>
</context>
<context>
    <name>MovieStore</name>
    <message numerus="yes">
        <source>Cleaned: %n unused Actors:</source>
        <translation>
            <numerusform>Nettoyé&#xa0;: %n acteur inutilisé&#xa0;:</numerusform>
            <numerusform>Nettoyé&#xa0;: %n acteurs inutilisés&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused Directors:</source>
        <translation>
            <numerusform>%n réalisateur inutilisé&#xa0;:</numerusform>
            <numerusform>%n réalisateurs inutilisés&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>This movie was changed by another program after it was shown here.</source>
        <translation>Ce film a été modifié par un autre programme après son affichage ici.</translation>
    </message>
    <message>
        <source>The movie is no longer in the catalogue.</source>
        <translation>Le film n&apos;est plus dans le catalogue.</translation>
    </message>
    <message>
        <source>The cast of this movie was changed by another program after it was shown here.</source>
        <translation>La distribution de ce film a été modifiée par un autre programme après son affichage ici.</translation>
    </message>
    <message>
        <source>%1.%2 is not a pick list.</source>
        <translation>%1.%2 n&apos;est pas une liste de choix.</translation>
    </message>
</context>
<context>
    <name>MovieTextIndex</name>
    <message>
        <source>Preparing the movies for quick filtering...</source>
        <translation>Préparation des films pour le filtre rapide…</translation>
    </message>
    <message>
        <source>Preparing the movies for quick filtering: %1%...</source>
        <translation>Préparation des films pour le filtre rapide&#xa0;: %1&#xa0;%…</translation>
    </message>
    <message>
        <source>Preparing the movie list&apos;s orders: %1%...</source>
        <translation>Préparation des tris de la liste des films&#xa0;: %1&#xa0;%…</translation>
    </message>
    <message>
        <source>Preparing the actors for quick filtering...</source>
        <translation>Préparation des acteurs pour le filtre rapide…</translation>
    </message>
    <message>
        <source>Preparing the casts for quick filtering...</source>
        <translation>Préparation des distributions pour le filtre rapide…</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>--- Assicated Movie ID: %1 Not Found ---</source>
        <translation>--- N° du film associé&#xa0;: %1 introuvable ---</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>Début ou fin de l&apos;ensemble d&apos;enregistrements atteint, ou l&apos;enregistrement en cours a été supprimé. L&apos;opération demandée nécessite un enregistrement courant.</translation>
    </message>
</context>
<context>
    <name>PictureDownloader</name>
    <message>
        <source>Not a web address.</source>
        <translation>Ce n&apos;est pas une adresse web.</translation>
    </message>
    <message>
        <source>The download timed out.</source>
        <translation>Le téléchargement a expiré.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 bytes.</source>
        <translation>L&apos;image dépasse %1 octets.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Annulé.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Starting Up...</source>
        <translation>Démarrage…</translation>
    </message>
    <message>
        <source>Setting Up Defaults...</source>
        <translation>Mise en place des réglages par défaut…</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Export...</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Back &amp;Up Catalogue...</source>
        <translation>Sau&amp;vegarder le catalogue…</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>&amp;Restaurer une sauvegarde…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation>Récupérer le catalogue</translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation>Vérifier le catalogue</translation>
    </message>
    <message>
        <source>Catalogue Replaced</source>
        <translation>Catalogue remplacé</translation>
    </message>
    <message>
        <source>Catalogue Deleted</source>
        <translation>Catalogue supprimé</translation>
    </message>
    <message>
        <source>Cover thumbnails kept (MB)</source>
        <translation>Miniatures de jaquettes conservées (Mo)</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> Mo</translation>
    </message>
    <message>
        <source>Memory the cover wall may use for thumbnails.</source>
        <translation>Mémoire que le mur de jaquettes peut utiliser pour les miniatures.</translation>
    </message>
    <message>
        <source>Cover thumbnails kept:</source>
        <translation>Miniatures conservées&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>&amp;Jaquettes</translation>
    </message>
    <message>
        <source>Show the movies as covers (Ctrl+2); again for the list (Ctrl+1)</source>
        <translation>Afficher les films en jaquettes (Ctrl+2)&#xa0;; de nouveau pour la liste (Ctrl+1)</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistiques</translation>
    </message>
    <message>
        <source>Exporting movies...</source>
        <translation>Exportation des films…</translation>
    </message>
    <message>
        <source>Export Movies</source>
        <translation>Exporter des films</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 existe déjà. Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) exported to %1.</source>
        <translation>
            <numerusform>%n film exporté vers %1.</numerusform>
            <numerusform>%n films exportés vers %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back Up Catalogue</source>
        <translation>Sauvegarder le catalogue</translation>
    </message>
    <message>
        <source>Cinelog catalogues (*.cnlg)</source>
        <translation>Catalogues Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>A backup cannot replace the catalogue itself.</source>
        <translation>Une sauvegarde ne peut pas remplacer le catalogue lui-même.</translation>
    </message>
    <message>
        <source>The catalogue was copied and checked:
%1</source>
        <translation>Le catalogue a été copié et vérifié&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The backup was restored. The catalogue as it was is kept among the backups.</source>
        <translation>La sauvegarde a été restaurée. Le catalogue tel qu&apos;il était est conservé parmi les sauvegardes.</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Cannot Undo</source>
        <translation>Annulation impossible</translation>
    </message>
    <message>
        <source>Cannot Redo</source>
        <translation>Rétablissement impossible</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
</context>
<context>
    <name>QuickFilter</name>
    <message>
        <source>Filter by title, sort title or director (Ctrl+K)</source>
        <translation>Filtrer par titre, titre de tri ou réalisateur (Ctrl+K)</translation>
    </message>
    <message>
        <source>Quick filter</source>
        <translation>Filtre rapide</translation>
    </message>
    <message>
        <source>Shows only the movies whose title, sort title or director contain every word typed</source>
        <translation>N&apos;affiche que les films dont le titre, le titre de tri ou le réalisateur contiennent tous les mots saisis</translation>
    </message>
    <message>
        <source>Remove this filter</source>
        <translation>Supprimer ce filtre</translation>
    </message>
    <message>
        <source>Remove the filter: %1</source>
        <translation>Supprimer le filtre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1 so far, counting...</source>
        <translation>Nombre de films trouvés&#xa0;: %1 pour l&apos;instant, comptage en cours…</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>Aucun film trouvé</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation>Nombre de films trouvés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Filter by title, sort title, director or cast (Ctrl+K)</source>
        <translation>Filtrer par titre, titre de tri, réalisateur ou distribution (Ctrl+K)</translation>
    </message>
    <message>
        <source>Shows only the movies whose title, sort title, director or actors contain every word typed</source>
        <translation>N&apos;affiche que les films dont le titre, le titre de tri, le réalisateur ou les acteurs contiennent tous les mots saisis</translation>
    </message>
    <message>
        <source>Quick filter also searches the cast</source>
        <translation>Le filtre rapide cherche aussi dans la distribution</translation>
    </message>
    <message>
        <source>Words typed into the filter above the movie list also find movies by their actors&apos; names.</source>
        <translation>Les mots saisis dans le filtre au-dessus de la liste des films trouvent aussi les films d&apos;après le nom de leurs acteurs.</translation>
    </message>
</context>
<context>
    <name>ReadConnection</name>
    <message>
        <source>Could not open &apos;%1&apos;: %2</source>
        <translation>Impossible d&apos;ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report page</source>
        <translation>Page du rapport</translation>
    </message>
    <message>
        <source>First page (Home)</source>
        <translation>Première page (Début)</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Page précédente (Pg préc)</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Page suivante (Pg suiv)</translation>
    </message>
    <message>
        <source>Last page (End)</source>
        <translation>Dernière page (Fin)</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>&amp;Page</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Numéro de page</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>sur %1</translation>
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
        <translation>Ajuster à la largeur</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Page entière</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1&#xa0;%</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>&amp;Enregistrer en PDF…</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Ordered By:</source>
        <translation>Trié par&#xa0;:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Réalisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Rated:</source>
        <translation>Classification&#xa0;:</translation>
    </message>
    <message>
        <source>Running Time:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Support&#xa0;:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Release Year:</source>
        <translation>Année de sortie&#xa0;:</translation>
    </message>
    <message>
        <source>Num of Discs:</source>
        <translation>Nb de disques&#xa0;:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Note&#xa0;:</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres&#xa0;:</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Acteurs&#xa0;:</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Détails des films</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Number of Movies: %L1</source>
        <translation>Nombre de films&#xa0;: %L1</translation>
    </message>
    <message>
        <source>Getting Movie Details...</source>
        <translation>Lecture des détails des films…</translation>
    </message>
    <message>
        <source>%1 - Movie Details</source>
        <translation>%1 - Détails des films</translation>
    </message>
    <message>
        <source>Generating Search Report...</source>
        <translation>Création du rapport de recherche…</translation>
    </message>
    <message>
        <source>%1 - Movie Details by Search</source>
        <translation>%1 - Détails des films de la recherche</translation>
    </message>
    <message>
        <source>The movie with ID %1 is no longer in the catalogue.</source>
        <translation>Le film n° %1 n&apos;est plus dans le catalogue.</translation>
    </message>
    <message>
        <source>Title = %1</source>
        <translation>Titre = %1</translation>
    </message>
    <message>
        <source>Actor = %1</source>
        <translation>Acteur = %1</translation>
    </message>
    <message>
        <source>Format = %1</source>
        <translation>Format = %1</translation>
    </message>
    <message>
        <source>Medium = %1</source>
        <translation>Support = %1</translation>
    </message>
    <message>
        <source>Director = %1</source>
        <translation>Réalisateur = %1</translation>
    </message>
    <message>
        <source>Genre = %1</source>
        <translation>Genre = %1</translation>
    </message>
    <message>
        <source>Rating = %1</source>
        <translation>Classification = %1</translation>
    </message>
    <message>
        <source>User Rating is Equal to %1</source>
        <translation>Note égale à %1</translation>
    </message>
    <message>
        <source>User Rating is Less than or Equal to %1</source>
        <translation>Note inférieure ou égale à %1</translation>
    </message>
    <message>
        <source>User Rating is Less than %1</source>
        <translation>Note inférieure à %1</translation>
    </message>
    <message>
        <source>User Rating is Greater than %1</source>
        <translation>Note supérieure à %1</translation>
    </message>
    <message>
        <source>User Rating is Greater than or Equal to %1</source>
        <translation>Note supérieure ou égale à %1</translation>
    </message>
    <message>
        <source>User Rating is %1</source>
        <translation>Note&#xa0;: %1</translation>
    </message>
    <message>
        <source>Search Criteria: %1.
Movies Found: %2</source>
        <translation>Critères de recherche&#xa0;: %1.
Films trouvés&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Movie Details Report</source>
        <translation>Enregistrer le rapport des détails des films</translation>
    </message>
    <message>
        <source>Page</source>
        <comment>page n of m</comment>
        <translation>Page</translation>
    </message>
    <message>
        <source>of</source>
        <comment>page n of m</comment>
        <translation>sur</translation>
    </message>
    <message>
        <source>MMMM dd, yyyy</source>
        <comment>date pattern of the page footer</comment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Movie List</source>
        <translation>Liste des films</translation>
    </message>
    <message>
        <source>Movie Titles</source>
        <translation>Titres des films</translation>
    </message>
    <message>
        <source>[Ordered By: %1]</source>
        <translation>[Trié par&#xa0;: %1]</translation>
    </message>
    <message>
        <source>Loaned Movies</source>
        <translation>Films prêtés</translation>
    </message>
    <message>
        <source>Movie Loans</source>
        <translation>Prêts de films</translation>
    </message>
    <message>
        <source>Movie Loans for %1</source>
        <translation>Prêts de films à %1</translation>
    </message>
    <message>
        <source>%1 | Movie ID: %2</source>
        <translation>%1 | N° du film&#xa0;: %2</translation>
    </message>
    <message>
        <source>Date Out: %1 Returned: %2</source>
        <translation>Prêté le&#xa0;: %1 Rendu&#xa0;: %2</translation>
    </message>
    <message>
        <source>Users List</source>
        <translation>Liste personnelle</translation>
    </message>
    <message>
        <source>Movie List for %1</source>
        <translation>Liste des films de %1</translation>
    </message>
    <message>
        <source>Save Movie List Report</source>
        <translation>Enregistrer le rapport de la liste des films</translation>
    </message>
    <message>
        <source>Save Loan Report</source>
        <translation>Enregistrer le rapport des prêts</translation>
    </message>
    <message>
        <source>The report %1 has no control %2.</source>
        <translation>Le rapport %1 n&apos;a pas de contrôle %2.</translation>
    </message>
    <message>
        <source>The report %1 has no data field %2.</source>
        <translation>Le rapport %1 n&apos;a pas de champ de données %2.</translation>
    </message>
    <message>
        <source>Adobe Acrobat File (*.pdf)</source>
        <translation>Fichier Adobe Acrobat (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Do you want to save this report?</source>
        <translation>Voulez-vous enregistrer ce rapport&#xa0;?</translation>
    </message>
    <message>
        <source>The printer %1 could not be started.</source>
        <translation>L&apos;imprimante %1 n&apos;a pas pu être lancée.</translation>
    </message>
</context>
<context>
    <name>RestoreWindow</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Restaurer une sauvegarde</translation>
    </message>
    <message>
        <source>Backups of %1</source>
        <translation>Sauvegardes de %1</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Conservées dans %1</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sauvegardes</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Créée le</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>none (automatic backups off)</source>
        <translation>aucune (sauvegardes automatiques désactivées)</translation>
    </message>
    <message>
        <source>Automatic backups to keep</source>
        <translation>Sauvegardes automatiques à conserver</translation>
    </message>
    <message>
        <source>Automatic backups to &amp;keep:</source>
        <translation>Sauvegardes automatiques à &amp;conserver&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Restaurer…</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>illisible</translation>
    </message>
    <message>
        <source>Put the backup made %1 in the place of the catalogue?

The catalogue as it is now is kept as one more backup.</source>
        <translation>Mettre la sauvegarde créée le %1 à la place du catalogue&#xa0;?

Le catalogue tel qu&apos;il est maintenant est conservé comme sauvegarde supplémentaire.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation>%1 est trop long&#xa0;: %2 caractères au plus peuvent être enregistrés.</translation>
    </message>
</context>
<context>
    <name>SearchResultModel</name>
    <message>
        <source>ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Réalisateur</translation>
    </message>
    <message>
        <source>Genre1</source>
        <translation>Genre 1</translation>
    </message>
    <message>
        <source>Genre2</source>
        <translation>Genre 2</translation>
    </message>
    <message>
        <source>Genre3</source>
        <translation>Genre 3</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Classification</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Num of Discs</source>
        <translation>Nb de disques</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Étoiles</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Un autre démarrage du programme ne s&apos;est pas terminé à temps.</translation>
    </message>
    <message>
        <source>The running program did not answer.</source>
        <translation>Le programme en cours d&apos;exécution n&apos;a pas répondu.</translation>
    </message>
</context>
<context>
    <name>SqliteFunctions</name>
    <message>
        <source>The catalogue connection is not a SQLite connection.</source>
        <translation>La connexion au catalogue n&apos;est pas une connexion SQLite.</translation>
    </message>
    <message>
        <source>The catalogue connection is not open.</source>
        <translation>La connexion au catalogue n&apos;est pas ouverte.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s text comparison could not be installed: %1</source>
        <translation>La comparaison de textes du catalogue n&apos;a pas pu être installée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>StarRating</name>
    <message>
        <source>Click a star to rate the movie; click left of the first star for none.</source>
        <translation>Cliquez sur une étoile pour noter le film&#xa0;; cliquez à gauche de la première étoile pour aucune note.</translation>
    </message>
    <message>
        <source>User rating</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>The arrow keys, + and -, Home and End or the digits 0 to %1 set the rating.</source>
        <translation>Les touches fléchées, + et -, Début et Fin ou les chiffres de 0 à %1 règlent la note.</translation>
    </message>
    <message>
        <source>%1 of %2 stars</source>
        <translation>Note&#xa0;: %1 sur %2</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Totaux</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Graphiques</translation>
    </message>
    <message>
        <source>Loans out longest</source>
        <translation>Prêts les plus longs</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Loaned To</source>
        <translation>Prêté à</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Depuis</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>&amp;Genres</source>
        <translation>&amp;Genres</translation>
    </message>
    <message>
        <source>&amp;Decades</source>
        <translation>&amp;Décennies</translation>
    </message>
    <message>
        <source>&amp;Media</source>
        <translation>&amp;Supports</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formats</translation>
    </message>
    <message>
        <source>&amp;Your Ratings</source>
        <translation>&amp;Vos notes</translation>
    </message>
    <message>
        <source>Out &amp;longest:</source>
        <translation>Prêtés depuis le plus &amp;longtemps&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation>&amp;Prêts</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>&amp;Enregistrer le graphique…</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG picture or an SVG drawing</source>
        <translation>Enregistrer le graphique affiché en image PNG ou en dessin SVG</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Movies by genre</source>
        <translation>Films par genre</translation>
    </message>
    <message>
        <source>Movies by decade of release</source>
        <translation>Films par décennie de sortie</translation>
    </message>
    <message>
        <source>Movies by medium</source>
        <translation>Films par support</translation>
    </message>
    <message>
        <source>Movies by format</source>
        <translation>Films par format</translation>
    </message>
    <message>
        <source>Movies by your rating</source>
        <translation>Films par note</translation>
    </message>
    <message>
        <source>Loans out by borrower</source>
        <translation>Prêts par emprunteur</translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation>Sans note</translation>
    </message>
    <message>
        <source>1 star</source>
        <translation>1 étoile</translation>
    </message>
    <message>
        <source>%1 stars</source>
        <translation>%1 étoiles</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>Aucun catalogue n&apos;est ouvert.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Comptage…</translation>
    </message>
    <message>
        <source>Could not count: %1</source>
        <translation>Comptage impossible&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 movies on %2 discs, %3 episodes; running time %4 days and %5 hours; %6 with a cover; %7 out on loan.</source>
        <translation>%1 films sur %2 disques, %3 épisodes&#xa0;; durée totale %4 jours et %5 heures&#xa0;; %6 avec jaquette&#xa0;; %7 prêtés.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>Image PNG (*.png);;Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <translation>Le graphique n&apos;a pas pu être enregistré sous %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No genre</source>
        <translation>Sans genre</translation>
    </message>
    <message>
        <source>No year</source>
        <translation>Sans année</translation>
    </message>
    <message>
        <source>No medium</source>
        <translation>Sans support</translation>
    </message>
    <message>
        <source>No format</source>
        <translation>Sans format</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Sans nom</translation>
    </message>
</context>
<context>
    <name>TextKeys</name>
    <message>
        <source>Preparing the %1 for searching: %2%...</source>
        <translation>Préparation de la table %1 pour la recherche&#xa0;: %2&#xa0;%…</translation>
    </message>
    <message>
        <source>Preparing names and titles for searching...</source>
        <translation>Préparation des noms et des titres pour la recherche…</translation>
    </message>
</context>
<context>
    <name>ThumbnailTip</name>
    <message>
        <source>Information about Result #%1 (%2)</source>
        <translation>Informations sur le résultat n° %1 (%2)</translation>
    </message>
    <message>
        <source>General Information:<byte value="xd"/>
     Title: %1<byte value="xd"/>
Image Dimensions:<byte value="xd"/>
     %2x%3</source>
        <translation>Informations générales&#xa0;:</translation>
    </message>
</context>
<context>
    <name>TmdbMain</name>
    <message>
        <source>The reply reader was not instantiated correctly.</source>
        <translation>Le lecteur de réponses n&apos;a pas été créé correctement.</translation>
    </message>
    <message>
        <source>The reply reader was unable to load the requested document.</source>
        <translation>Le lecteur de réponses n&apos;a pas pu charger le document demandé.</translation>
    </message>
    <message>
        <source>The Movie Database returned an error.</source>
        <translation>The Movie Database a renvoyé une erreur.</translation>
    </message>
    <message>
        <source>Unable to read the reply of The Movie Database.</source>
        <translation>Impossible de lire la réponse de The Movie Database.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to query The Movie Database.</source>
        <translation>Une erreur d&apos;exécution s&apos;est produite lors de l&apos;interrogation de The Movie Database.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to parse the reply of The Movie Database.</source>
        <translation>Une erreur d&apos;exécution s&apos;est produite lors de l&apos;analyse de la réponse de The Movie Database.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to validate the query of The Movie Database.</source>
        <translation>Une erreur d&apos;exécution s&apos;est produite lors de la validation de la requête à The Movie Database.</translation>
    </message>
</context>
<context>
    <name>TmdbMovieInfo</name>
    <message>
        <source>This product uses the TMDB API but is not endorsed or certified by TMDB.</source>
        <translation>Ce produit utilise l&apos;API TMDB mais n&apos;est ni approuvé ni certifié par TMDB.</translation>
    </message>
</context>
<context>
    <name>UploadListModel</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>is too large to import.</source>
        <translation>est trop gros pour être importé.</translation>
    </message>
    <message>
        <source>is not UTF-8 text (line %1 has characters in another encoding). Save it from the spreadsheet program as “CSV UTF-8” and import it again.</source>
        <translation>n&apos;est pas du texte UTF-8 (la ligne %1 contient des caractères dans un autre codage). Enregistrez-le depuis le tableur au format «&#xa0;CSV UTF-8&#xa0;» et importez-le de nouveau.</translation>
    </message>
    <message>
        <source>ends inside a quoted field; the file is damaged or cut short.</source>
        <translation>se termine dans un champ entre guillemets&#xa0;; le fichier est endommagé ou tronqué.</translation>
    </message>
    <message>
        <source>has a cell with more than %1 characters; it is damaged.</source>
        <translation>contient une cellule de plus de %1 caractères&#xa0;; il est endommagé.</translation>
    </message>
    <message>
        <source>has too many worksheets.</source>
        <translation>contient trop de feuilles.</translation>
    </message>
    <message>
        <source>is damaged or hostile: one cell of the worksheet “%1” repeats over %2 cells.</source>
        <translation>est endommagé ou malveillant&#xa0;: une cellule de la feuille «&#xa0;%1&#xa0;» se répète sur %2 cellules.</translation>
    </message>
    <message>
        <source>The worksheet “%1”</source>
        <translation>La feuille «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>The worksheet “%1” of “%2”</source>
        <translation>La feuille «&#xa0;%1&#xa0;» de «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 has a cell outside the largest sheet a spreadsheet can hold (row %2, column %3); the workbook is damaged.</source>
        <translation>%1 contient une cellule hors de la plus grande feuille qu&apos;un tableur puisse contenir (ligne %2, colonne %3)&#xa0;; le classeur est endommagé.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 filled cells, more than can be imported at once.</source>
        <translation>%1 contient plus de %2 cellules remplies, soit plus qu&apos;il n&apos;est possible d&apos;importer en une fois.</translation>
    </message>
    <message>
        <source>has no worksheet number %1.</source>
        <translation>n&apos;a pas de feuille numéro %1.</translation>
    </message>
    <message>
        <source>The workbook “%1” %2</source>
        <extracomment>%2 says what is wrong with the workbook, as a predicate (&quot;is too large to import.&quot;)</extracomment>
        <translation>Le classeur «&#xa0;%1&#xa0;» %2</translation>
    </message>
    <message>
        <source>is protected with a password. Save it without the password and import it again.</source>
        <translation>est protégé par un mot de passe. Enregistrez-le sans mot de passe et importez-le de nouveau.</translation>
    </message>
    <message>
        <source>Could not find the workbook “%1”.</source>
        <translation>Classeur «&#xa0;%1&#xa0;» introuvable.</translation>
    </message>
    <message>
        <source>The workbook “%1” cannot be read.</source>
        <translation>Le classeur «&#xa0;%1&#xa0;» ne peut pas être lu.</translation>
    </message>
    <message>
        <source>is not of a kind that can be imported. Choose a .xls, .xlsx, .ods or .csv file.</source>
        <translation>n&apos;est pas d&apos;un type importable. Choisissez un fichier .xls, .xlsx, .ods ou .csv.</translation>
    </message>
    <message>
        <source>is not an Excel 97-2003 workbook (.xls).</source>
        <translation>n&apos;est pas un classeur Excel 97-2003 (.xls).</translation>
    </message>
    <message>
        <source>holds no Excel workbook; it may be another kind of Office document.</source>
        <translation>ne contient pas de classeur Excel&#xa0;; c&apos;est peut-être un autre type de document Office.</translation>
    </message>
    <message>
        <source>is a chart saved by Excel 4 or earlier; it holds no worksheet to import.</source>
        <translation>est un graphique enregistré par Excel 4 ou antérieur&#xa0;; il ne contient aucune feuille à importer.</translation>
    </message>
    <message>
        <source>is a macro sheet saved by Excel 4 or earlier; it holds no worksheet to import.</source>
        <translation>est une feuille de macros enregistrée par Excel 4 ou antérieur&#xa0;; il ne contient aucune feuille à importer.</translation>
    </message>
    <message>
        <source>is a workbook or workspace saved by Excel 4, which cannot be imported. Save its worksheets again as an Excel 97-2003 workbook (.xls) or as .xlsx.</source>
        <translation>est un classeur ou un espace de travail enregistré par Excel 4, qui ne peut pas être importé. Enregistrez de nouveau ses feuilles comme classeur Excel 97-2003 (.xls) ou en .xlsx.</translation>
    </message>
    <message>
        <source>cannot be read: it is damaged or not an Excel workbook.</source>
        <translation>ne peut pas être lu&#xa0;: il est endommagé ou n&apos;est pas un classeur Excel.</translation>
    </message>
    <message>
        <source>is damaged: “%1” is not a cell reference.</source>
        <translation>est endommagé&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas une référence de cellule.</translation>
    </message>
    <message>
        <source>is damaged: a cell refers to shared text %1, which is missing.</source>
        <translation>est endommagé&#xa0;: une cellule renvoie au texte partagé %1, qui est absent.</translation>
    </message>
    <message>
        <source>is damaged: a worksheet&apos;s part is not named.</source>
        <translation>est endommagé&#xa0;: la partie d&apos;une feuille n&apos;est pas nommée.</translation>
    </message>
    <message>
        <source>has too many cell styles.</source>
        <translation>contient trop de styles de cellule.</translation>
    </message>
    <message>
        <source>has too many texts.</source>
        <translation>contient trop de textes.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” is not valid XML (line %2: %3).</source>
        <translation>est endommagé&#xa0;: la partie «&#xa0;%1&#xa0;» n&apos;est pas du XML valide (ligne %2&#xa0;: %3).</translation>
    </message>
    <message>
        <source>cannot be opened: it is damaged or not a workbook of this kind.</source>
        <translation>ne peut pas être ouvert&#xa0;: il est endommagé ou n&apos;est pas un classeur de ce type.</translation>
    </message>
    <message>
        <source>cannot be opened: its table of contents is damaged.</source>
        <translation>ne peut pas être ouvert&#xa0;: sa table des matières est endommagée.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” is missing.</source>
        <translation>est endommagé&#xa0;: la partie «&#xa0;%1&#xa0;» est absente.</translation>
    </message>
    <message>
        <source>is damaged or hostile: the part “%1” unpacks to more than %2 MB.</source>
        <translation>est endommagé ou malveillant&#xa0;: la partie «&#xa0;%1&#xa0;» se décompresse en plus de %2 Mo.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” cannot be read.</source>
        <translation>est endommagé&#xa0;: la partie «&#xa0;%1&#xa0;» ne peut pas être lue.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” cannot be unpacked.</source>
        <translation>est endommagé&#xa0;: la partie «&#xa0;%1&#xa0;» ne peut pas être décompressée.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” fails its checksum.</source>
        <translation>est endommagé&#xa0;: la somme de contrôle de la partie «&#xa0;%1&#xa0;» est fausse.</translation>
    </message>
</context>
<context>
    <name>WorkbookImport</name>
    <message>
        <source>Row %1, column %2 (%3)</source>
        <translation>Ligne %1, colonne %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the text has %1 characters; the catalogue holds at most %2.</source>
        <translation>le texte a %1 caractères&#xa0;; le catalogue en accepte %2 au plus.</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Colonne %1 (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Le titre est vide.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither Yes nor No.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni Oui ni Non.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a rating from 0 to 7.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une note de 0 à 7.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not disc/number/title.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas de la forme disque/numéro/titre.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre entier.</translation>
    </message>
    <message>
        <source>The target file has no Movies table: it is not a catalogue.</source>
        <translation>Le fichier cible n&apos;a pas de table Movies&#xa0;: ce n&apos;est pas un catalogue.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Importing Excel Data...</source>
        <translation>Importation des données Excel…</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>Workbooks (*.xls *.xlsx *.ods *.csv);;Excel Spreadsheets (*.xls);;Excel Workbooks (*.xlsx);;OpenDocument Spreadsheets (*.ods);;Comma-separated Values (*.csv)</source>
        <translation>Classeurs (*.xls *.xlsx *.ods *.csv);;Feuilles de calcul Excel (*.xls);;Classeurs Excel (*.xlsx);;Classeurs OpenDocument (*.ods);;Valeurs séparées par des virgules (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmActDir</name>
    <message>
        <source> Actors and Directors</source>
        <translation> Acteurs et réalisateurs</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Acteurs</translation>
    </message>
    <message>
        <source>Directors</source>
        <translation>Réalisateurs</translation>
    </message>
    <message>
        <source>Records Starting With: </source>
        <translation>Noms commençant par&#xa0;: </translation>
    </message>
    <message>
        <source>The blank entry lists every name</source>
        <translation>L&apos;entrée vide affiche tous les noms</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Acteurs&#xa0;:</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Acteur</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Associated Movies:</source>
        <translation>Films associés&#xa0;:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Go To Site</source>
        <translation>Aller au site</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Search on IMDB</source>
        <translation>Rechercher sur IMDB</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom&#xa0;:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Site web&#xa0;:</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Noms</translation>
    </message>
    <message>
        <source>Directors:</source>
        <translation>Réalisateurs&#xa0;:</translation>
    </message>
    <message>
        <source>Please type a name before saving.</source>
        <translation>Saisissez un nom avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web site address.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une adresse de site web.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 from the database?</source>
        <translation>Voulez-vous vraiment supprimer %1 du catalogue&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Directors</source>
        <translation>Supprimer un réalisateur</translation>
    </message>
    <message>
        <source>Delete Actors</source>
        <translation>Supprimer un acteur</translation>
    </message>
</context>
<context>
    <name>frmAddToUserList</name>
    <message>
        <source> Add to User&apos;s List</source>
        <translation> Ajouter à une liste personnelle</translation>
    </message>
    <message>
        <source>Add to User&apos;s List</source>
        <translation>Ajouter à une liste personnelle</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Movie ID:</source>
        <translation>N° du film&#xa0;:</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Titre du film&#xa0;:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Nom de la personne&#xa0;:</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Nom affiché&#xa0;:</translation>
    </message>
</context>
<context>
    <name>frmCoverSearch</name>
    <message>
        <source>The search for covers of %1 did not work: the cover server could not be reached or did not answer as expected (%2).<byte value="xd"/><byte value="xd"/>Check your internet connection and the cover source in the Options window, then search again.</source>
        <translation>La recherche de jaquettes pour %1 n&apos;a pas abouti&#xa0;: le serveur de jaquettes est injoignable ou n&apos;a pas répondu comme prévu (%2).</translation>
    </message>
    <message>
        <source>Cover Search Failed</source>
        <translation>Échec de la recherche de jaquettes</translation>
    </message>
    <message>
        <source> Cover Search</source>
        <translation> Recherche de jaquettes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>New Search</source>
        <translation>Nouvelle recherche</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>&amp;Use Selected</source>
        <translation>&amp;Utiliser la sélection</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Finds cover pictures with The Movie Database (TMDb).</source>
        <translation>Trouve des jaquettes avec The Movie Database (TMDb).</translation>
    </message>
    <message>
        <source>Finds cover pictures with the CoverfetchCore plug-in.</source>
        <translation>Trouve des jaquettes avec le module externe CoverfetchCore.</translation>
    </message>
    <message>
        <source>Cinelog Cover Search</source>
        <translation>Recherche de jaquettes Cinelog</translation>
    </message>
    <message>
        <source>About Cover Search</source>
        <translation>À propos de la recherche de jaquettes</translation>
    </message>
    <message>
        <source>Covers found</source>
        <translation>Jaquettes trouvées</translation>
    </message>
    <message>
        <source>You did not enter any keywords for the query. Please rectify this problem and try again.</source>
        <translation>Vous n&apos;avez saisi aucun mot-clé pour la requête. Corrigez ce problème et réessayez.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>You did not select an AWS server for the query. Please rectify this problem and try again.</source>
        <translation>Vous n&apos;avez pas choisi de serveur AWS pour la requête. Corrigez ce problème et réessayez.</translation>
    </message>
    <message>
        <source>You did not enter a media type for the query. Please rectify this problem and try again.</source>
        <translation>Vous n&apos;avez pas indiqué de type de support pour la requête. Corrigez ce problème et réessayez.</translation>
    </message>
    <message>
        <source>The cover source is The Movie Database (TMDb), but no TMDb API key is set. Enter your key in the Options window and try again.</source>
        <translation>La source des jaquettes est The Movie Database (TMDb), mais aucune clé d&apos;API TMDb n&apos;est définie. Saisissez votre clé dans la fenêtre Options et réessayez.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any covers for %1.<byte value="xd"/><byte value="xd"/>Do you want to enter a new title to search by?</source>
        <translation>Aucune jaquette trouvée pour %1.</translation>
    </message>
    <message>
        <source>No Covers Found</source>
        <translation>Aucune jaquette trouvée</translation>
    </message>
    <message>
        <source>Enter a new Movie Title to search for:</source>
        <translation>Saisissez un autre titre de film à rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>Cover Search</source>
        <translation>Recherche de jaquettes</translation>
    </message>
    <message>
        <source>Failed to load the thumbnail &quot;%1&quot;.</source>
        <translation>Impossible de charger la miniature «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>Cinelog</source>
        <translation>Cinelog</translation>
    </message>
    <message>
        <source>Some thumbnails could not be downloaded successfully and were therefore ignored.</source>
        <translation>Certaines miniatures n&apos;ont pas pu être téléchargées et ont donc été ignorées.</translation>
    </message>
    <message>
        <source>Enter a Movie title to search for:</source>
        <translation>Saisissez le titre du film à rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>An unknown error occurred while attempting to load the desired image.</source>
        <translation>Une erreur inconnue s&apos;est produite lors du chargement de l&apos;image demandée.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>&amp;Preview (%1x%2)</source>
        <translation>&amp;Aperçu (%1x%2)</translation>
    </message>
    <message>
        <source>The cover could not be downloaded from &quot;%1&quot;: %2</source>
        <translation>La jaquette n&apos;a pas pu être téléchargée depuis «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>the reply is not a picture.</source>
        <translation>la réponse n&apos;est pas une image.</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Erreur d&apos;accès au chemin ou au fichier&#xa0;: %1</translation>
    </message>
    <message>
        <source>No plug-in folder was given.</source>
        <translation>Aucun dossier de modules externes n&apos;a été indiqué.</translation>
    </message>
    <message>
        <source>The cover search is not available: its plug-in, %1, could not be loaded.</source>
        <translation>La recherche de jaquettes n&apos;est pas disponible&#xa0;: son module externe, %1, n&apos;a pas pu être chargé.</translation>
    </message>
</context>
<context>
    <name>frmDownloadResults</name>
    <message>
        <source> Search Results from IMDB:</source>
        <translation> Résultats de la recherche sur IMDB&#xa0;:</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Titre du film</translation>
    </message>
    <message>
        <source>Year of Release</source>
        <translation>Année de sortie</translation>
    </message>
    <message>
        <source>Get Movie Info</source>
        <translation>Récupérer la fiche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Movies found</source>
        <translation>Films trouvés</translation>
    </message>
    <message>
        <source>Not connected to the community server.</source>
        <translation>Pas de connexion au serveur communautaire.</translation>
    </message>
    <message>
        <source>Choose a saved movie in the main window to fill in first.</source>
        <translation>Choisissez d&apos;abord, dans la fenêtre principale, un film enregistré à compléter.</translation>
    </message>
    <message>
        <source>Movie Info for %1 has been downloaded.</source>
        <translation>Les informations sur %1 ont été téléchargées.</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
</context>
<context>
    <name>frmEpisodes</name>
    <message>
        <source>Another program changed the episodes of this movie after they were shown here.

Yes: show the episodes as they are stored now (your change here is dropped).
No: make your change anyway.
Cancel: go on editing without saving.</source>
        <translation>Un autre programme a modifié les épisodes de ce film après leur affichage ici.

Oui&#xa0;: afficher les épisodes tels qu&apos;ils sont enregistrés maintenant (votre modification ici est abandonnée).
Non&#xa0;: faire quand même votre modification.
Annuler&#xa0;: continuer la modification sans enregistrer.</translation>
    </message>
    <message>
        <source>Episodes Changed Elsewhere</source>
        <translation>Épisodes modifiés ailleurs</translation>
    </message>
    <message>
        <source> Episodes for %1</source>
        <translation> Épisodes de %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Episode Num</source>
        <translation>N° épisode</translation>
    </message>
    <message>
        <source>Disc Num</source>
        <translation>N° disque</translation>
    </message>
    <message>
        <source>save/update</source>
        <translation>enregistrer</translation>
    </message>
    <message>
        <source>delete episode</source>
        <translation>supprimer l&apos;épisode</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Episode Title:</source>
        <translation>Titre de l&apos;épisode&#xa0;:</translation>
    </message>
    <message>
        <source>Episode Number:</source>
        <translation>Numéro d&apos;épisode&#xa0;:</translation>
    </message>
    <message>
        <source>on Disc Number:</source>
        <translation>sur le disque n°&#xa0;:</translation>
    </message>
    <message>
        <source>Episodes</source>
        <translation>Épisodes</translation>
    </message>
    <message>
        <source>Episode Number must be a number!</source>
        <translation>Le numéro d&apos;épisode doit être un nombre&#xa0;!</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Saisie incorrecte</translation>
    </message>
    <message>
        <source>Disc Number must be a number!</source>
        <translation>Le numéro de disque doit être un nombre&#xa0;!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the episode %1?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;épisode %1&#xa0;?</translation>
    </message>
    <message>
        <source>Delete Episode</source>
        <translation>Supprimer l&apos;épisode</translation>
    </message>
</context>
<context>
    <name>frmExcel</name>
    <message>
        <source> Import from Excel</source>
        <translation> Importer depuis Excel</translation>
    </message>
    <message>
        <source>Select Worksheet to Import:</source>
        <translation>Feuille à importer&#xa0;:</translation>
    </message>
    <message>
        <source>Worksheet to import</source>
        <translation>Feuille à importer</translation>
    </message>
    <message>
        <source>Select Fields to Link:</source>
        <translation>Champs à lier&#xa0;:</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>deviné</translation>
    </message>
    <message>
        <source>Boxes marked &quot;guessed&quot; were linked from the worksheet&apos;s headings: check them, and change any that is wrong.</source>
        <translation>Les listes marquées «&#xa0;deviné&#xa0;» ont été liées d&apos;après les en-têtes de la feuille&#xa0;: vérifiez-les et corrigez celles qui sont fausses.</translation>
    </message>
    <message>
        <source>Preview (the first %1 rows as they will be imported):</source>
        <translation>Aperçu (les %1 premières lignes telles qu&apos;elles seront importées)&#xa0;:</translation>
    </message>
    <message>
        <source>Preview of the imported rows</source>
        <translation>Aperçu des lignes importées</translation>
    </message>
    <message>
        <source>People are written &quot;First Last&quot;: store them as &quot;Last, First&quot;</source>
        <translation>Les noms sont écrits «&#xa0;Prénom Nom&#xa0;»&#xa0;: les enregistrer sous la forme «&#xa0;Nom, Prénom&#xa0;»</translation>
    </message>
    <message>
        <source>Also import movies the catalogue already has (same title and year)</source>
        <translation>Importer aussi les films déjà présents dans le catalogue (même titre et même année)</translation>
    </message>
    <message>
        <source>Export to:</source>
        <translation>Importer dans&#xa0;:</translation>
    </message>
    <message>
        <source>Catalogue to add the movies to</source>
        <translation>Catalogue auquel ajouter les films</translation>
    </message>
    <message>
        <source>Choose the catalogue (*.cnlg) to add the movies to</source>
        <translation>Choisir le catalogue (*.cnlg) auquel ajouter les films</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Choose the catalogue</source>
        <translation>Choisir le catalogue</translation>
    </message>
    <message>
        <source>Import to Database</source>
        <translation>Importer dans le catalogue</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Select an Excel to Import From:</source>
        <translation>Choisir le classeur à importer&#xa0;:</translation>
    </message>
    <message>
        <source>Linked from the heading &quot;%1&quot;; change it if it is wrong.</source>
        <translation>Lié d&apos;après l&apos;en-tête «&#xa0;%1&#xa0;»&#xa0;; modifiez-le s&apos;il est faux.</translation>
    </message>
    <message>
        <source>1 row below the headings</source>
        <translation>1 ligne sous les en-têtes</translation>
    </message>
    <message>
        <source>%1 rows below the headings</source>
        <translation>%1 lignes sous les en-têtes</translation>
    </message>
    <message>
        <source>%1 to import</source>
        <translation>%1 à importer</translation>
    </message>
    <message>
        <source>%1 already in the catalogue (skipped)</source>
        <translation>%1 déjà dans le catalogue (ignorés)</translation>
    </message>
    <message>
        <source>%1 already in the catalogue (imported again)</source>
        <translation>%1 déjà dans le catalogue (importés de nouveau)</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 refusées</translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation>Catalogues Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>1 movie imported</source>
        <translation>1 film importé</translation>
    </message>
    <message>
        <source>%1 movies imported</source>
        <translation>%1 films importés</translation>
    </message>
    <message>
        <source>1 already in the catalogue and skipped</source>
        <translation>1 déjà dans le catalogue et ignoré</translation>
    </message>
    <message>
        <source>%1 already in the catalogue and skipped</source>
        <translation>%1 déjà dans le catalogue et ignorés</translation>
    </message>
    <message>
        <source>1 row refused</source>
        <translation>1 ligne refusée</translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation>%1 lignes refusées</translation>
    </message>
    <message>
        <source>Import from Excel</source>
        <translation>Importer depuis Excel</translation>
    </message>
    <message>
        <source>Updating Movie List...</source>
        <translation>Mise à jour de la liste des films…</translation>
    </message>
</context>
<context>
    <name>frmLoanOut</name>
    <message>
        <source> Loan Out</source>
        <translation> Prêter</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>mm/jj/aaaa</translation>
    </message>
    <message>
        <source>Month/day/year, for example 12/09/2025</source>
        <translation>Mois/jour/année, par exemple 12/09/2025</translation>
    </message>
    <message>
        <source>Loan Movie</source>
        <translation>Prêter le film</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Movie ID: </source>
        <translation>N° du film&#xa0;: </translation>
    </message>
    <message>
        <source>Movie:</source>
        <translation>Film&#xa0;:</translation>
    </message>
    <message>
        <source>Loaned To:</source>
        <translation>Prêté à&#xa0;:</translation>
    </message>
    <message>
        <source>Loan Date:</source>
        <translation>Date du prêt&#xa0;:</translation>
    </message>
    <message>
        <source>The loan date &quot;%1&quot; is not a date. Please type it as month/day/year, for example %2.</source>
        <translation>La date de prêt «&#xa0;%1&#xa0;» n&apos;est pas une date. Saisissez-la sous la forme mois/jour/année, par exemple %2.</translation>
    </message>
    <message>
        <source>Invalid Loan Date</source>
        <translation>Date de prêt incorrecte</translation>
    </message>
</context>
<context>
    <name>frmLoans</name>
    <message>
        <source>Another program changed this loan after it was shown here.

Yes: show the loans as they are stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave the loan as it is stored.</source>
        <translation>Un autre programme a modifié ce prêt après son affichage ici.

Oui&#xa0;: afficher les prêts tels qu&apos;ils sont enregistrés maintenant (votre modification ici est abandonnée).
Non&#xa0;: appliquer votre modification par-dessus l&apos;autre.
Annuler&#xa0;: laisser le prêt tel qu&apos;il est enregistré.</translation>
    </message>
    <message>
        <source>Loan Changed Elsewhere</source>
        <translation>Prêt modifié ailleurs</translation>
    </message>
    <message>
        <source> Loans</source>
        <translation> Prêts</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Afficher&#xa0;:</translation>
    </message>
    <message>
        <source>Show Loan Outs for:</source>
        <translation>Afficher les prêts de&#xa0;:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>MovID</source>
        <translation>N° film</translation>
    </message>
    <message>
        <source>Movie Name</source>
        <translation>Titre du film</translation>
    </message>
    <message>
        <source>Loaned To</source>
        <translation>Prêté à</translation>
    </message>
    <message>
        <source>Date Loaned</source>
        <translation>Date du prêt</translation>
    </message>
    <message>
        <source>Date Returned</source>
        <translation>Date de retour</translation>
    </message>
    <message>
        <source>Movie has been returned.</source>
        <translation>Le film a été rendu.</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>Emprunteur</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Prêts</translation>
    </message>
    <message>
        <source>Getting Loaned Movie Records...</source>
        <translation>Lecture des films prêtés…</translation>
    </message>
    <message>
        <source>Printing is not available in this installation.</source>
        <translation>L&apos;impression n&apos;est pas disponible dans cette installation.</translation>
    </message>
    <message>
        <source>Refreshing Movie List...</source>
        <translation>Actualisation de la liste des films…</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>C&amp;heck Catalogue...</source>
        <translation>&amp;Vérifier le catalogue…</translation>
    </message>
    <message>
        <source> (filtered)</source>
        <translation> (filtrés)</translation>
    </message>
    <message>
        <source>Cinelog</source>
        <translation>Cinelog</translation>
    </message>
    <message>
        <source>Refreshing Movie List...</source>
        <translation>Actualisation de la liste des films…</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New Cinelog</source>
        <translation>&amp;Nouveau catalogue</translation>
    </message>
    <message>
        <source>&amp;Open Cinelog</source>
        <translation>&amp;Ouvrir un catalogue</translation>
    </message>
    <message>
        <source>Add New Movie</source>
        <translation>Ajouter un film</translation>
    </message>
    <message>
        <source>&amp;Save Movie</source>
        <translation>&amp;Enregistrer le film</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>&amp;Supprimer le film</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>From Excel</source>
        <translation>Depuis Excel</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Movie Titles</source>
        <translation>Titres des films</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Détails des films</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation>&amp;Prêts</translation>
    </message>
    <message>
        <source>User List</source>
        <translation>Listes personnelles</translation>
    </message>
    <message>
        <source>Actors and Directors</source>
        <translation>Acteurs et réalisateurs</translation>
    </message>
    <message>
        <source>Save Cover File</source>
        <translation>Enregistrer la jaquette dans un fichier</translation>
    </message>
    <message>
        <source>Databse Tools</source>
        <translation>Outils du catalogue</translation>
    </message>
    <message>
        <source>Clean Database</source>
        <translation>Nettoyer le catalogue</translation>
    </message>
    <message>
        <source>Compact Database</source>
        <translation>Compacter le catalogue</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Visiter le site web</translation>
    </message>
    <message>
        <source>Search for Covers</source>
        <translation>Rechercher des jaquettes</translation>
    </message>
    <message>
        <source>Movie Info from %1</source>
        <translation>Fiches de films de %1</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Envoyer</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Titre du film</translation>
    </message>
    <message>
        <source>on IMDB</source>
        <translation>sur IMDB</translation>
    </message>
    <message>
        <source>on Netflix</source>
        <translation>sur Netflix</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Réalisateur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Edit Options</source>
        <translation>Modifier les options</translation>
    </message>
    <message>
        <source>Cinelog Website</source>
        <translation>Site web de Cinelog</translation>
    </message>
    <message>
        <source>Cinelog Forums</source>
        <translation>Forums Cinelog</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Movie Title Search</source>
        <translation>Recherche par titre</translation>
    </message>
    <message>
        <source>Director Search</source>
        <translation>Recherche par réalisateur</translation>
    </message>
    <message>
        <source>Loan Out</source>
        <translation>Prêter</translation>
    </message>
    <message>
        <source>Add to User List</source>
        <translation>Ajouter à une liste personnelle</translation>
    </message>
    <message>
        <source>Copy Movie</source>
        <translation>Copier le film</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Supprimer le film</translation>
    </message>
    <message>
        <source>Search IMDB for</source>
        <translation>Rechercher sur IMDB</translation>
    </message>
    <message>
        <source>Search Netflix for</source>
        <translation>Rechercher sur Netflix</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Create a New Cinelog</source>
        <translation>Créer un nouveau catalogue</translation>
    </message>
    <message>
        <source>Open Cinelog</source>
        <translation>Ouvrir un catalogue</translation>
    </message>
    <message>
        <source>Add Movie to Database</source>
        <translation>Ajouter le film au catalogue</translation>
    </message>
    <message>
        <source>Save/Update Movie</source>
        <translation>Enregistrer le film</translation>
    </message>
    <message>
        <source>Print Movie List</source>
        <translation>Imprimer la liste des films</translation>
    </message>
    <message>
        <source>Delete Selected Movie</source>
        <translation>Supprimer le film sélectionné</translation>
    </message>
    <message>
        <source>Search the Database</source>
        <translation>Rechercher dans le catalogue</translation>
    </message>
    <message>
        <source>View Loaned Movies</source>
        <translation>Voir les films prêtés</translation>
    </message>
    <message>
        <source>View User&apos;s Lists</source>
        <translation>Voir les listes personnelles</translation>
    </message>
    <message>
        <source>Web Search</source>
        <translation>Recherche sur le web</translation>
    </message>
    <message>
        <source>Refresh the Movie List</source>
        <translation>Actualiser la liste des films</translation>
    </message>
    <message>
        <source>Adding Mediums...</source>
        <translation>Ajout des supports…</translation>
    </message>
    <message>
        <source>Adding Formats...</source>
        <translation>Ajout des formats…</translation>
    </message>
    <message>
        <source>Loading your Settings...</source>
        <translation>Chargement de vos réglages…</translation>
    </message>
    <message>
        <source>Setting Column Widths...</source>
        <translation>Réglage de la largeur des colonnes…</translation>
    </message>
    <message>
        <source>Loading Your Last Database (%1)...</source>
        <translation>Ouverture de votre dernier catalogue (%1)…</translation>
    </message>
    <message>
        <source>Unloading the Splash Screen...</source>
        <translation>Fermeture de l&apos;écran d&apos;accueil…</translation>
    </message>
    <message>
        <source>Getting the Movie List...</source>
        <translation>Lecture de la liste des films…</translation>
    </message>
    <message>
        <source>Cinelog %1</source>
        <translation>Cinelog %1</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>Aucun film trouvé</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation>Nombre de films trouvés&#xa0;: %1</translation>
    </message>
    <message>
        <source>Search IMDB for &quot;%1&quot;</source>
        <translation>Rechercher «&#xa0;%1&#xa0;» sur IMDB</translation>
    </message>
    <message>
        <source>Search Netflix for &quot;%1&quot;</source>
        <translation>Rechercher «&#xa0;%1&#xa0;» sur Netflix</translation>
    </message>
    <message>
        <source>Saving Movie...</source>
        <translation>Enregistrement du film…</translation>
    </message>
    <message>
        <source>Delete Movie?</source>
        <translation>Supprimer le film&#xa0;?</translation>
    </message>
    <message>
        <source>Enter a Database Name:</source>
        <translation>Nom du catalogue&#xa0;:</translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation>Catalogues Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>Select a Cinelog:</source>
        <translation>Choisir un catalogue&#xa0;:</translation>
    </message>
    <message>
        <source>Cleaning the Database...</source>
        <translation>Nettoyage du catalogue…</translation>
    </message>
    <message>
        <source>All Cleaned</source>
        <translation>Nettoyage terminé</translation>
    </message>
    <message>
        <source>Database has been compacted.</source>
        <translation>Le catalogue a été compacté.</translation>
    </message>
    <message>
        <source>DB Compacted</source>
        <translation>Catalogue compacté</translation>
    </message>
    <message>
        <source>Click the window to close...</source>
        <translation>Cliquez sur la fenêtre pour la fermer…</translation>
    </message>
    <message>
        <source>No Cinelog Open</source>
        <translation>Aucun catalogue ouvert</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>Are you SURE you want to delete &quot;%1&quot; from the database?<byte value="xd"/>Edit &gt; Undo brings it back with its cast and loans.</source>
        <translation>Voulez-vous VRAIMENT supprimer «&#xa0;%1&#xa0;» du catalogue&#xa0;?</translation>
    </message>
</context>
<context>
    <name>frmMovieFill</name>
    <message>
        <source>Movie Details from %1</source>
        <translation>Détails du film depuis %1</translation>
    </message>
    <message>
        <source>Tick the fields to fill from %1.</source>
        <translation>Cochez les champs à compléter depuis %1.</translation>
    </message>
    <message>
        <source>Tick the fields of &quot;%1&quot; to fill from %2. Fields you typed are kept unless you tick them.</source>
        <translation>Cochez les champs de «&#xa0;%1&#xa0;» à compléter depuis %2. Les champs que vous avez saisis sont conservés, sauf si vous les cochez.</translation>
    </message>
    <message>
        <source>Fields to fill</source>
        <translation>Champs à compléter</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Champ</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>&amp;Fill Ticked Fields</source>
        <translation>&amp;Compléter les champs cochés</translation>
    </message>
    <message>
        <source>Fill the ticked fields</source>
        <translation>Compléter les champs cochés</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmMovieResults</name>
    <message>
        <source>Find Movie at %1</source>
        <translation>Chercher le film sur %1</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Title to search for</source>
        <translation>Titre à rechercher</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année&#xa0;:</translation>
    </message>
    <message>
        <source>Year of release (optional)</source>
        <translation>Année de sortie (facultative)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Original Title</source>
        <translation>Titre original</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>État de la recherche</translation>
    </message>
    <message>
        <source>&amp;Take This Movie</source>
        <translation>&amp;Prendre ce film</translation>
    </message>
    <message>
        <source>Take the chosen movie</source>
        <translation>Prendre le film choisi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>No movie was found. Try another spelling or leave the year out.</source>
        <translation>Aucun film trouvé. Essayez une autre orthographe ou omettez l&apos;année.</translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) found. Choose one with the arrow keys and press Enter.</source>
        <translation>
            <numerusform>%n film trouvé. Choisissez-en un avec les touches fléchées et appuyez sur Entrée.</numerusform>
            <numerusform>%n films trouvés. Choisissez-en un avec les touches fléchées et appuyez sur Entrée.</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Recherche…</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue&#xa0;:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>Takes effect the next time Cinelog starts.</source>
        <translation>Prend effet au prochain démarrage de Cinelog.</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Options</translation>
    </message>
    <message>
        <source>Cinelog Options</source>
        <translation>Options de Cinelog</translation>
    </message>
    <message>
        <source>Last Opened Cinelog:</source>
        <translation>Dernier catalogue ouvert&#xa0;:</translation>
    </message>
    <message>
        <source>Load Last Opened Database on Startup</source>
        <translation>Ouvrir le dernier catalogue au démarrage</translation>
    </message>
    <message>
        <source>PDF Reports Default Folder:</source>
        <translation>Dossier par défaut des rapports PDF&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select Database:</source>
        <translation>Choisir le catalogue&#xa0;:</translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation>Catalogues Cinelog (*.cnlg)</translation>
    </message>
    <message>
        <source>Choose the catalogue</source>
        <translation>Choisir le catalogue</translation>
    </message>
    <message>
        <source>Choose the PDF reports folder</source>
        <translation>Choisir le dossier des rapports PDF</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source> Preview Cover</source>
        <translation> Aperçu de la jaquette</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmProgBar</name>
    <message>
        <source> Progress...</source>
        <translation> Progression…</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Valeur de propriété incorrecte</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Progress</source>
        <translation> Progression</translation>
    </message>
    <message>
        <source>Please wait while completing the current task...</source>
        <translation>Veuillez patienter pendant la fin de la tâche en cours…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>frmResolveMovies</name>
    <message>
        <source>Movies That Need Your Choice</source>
        <translation>Films qui attendent votre choix</translation>
    </message>
    <message>
        <source>More than one movie at %1 could be meant for these. Press Enter on one to choose its match; the ones you leave stay as they are.</source>
        <translation>Plusieurs films de %1 peuvent correspondre à ceux-ci. Appuyez sur Entrée sur l&apos;un d&apos;eux pour choisir sa correspondance&#xa0;; ceux que vous laissez restent tels quels.</translation>
    </message>
    <message>
        <source>Movies to resolve</source>
        <translation>Films à départager</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Résultats</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Choisir…</translation>
    </message>
    <message>
        <source>Choose the match of the current movie</source>
        <translation>Choisir la correspondance du film en cours</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Export...</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source> Search for Movies</source>
        <translation> Rechercher des films</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Masqué</translation>
    </message>
    <message>
        <source>Loan Out</source>
        <translation>Prêter</translation>
    </message>
    <message>
        <source>Add to User&apos;s List</source>
        <translation>Ajouter à une liste personnelle</translation>
    </message>
    <message>
        <source>Edit Movie</source>
        <translation>Modifier le film</translation>
    </message>
    <message>
        <source>Search Criteria:</source>
        <translation>Critères de recherche&#xa0;:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Réalisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Actor:</source>
        <translation>Acteur&#xa0;:</translation>
    </message>
    <message>
        <source>Reference With:</source>
        <translation>Et aussi&#xa0;:</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Classification&#xa0;:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Support&#xa0;:</translation>
    </message>
    <message>
        <source># of Stars</source>
        <translation>Nombre d&apos;étoiles</translation>
    </message>
    <message>
        <source>Exact Match</source>
        <translation>Correspondance exacte</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Click on a Movie to View Actors:</source>
        <translation>Cliquez sur un film pour voir ses acteurs&#xa0;:</translation>
    </message>
    <message>
        <source>Found Movie Titles:</source>
        <translation>Films trouvés&#xa0;:</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>You must have critiera to search by!</source>
        <translation>Vous devez indiquer des critères de recherche&#xa0;!</translation>
    </message>
    <message>
        <source>ID-10-T Error</source>
        <translation>Erreur de saisie</translation>
    </message>
    <message>
        <source>Search for Movies...</source>
        <translation>Recherche des films…</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Erreur %1</translation>
    </message>
    <message>
        <source>No movies found with this search criteria.</source>
        <translation>Aucun film ne correspond à ces critères de recherche.</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>Aucun film trouvé</translation>
    </message>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Mise à jour de la liste des films…</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>This product uses the TMDB API but is not endorsed or certified by TMDB.</source>
        <translation>Ce produit utilise l&apos;API TMDB mais n&apos;est ni approuvé ni certifié par TMDB.</translation>
    </message>
</context>
<context>
    <name>frmUploadMovies</name>
    <message>
        <source> Upload Movies</source>
        <translation> Envoyer des films</translation>
    </message>
    <message>
        <source>Show Only Movies Not Uploaded Yet</source>
        <translation>N&apos;afficher que les films pas encore envoyés</translation>
    </message>
    <message>
        <source>Upload Selected</source>
        <translation>Envoyer la sélection</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Movies to upload</source>
        <translation>Films à envoyer</translation>
    </message>
    <message>
        <source>Uploading Selected Movies...</source>
        <translation>Envoi des films sélectionnés…</translation>
    </message>
    <message>
        <source>Movies have been uploaded.<byte value="xd"/>Thank you for supporting the Cinelog community!</source>
        <translation>Les films ont été envoyés.</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Upload Movies</source>
        <translation>Envoyer des films</translation>
    </message>
</context>
<context>
    <name>frmUserList</name>
    <message>
        <source>User Lists</source>
        <translation>Listes personnelles</translation>
    </message>
    <message>
        <source>Select User:</source>
        <translation>Personne&#xa0;:</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Titre du film</translation>
    </message>
    <message>
        <source>Loan To</source>
        <translation>Prêter à cette personne</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Movies in the list</source>
        <translation>Films de la liste</translation>
    </message>
    <message>
        <source>There are no user lists saved.</source>
        <translation>Aucune liste personnelle n&apos;est enregistrée.</translation>
    </message>
    <message>
        <source>No Lists</source>
        <translation>Aucune liste</translation>
    </message>
    <message>
        <source>Printing is not available in this installation.</source>
        <translation>L&apos;impression n&apos;est pas disponible dans cette installation.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cinelog: %1
Try &apos;cinelog --help&apos;.
</source>
        <translation>Cinelog&#xa0;: %1
Essayez «&#xa0;cinelog --help&#xa0;».
</translation>
    </message>
    <message>
        <source>Cinelog: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen to run without one).
</source>
        <translation>Cinelog&#xa0;: aucun affichage trouvé (définissez DISPLAY, ou QT_QPA_PLATFORM=offscreen pour fonctionner sans).
</translation>
    </message>
    <message>
        <source>Cinelog: %1 Later starts will open their own window.
</source>
        <translation>Cinelog&#xa0;: %1 Les démarrages suivants ouvriront leur propre fenêtre.
</translation>
    </message>
</context>
</TS>
