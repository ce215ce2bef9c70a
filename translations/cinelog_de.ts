<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AppContext</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
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
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be renamed to &quot;%2&quot;: %3</source>
        <translation>„%1“ kann nicht in „%2“ umbenannt werden: %3</translation>
    </message>
    <message>
        <source>No temporary file can be made beside &quot;%1&quot;: %2</source>
        <translation>Neben „%1“ kann keine temporäre Datei angelegt werden: %2</translation>
    </message>
    <message>
        <source>The catalogue &quot;%1&quot; does not exist.</source>
        <translation>Der Katalog „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>The copy of &quot;%1&quot; failed its check and was removed: %2</source>
        <translation>Die Kopie von „%1“ hat die Prüfung nicht bestanden und wurde entfernt: %2</translation>
    </message>
    <message>
        <source>The backups folder &quot;%1&quot; cannot be made.</source>
        <translation>Der Sicherungsordner „%1“ kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The backup &quot;%1&quot; failed its check and was removed: %2</source>
        <translation>Die Sicherung „%1“ hat die Prüfung nicht bestanden und wurde entfernt: %2</translation>
    </message>
    <message>
        <source>The restored copy failed its check: %1</source>
        <translation>Die wiederhergestellte Kopie hat die Prüfung nicht bestanden: %1</translation>
    </message>
</context>
<context>
    <name>BatchFill</name>
    <message>
        <source>Filling movie details...</source>
        <translation>Filmdetails werden ausgefüllt...</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation>%1 ist zu lang: Es können höchstens %2 Zeichen gespeichert werden.</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>Es ist kein Katalog geöffnet.</translation>
    </message>
    <message>
        <source> It has been opened again as it is now: check your last change and make it again.</source>
        <translation> Er wurde im jetzigen Zustand erneut geöffnet: Prüfen Sie Ihre letzte Änderung und nehmen Sie sie erneut vor.</translation>
    </message>
    <message>
        <source> It could not be opened again: %1</source>
        <translation> Er konnte nicht erneut geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was replaced by another program (one that compacted it or restored a backup over it) while it was open here. Your change was not written.%2</source>
        <translation>Die Katalogdatei &apos;%1&apos; wurde von einem anderen Programm ersetzt (das sie komprimiert oder eine Sicherung darüber wiederhergestellt hat), während sie hier geöffnet war. Ihre Änderung wurde nicht geschrieben.%2</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program while it was open here. Your change was not written. Open the catalogue again from where it is now.</source>
        <translation>Die Katalogdatei &apos;%1&apos; wurde von einem anderen Programm gelöscht oder verschoben, während sie hier geöffnet war. Ihre Änderung wurde nicht geschrieben. Öffnen Sie den Katalog erneut an seinem jetzigen Ort.</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>&apos;%1&apos; ist keine Datei.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be converted and has not been changed. %2</source>
        <translation>Der Katalog &apos;%1&apos; konnte nicht umgewandelt werden und wurde nicht verändert. %2</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Unbekanntes Datenbankformat &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Another program is using the catalogue &apos;%1&apos; (reading or changing it) and did not let go in time. Nothing was written: try again in a moment.</source>
        <translation>Ein anderes Programm verwendet den Katalog &apos;%1&apos; (liest oder ändert ihn) und hat ihn nicht rechtzeitig freigegeben. Es wurde nichts geschrieben: Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted, moved or replaced while it was open here. Nothing was written. Open the catalogue again from where it is now.</source>
        <translation>Die Katalogdatei &apos;%1&apos; wurde gelöscht, verschoben oder ersetzt, während sie hier geöffnet war. Es wurde nichts geschrieben. Öffnen Sie den Katalog erneut an seinem jetzigen Ort.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be written: the file or its folder is read-only for you, or the file was moved or deleted. Nothing was written. Check the file&apos;s permissions, or open the catalogue again.</source>
        <translation>In den Katalog &apos;%1&apos; kann nicht geschrieben werden: Die Datei oder ihr Ordner ist für Sie schreibgeschützt, oder die Datei wurde verschoben oder gelöscht. Es wurde nichts geschrieben. Prüfen Sie die Zugriffsrechte der Datei oder öffnen Sie den Katalog erneut.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be read or written (%2). Check the disk or network drive it is on, then try again.</source>
        <translation>Der Katalog &apos;%1&apos; konnte nicht gelesen oder geschrieben werden (%2). Prüfen Sie das Laufwerk oder Netzlaufwerk, auf dem er liegt, und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The disk holding the catalogue &apos;%1&apos; is full. Nothing was written: make room on it, then try again.</source>
        <translation>Der Datenträger mit dem Katalog &apos;%1&apos; ist voll. Es wurde nichts geschrieben: Schaffen Sie Platz und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be opened (%2). Check that the file and its folder are still there and that you may read and write them.</source>
        <translation>Der Katalog &apos;%1&apos; kann nicht geöffnet werden (%2). Prüfen Sie, ob die Datei und ihr Ordner noch vorhanden sind und ob Sie darin lesen und schreiben dürfen.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). It stays open for reading only: nothing more is written to it. Recover what can be read into a new catalogue, or go back to a backup.</source>
        <translation>Der Katalog &apos;%1&apos; ist beschädigt (%2). Er bleibt nur zum Lesen geöffnet: Es wird nichts mehr hineingeschrieben. Retten Sie das Lesbare in einen neuen Katalog oder kehren Sie zu einer Sicherung zurück.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2) and open for reading only: nothing was written.</source>
        <translation>Der Katalog &apos;%1&apos; ist beschädigt (%2) und nur zum Lesen geöffnet: Es wurde nichts geschrieben.</translation>
    </message>
</context>
<context>
    <name>CatalogueConvert</name>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
    <message>
        <source>The converted catalogue could not be created: %1 (%2)</source>
        <translation>Der umgewandelte Katalog konnte nicht angelegt werden: %1 (%2)</translation>
    </message>
    <message>
        <source>Doing Actors (thats funny!!)...</source>
        <translation>Darsteller werden bearbeitet (witzig!!)...</translation>
    </message>
    <message>
        <source>Doing Directors (Even Funnier!!)...</source>
        <translation>Regisseure werden bearbeitet (noch witziger!!)...</translation>
    </message>
    <message>
        <source>Updating Movies and Actor Lists...</source>
        <translation>Filme und Darstellerlisten werden aktualisiert...</translation>
    </message>
    <message>
        <source>Updating Loans...</source>
        <translation>Ausleihen werden aktualisiert...</translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check.</source>
        <translation>Der umgewandelte Katalog hat die Integritätsprüfung nicht bestanden.</translation>
    </message>
    <message>
        <source>The converted catalogue could not replace &apos;%1&apos;.</source>
        <translation>Der umgewandelte Katalog konnte &apos;%1&apos; nicht ersetzen.</translation>
    </message>
</context>
<context>
    <name>CatalogueExport</name>
    <message>
        <source>Exporting movies...</source>
        <translation>Filme werden exportiert...</translation>
    </message>
</context>
<context>
    <name>CatalogueFile</name>
    <message>
        <source>Creating Cinelog...</source>
        <translation>Cinelog wird erstellt...</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation>&apos;%1&apos; ist keine Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of an earlier version of Cinelog: open it first to convert it.</source>
        <translation>&apos;%1&apos; ist ein Katalog einer früheren Cinelog-Version: Öffnen Sie ihn zuerst, um ihn umzuwandeln.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation>Unbekanntes Datenbankformat &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;: it is not a Cinelog catalogue.</source>
        <translation>Unbekanntes Datenbankformat &apos;%1&apos;: Es ist kein Cinelog-Katalog.</translation>
    </message>
</context>
<context>
    <name>CatalogueHealth</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Checking the catalogue...</source>
        <translation>Katalog wird geprüft...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists: choose a new file for the recovered catalogue.</source>
        <translation>&apos;%1&apos; ist bereits vorhanden: Wählen Sie eine neue Datei für den geretteten Katalog.</translation>
    </message>
    <message>
        <source>Recovering the catalogue...</source>
        <translation>Katalog wird gerettet...</translation>
    </message>
    <message>
        <source>Nothing can be read from &apos;%1&apos;: even its list of tables is damaged (%2).</source>
        <translation>Aus &apos;%1&apos; kann nichts gelesen werden: Sogar die Tabellenliste ist beschädigt (%2).</translation>
    </message>
    <message>
        <source>The recovery was cancelled; no catalogue was made.</source>
        <translation>Die Rettung wurde abgebrochen; es wurde kein Katalog angelegt.</translation>
    </message>
    <message>
        <source>The recovered catalogue failed its check: %1</source>
        <translation>Der gerettete Katalog hat die Prüfung nicht bestanden: %1</translation>
    </message>
    <message>
        <source>The recovered catalogue could not be named &apos;%1&apos;: %2</source>
        <translation>Der gerettete Katalog konnte nicht &apos;%1&apos; genannt werden: %2</translation>
    </message>
</context>
<context>
    <name>CatalogueHistory</name>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Filmliste wird aktualisiert...</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Movies</source>
        <translation>
            <numerusform>%n Film löschen</numerusform>
            <numerusform>%n Filme löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Add %1</source>
        <translation>%1 hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Add %n Movies</source>
        <translation>
            <numerusform>%n Film hinzufügen</numerusform>
            <numerusform>%n Filme hinzufügen</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename %1 to %2</source>
        <translation>%1 in %2 umbenennen</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Names</source>
        <translation>
            <numerusform>%n Namen löschen</numerusform>
            <numerusform>%n Namen löschen</numerusform>
        </translation>
    </message>
    <message>
        <source>Change %1</source>
        <translation>%1 ändern</translation>
    </message>
    <message numerus="yes">
        <source>Change %n Movies</source>
        <translation>
            <numerusform>%n Film ändern</numerusform>
            <numerusform>%n Filme ändern</numerusform>
        </translation>
    </message>
    <message>
        <source>Lend %1</source>
        <translation>%1 verleihen</translation>
    </message>
    <message>
        <source>Change Loan of %1</source>
        <translation>Ausleihe von %1 ändern</translation>
    </message>
    <message>
        <source>Return %1</source>
        <translation>%1 zurückgeben</translation>
    </message>
    <message>
        <source>Remove Loan of %1</source>
        <translation>Ausleihe von %1 entfernen</translation>
    </message>
    <message>
        <source>Change Loans</source>
        <translation>Ausleihen ändern</translation>
    </message>
    <message>
        <source>Change Cast of %1</source>
        <translation>Besetzung von %1 ändern</translation>
    </message>
    <message>
        <source>Change Episodes of %1</source>
        <translation>Episoden von %1 ändern</translation>
    </message>
    <message>
        <source>Add %1 to List %2</source>
        <translation>%1 zur Liste %2 hinzufügen</translation>
    </message>
    <message>
        <source>Change Lists</source>
        <translation>Listen ändern</translation>
    </message>
    <message>
        <source>Change Genres</source>
        <translation>Genres ändern</translation>
    </message>
    <message>
        <source>Change Names</source>
        <translation>Namen ändern</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be undone: what it changed was changed again since, by another program using this catalogue.

Nothing was changed.</source>
        <translation>„%1“ kann nicht rückgängig gemacht werden: Was dabei geändert wurde, hat seitdem ein anderes Programm, das diesen Katalog verwendet, erneut geändert.

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be redone: what it changed was changed again since, by another program using this catalogue.

Nothing was changed.</source>
        <translation>„%1“ kann nicht wiederholt werden: Was dabei geändert wurde, hat seitdem ein anderes Programm, das diesen Katalog verwendet, erneut geändert.

Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>&amp;Rückgängig: %1</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>&amp;Wiederholen: %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
</context>
<context>
    <name>CatalogueMaintenance</name>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted, moved or replaced by another program after it was opened here. Open the catalogue again.</source>
        <translation>Der Katalog &apos;%1&apos; wurde nicht komprimiert: Die Datei wurde von einem anderen Programm gelöscht, verschoben oder ersetzt, nachdem sie hier geöffnet wurde. Öffnen Sie den Katalog erneut.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file cannot be found.</source>
        <translation>Der Katalog &apos;%1&apos; wurde nicht komprimiert: Die Datei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file is read-only. Allow writing to it first, or compact a copy.</source>
        <translation>Der Katalog &apos;%1&apos; wurde nicht komprimiert: Die Datei ist schreibgeschützt. Erlauben Sie zuerst das Schreiben oder komprimieren Sie eine Kopie.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the folder does not allow new files to be made in it, which compacting needs. Allow writing to the folder first.</source>
        <translation>Der Katalog &apos;%1&apos; wurde nicht komprimiert: Im Ordner können keine neuen Dateien angelegt werden, was das Komprimieren erfordert. Erlauben Sie zuerst das Schreiben in den Ordner.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program is changing it. Try again in a moment.</source>
        <translation>Der Katalog &apos;%1&apos; wurde nicht komprimiert: Ein anderes Programm ändert ihn gerade. Versuchen Sie es gleich noch einmal.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program replaced the file meanwhile. Open the catalogue again.</source>
        <translation>Der Katalog &apos;%1&apos; wurde nicht komprimiert: Ein anderes Programm hat die Datei inzwischen ersetzt. Öffnen Sie den Katalog erneut.</translation>
    </message>
    <message>
        <source>The catalogue could not be compacted: no working copy could be made in %1 (%2).</source>
        <translation>Der Katalog konnte nicht komprimiert werden: In %1 konnte keine Arbeitskopie angelegt werden (%2).</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue failed its check.</source>
        <translation>Die komprimierte Kopie des Katalogs hat die Prüfung nicht bestanden.</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be given the catalogue&apos;s permissions.</source>
        <translation>Die komprimierte Kopie des Katalogs konnte nicht die Zugriffsrechte des Katalogs erhalten.</translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be written to the disk.</source>
        <translation>Die komprimierte Kopie des Katalogs konnte nicht auf den Datenträger geschrieben werden.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted or moved while it was being compacted. It has not been made again.</source>
        <translation>Der Katalog &apos;%1&apos; wurde nicht komprimiert: Die Datei wurde während des Komprimierens gelöscht oder verschoben. Sie wurde nicht wiederhergestellt.</translation>
    </message>
    <message>
        <source>The compacted catalogue could not replace %1</source>
        <translation>Der komprimierte Katalog konnte %1 nicht ersetzen</translation>
    </message>
    <message>
        <source>The compacted catalogue could not be opened again: %1</source>
        <translation>Der komprimierte Katalog konnte nicht erneut geöffnet werden: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueSession</name>
    <message>
        <source>Database Must Be Converted</source>
        <translation>Datenbank muss umgewandelt werden</translation>
    </message>
    <message>
        <source>This catalogue was made by an earlier version of Cinelog and must be converted.</source>
        <translation>Dieser Katalog wurde mit einer früheren Version von Cinelog erstellt und muss umgewandelt werden.</translation>
    </message>
    <message>
        <source>The catalogue was not converted, so it cannot be opened. The file has not been changed.</source>
        <translation>Der Katalog wurde nicht umgewandelt und kann daher nicht geöffnet werden. Die Datei wurde nicht verändert.</translation>
    </message>
    <message>
        <source>I have to convert your database to the new format!</source>
        <translation>Ihre Datenbank muss in das neue Format umgewandelt werden!</translation>
    </message>
    <message>
        <source>This question database already exists.<byte value="xd"/>Are you sure you want to overwrite it?</source>
        <translation>Diese Datenbank existiert bereits.<byte value="xd"/>Möchten Sie sie wirklich überschreiben?</translation>
    </message>
    <message>
        <source>Create Database</source>
        <translation>Datenbank erstellen</translation>
    </message>
    <message>
        <source>The catalogue has been converted. The original file is kept as &apos;%1&apos;.</source>
        <translation>Der Katalog wurde umgewandelt. Die ursprüngliche Datei wird als &apos;%1&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>Update Complete!</source>
        <translation>Aktualisierung abgeschlossen!</translation>
    </message>
    <message>
        <source>Update Complete.  Now we&apos;ll load the updated database...</source>
        <translation>Aktualisierung abgeschlossen.  Jetzt wird die aktualisierte Datenbank geladen...</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
</context>
<context>
    <name>CatalogueWatch</name>
    <message>
        <source>No catalogue is open.</source>
        <translation>Es ist kein Katalog geöffnet.</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was checked from end to end: no damage was found.</source>
        <translation>Der Katalog &apos;%1&apos; wurde vollständig geprüft: Es wurden keine Schäden gefunden.</translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation>Katalog prüfen</translation>
    </message>
    <message>
        <source>Recover what can still be read into a new catalogue now?</source>
        <translation>Jetzt alles noch Lesbare in einen neuen Katalog retten?</translation>
    </message>
    <message>
        <source>Catalogue Damaged</source>
        <translation>Katalog beschädigt</translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation> (gerettet)</translation>
    </message>
    <message>
        <source>Save the Recovered Catalogue As</source>
        <translation>Geretteten Katalog speichern unter</translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation>Cinelog-Kataloge (*.cnlg)</translation>
    </message>
    <message>
        <source>The recovered catalogue needs a file of its own: the damaged one is kept as it is.</source>
        <translation>Der gerettete Katalog braucht eine eigene Datei: Die beschädigte bleibt unverändert.</translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation>Katalog retten</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be replaced: choose another name for the recovered catalogue.</source>
        <translation>&apos;%1&apos; kann nicht ersetzt werden: Wählen Sie einen anderen Namen für den geretteten Katalog.</translation>
    </message>
    <message>
        <source>Nothing could be recovered from &apos;%1&apos;.

%2

The damaged file is as it was; a backup may hold your catalogue (File &gt; Restore from Backup).</source>
        <translation>Aus &apos;%1&apos; konnte nichts gerettet werden.

%2

Die beschädigte Datei ist unverändert; vielleicht enthält eine Sicherung Ihren Katalog (Datei &gt; Aus Sicherung wiederherstellen).</translation>
    </message>
    <message>
        <source>Open the recovered catalogue now?</source>
        <translation>Den geretteten Katalog jetzt öffnen?</translation>
    </message>
    <message>
        <source>Catalogue Recovered</source>
        <translation>Katalog gerettet</translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2).

It stays open for reading only: nothing more is written to it, and the file itself is left as it is.</source>
        <translation>Der Katalog &apos;%1&apos; ist beschädigt (%2).

Er bleibt nur zum Lesen geöffnet: Es wird nichts mehr hineingeschrieben, und die Datei selbst bleibt unverändert.</translation>
    </message>
    <message>
        <source>What could be read was saved in the new catalogue &apos;%1&apos;: %2 movies, %3 cast entries, %4 loans and %5 episodes.</source>
        <translation>Was gelesen werden konnte, wurde im neuen Katalog &apos;%1&apos; gespeichert: %2 Filme, %3 Besetzungseinträge, %4 Ausleihen und %5 Episoden.</translation>
    </message>
    <message>
        <source>Some parts of the damaged file could not be read: compare the new catalogue with your last backup before you rely on it.</source>
        <translation>Einige Teile der beschädigten Datei konnten nicht gelesen werden: Vergleichen Sie den neuen Katalog mit Ihrer letzten Sicherung, bevor Sie sich auf ihn verlassen.</translation>
    </message>
    <message>
        <source>Another program put a different file in the place of the catalogue &apos;%1&apos; (for example by restoring a backup or compacting it). The catalogue has been opened again and shows what that file holds now.</source>
        <translation>Ein anderes Programm hat eine andere Datei an die Stelle des Katalogs &apos;%1&apos; gesetzt (zum Beispiel durch Wiederherstellen einer Sicherung oder Komprimieren). Der Katalog wurde erneut geöffnet und zeigt, was diese Datei jetzt enthält.</translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program. What is shown can still be read, but nothing can be saved to it: open the catalogue again from where it is now.</source>
        <translation>Die Katalogdatei &apos;%1&apos; wurde von einem anderen Programm gelöscht oder verschoben. Das Angezeigte kann noch gelesen, aber nichts mehr darin gespeichert werden: Öffnen Sie den Katalog erneut an seinem jetzigen Ort.</translation>
    </message>
</context>
<context>
    <name>ChangeConflict</name>
    <message>
        <source>Another program changed %1 after it was shown here.

Yes: show it as it is stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave it as it is stored.</source>
        <translation>Ein anderes Programm hat %1 geändert, nachdem es hier angezeigt wurde.

Ja: so anzeigen, wie es jetzt gespeichert ist (Ihre Änderung hier wird verworfen).
Nein: Ihre Änderung über die andere schreiben.
Abbrechen: so lassen, wie es gespeichert ist.</translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation>Anderswo geändert</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Catalogue the movies you own on disc or tape.</source>
        <translation>Katalogisieren Sie Ihre Filme auf Disc oder Kassette.</translation>
    </message>
    <message>
        <source>A catalogue (.cnlg) to open.</source>
        <translation>Ein zu öffnender Katalog (.cnlg).</translation>
    </message>
    <message>
        <source>Only one catalogue can be opened at a time; %1 were given.</source>
        <translation>Es kann nur ein Katalog zugleich geöffnet werden; angegeben wurden %1.</translation>
    </message>
</context>
<context>
    <name>CommunityBusy</name>
    <message>
        <source>The community server is busy, try later.</source>
        <translation>Der Community-Server ist ausgelastet, versuchen Sie es später.</translation>
    </message>
</context>
<context>
    <name>CommunityCommands</name>
    <message>
        <source>Choose a saved movie in the list to upload it.</source>
        <translation>Wählen Sie einen gespeicherten Film in der Liste, um ihn hochzuladen.</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Uploading %1...</source>
        <translation>%1 wird hochgeladen...</translation>
    </message>
    <message>
        <source>%1 has been uploaded!<byte value="xd"/>Thank you for supporting the Cinelog community!</source>
        <translation>%1 wurde hochgeladen!<byte value="xd"/>Vielen Dank, dass Sie die Cinelog-Community unterstützen!</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=...</source>
        <extracomment>an example connection: keep the names before each &quot;=&quot;</extracomment>
        <translation>DRIVER=...;SERVER=...;PORT=3306;DATABASE=...;UID=...;PWD=...</translation>
    </message>
    <message>
        <source>The ODBC connection string of the community server used by &quot;Get Movie Info&quot; and &quot;Upload&quot;.</source>
        <translation>Die ODBC-Verbindungszeichenfolge des Community-Servers, den „Filminfos abrufen“ und „Hochladen“ verwenden.</translation>
    </message>
    <message>
        <source>Community connection:</source>
        <translation>Community-Verbindung:</translation>
    </message>
    <message>
        <source>The system&apos;s certificate authorities</source>
        <translation>Die Zertifizierungsstellen des Systems</translation>
    </message>
    <message>
        <source>The certificate authority file (.pem) of your community server, from its operator. The connection is encrypted, and the server&apos;s certificate must be signed by it.</source>
        <translation>Die Datei der Zertifizierungsstelle (.pem) Ihres Community-Servers, erhältlich beim Betreiber. Die Verbindung ist verschlüsselt, und das Zertifikat des Servers muss damit signiert sein.</translation>
    </message>
    <message>
        <source>Community CA file</source>
        <translation>CA-Datei der Community</translation>
    </message>
    <message>
        <source>Choose the CA file</source>
        <translation>CA-Datei auswählen</translation>
    </message>
    <message>
        <source>Choose the community CA file</source>
        <translation>CA-Datei der Community auswählen</translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation>Zertifikate (*.pem *.crt *.cer);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Community CA file:</source>
        <translation>CA-Datei der Community:</translation>
    </message>
</context>
<context>
    <name>CommunityConnection</name>
    <message>
        <source>The ODBC database driver of Qt is not installed (package libqt6sql6-odbc).</source>
        <translation>Der ODBC-Datenbanktreiber von Qt ist nicht installiert (Paket libqt6sql6-odbc).</translation>
    </message>
    <message>
        <source>Could not connect to the community server %1: %2</source>
        <extracomment>%2 says why, starting in lower case</extracomment>
        <translation>Keine Verbindung zum Community-Server %1: %2</translation>
    </message>
    <message>
        <source>the CA file %1 cannot be read. Choose the CA file of your community server in Options (&quot;Community CA file&quot;).</source>
        <translation>die CA-Datei %1 kann nicht gelesen werden. Wählen Sie die CA-Datei Ihres Community-Servers in den Optionen („CA-Datei der Community“).</translation>
    </message>
    <message>
        <source>against the certificate authorities of this system</source>
        <translation>anhand der Zertifizierungsstellen dieses Systems</translation>
    </message>
    <message>
        <source>against the CA file %1</source>
        <translation>anhand der CA-Datei %1</translation>
    </message>
    <message>
        <source>its certificate could not be verified %1 (%2), so it may not be the server it claims to be. Choose the CA file your server&apos;s operator gave you in Options (&quot;Community CA file&quot;).</source>
        <translation>sein Zertifikat konnte %1 nicht geprüft werden (%2), daher ist er vielleicht nicht der Server, der er zu sein vorgibt. Wählen Sie die CA-Datei, die Sie vom Betreiber Ihres Servers erhalten haben, in den Optionen („CA-Datei der Community“).</translation>
    </message>
    <message>
        <source>no encrypted connection could be made (%1). Check the CA file in Options; a server that offers no encryption needs its operator to turn it on.</source>
        <translation>es konnte keine verschlüsselte Verbindung hergestellt werden (%1). Prüfen Sie die CA-Datei in den Optionen; bei einem Server ohne Verschlüsselung muss der Betreiber sie einschalten.</translation>
    </message>
    <message>
        <source>it refused the account (%1). Check the user name (UID) and password (PWD) in Options; member accounts also need an encrypted connection.</source>
        <translation>er hat das Konto abgelehnt (%1). Prüfen Sie Benutzername (UID) und Passwort (PWD) in den Optionen; Mitgliedskonten brauchen außerdem eine verschlüsselte Verbindung.</translation>
    </message>
    <message>
        <source>%1. Check that the server is running and that SERVER and PORT in Options are right.</source>
        <translation>%1. Prüfen Sie, ob der Server läuft und ob SERVER und PORT in den Optionen stimmen.</translation>
    </message>
    <message>
        <source>The community server %1 refused a change (%2): members may add records and fill empty fields only.</source>
        <translation>Der Community-Server %1 hat eine Änderung abgelehnt (%2): Mitglieder dürfen nur Einträge hinzufügen und leere Felder ausfüllen.</translation>
    </message>
    <message>
        <source>The community server %1 runs an older version of the exchange (%2). Ask its operator to load the current schema.sql.</source>
        <translation>Auf dem Community-Server %1 läuft eine ältere Version des Austauschs (%2). Bitten Sie den Betreiber, die aktuelle schema.sql zu laden.</translation>
    </message>
    <message>
        <source>The connection to the community server %1 was lost (%2). Try again; if it happens again, check that the server is running.</source>
        <translation>Die Verbindung zum Community-Server %1 ist abgebrochen (%2). Versuchen Sie es erneut; geschieht es wieder, prüfen Sie, ob der Server läuft.</translation>
    </message>
    <message>
        <source>The community server %1 failed: %2</source>
        <translation>Der Community-Server %1 hat einen Fehler gemeldet: %2</translation>
    </message>
    <message>
        <source>The community server %1 gave no usable number for a new record.</source>
        <translation>Der Community-Server %1 hat keine brauchbare Nummer für einen neuen Eintrag geliefert.</translation>
    </message>
    <message>
        <source>The community server %1 gave no usable lock names.</source>
        <translation>Der Community-Server %1 hat keine brauchbaren Sperrnamen geliefert.</translation>
    </message>
</context>
<context>
    <name>CommunityExchange</name>
    <message>
        <source>The community record %1 no longer exists.</source>
        <translation>Der Community-Eintrag %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>The movie to fill in is no longer in the catalogue.</source>
        <translation>Der auszufüllende Film ist nicht mehr im Katalog.</translation>
    </message>
    <message>
        <source>Movie %1 is no longer in the catalogue.</source>
        <translation>Film %1 ist nicht mehr im Katalog.</translation>
    </message>
    <message>
        <source>Movie %1</source>
        <translation>Film %1</translation>
    </message>
    <message>
        <source>%1 of %2 movies have been uploaded.</source>
        <translation>%1 von %2 Filmen wurden hochgeladen.</translation>
    </message>
    <message>
        <source>These could not be uploaded:</source>
        <translation>Diese konnten nicht hochgeladen werden:</translation>
    </message>
    <message>
        <source>... and %1 more (all of them are in the error log).</source>
        <translation>... und %1 weitere (alle stehen im Fehlerprotokoll).</translation>
    </message>
    <message>
        <source>%1 movies were not tried; upload them again later.</source>
        <translation>%1 Filme wurden nicht versucht; laden Sie sie später erneut hoch.</translation>
    </message>
</context>
<context>
    <name>CommunitySearch</name>
    <message>
        <source>Searching Cinelog...</source>
        <translation>Cinelog wird durchsucht...</translation>
    </message>
</context>
<context>
    <name>CommunitySettings</name>
    <message>
        <source>The community exchange is not set up yet.<byte value="xd"/><byte value="xd"/>Open Options and enter the connection of your community server in the box &quot;Community connection&quot;, for example:<byte value="xd"/>DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;SERVER=host;PORT=3306;DATABASE=name;UID=user;PWD=password<byte value="xd"/><byte value="xd"/>To try the exchange on this computer, run scripts/community-server start FOLDER and paste the connection it prints.</source>
        <translation>Der Community-Austausch ist noch nicht eingerichtet.<byte value="xd"/><byte value="xd"/>Öffnen Sie die Optionen und tragen Sie die Verbindung Ihres Community-Servers in das Feld „Community-Verbindung“ ein, zum Beispiel:<byte value="xd"/>DRIVER=/usr/lib/x86_64-linux-gnu/odbc/libmaodbc.so;SERVER=host;PORT=3306;DATABASE=name;UID=user;PWD=password<byte value="xd"/><byte value="xd"/>Um den Austausch auf diesem Computer auszuprobieren, führen Sie scripts/community-server start ORDNER aus und fügen die ausgegebene Verbindung ein.</translation>
    </message>
    <message>
        <source>Community Exchange</source>
        <translation>Community-Austausch</translation>
    </message>
</context>
<context>
    <name>CoverPictures</name>
    <message>
        <source>The picture file is too large to store as a cover (%1 MB at most).</source>
        <translation>Die Bilddatei ist zu groß, um als Cover gespeichert zu werden (höchstens %1 MB).</translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation>Zugriff verweigert: %1</translation>
    </message>
    <message>
        <source>The picture file is empty: %1</source>
        <translation>Die Bilddatei ist leer: %1</translation>
    </message>
    <message>
        <source>The picture is too large to store as a cover.</source>
        <translation>Das Bild ist zu groß, um als Cover gespeichert zu werden.</translation>
    </message>
    <message>
        <source>No movie with ID %1.</source>
        <translation>Kein Film mit der ID %1.</translation>
    </message>
    <message>
        <source>The movie has no cover picture.</source>
        <translation>Der Film hat kein Coverbild.</translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation>Ungültiges Bild</translation>
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
        <translation>Die Gesamtzahl der Ergebnisse kann nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Unable to retrieve the item list.</source>
        <translation>Die Artikelliste kann nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>Matches were found, but none of them contained an image.</source>
        <translation>Es wurden Treffer gefunden, aber keiner davon enthielt ein Bild.</translation>
    </message>
    <message>
        <source>Unable to retrieve the total number of pages.</source>
        <translation>Die Gesamtzahl der Seiten kann nicht abgerufen werden.</translation>
    </message>
    <message>
        <source>User initialized stop.</source>
        <translation>Vom Benutzer angehalten.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>CoverSource</name>
    <message>
        <source>Amazon product search (CoverfetchCore)</source>
        <translation>Amazon-Produktsuche (CoverfetchCore)</translation>
    </message>
    <message>
        <source>The Movie Database (TMDb)</source>
        <translation>The Movie Database (TMDb)</translation>
    </message>
    <message>
        <source>Where &quot;Search for Covers&quot; looks for cover pictures.</source>
        <translation>Wo „Nach Covern suchen“ nach Coverbildern sucht.</translation>
    </message>
    <message>
        <source>Your TMDb API key or API read access token</source>
        <translation>Ihr TMDb-API-Schlüssel oder API-Lesezugriffstoken</translation>
    </message>
    <message>
        <source>TMDb gives a free key for personal use with an account at themoviedb.org. Used by the cover search (when TMDb is its source) and by Get Movie Details.</source>
        <translation>TMDb vergibt mit einem Konto bei themoviedb.org einen kostenlosen Schlüssel für den privaten Gebrauch. Wird von der Coversuche (wenn TMDb die Quelle ist) und von „Filmdetails abrufen“ verwendet.</translation>
    </message>
    <message>
        <source>Cover source:</source>
        <translation>Cover-Quelle:</translation>
    </message>
    <message>
        <source>TMDb API key:</source>
        <translation>TMDb-API-Schlüssel:</translation>
    </message>
</context>
<context>
    <name>CoverWall</name>
    <message>
        <source>Movie covers</source>
        <translation>Filmcover</translation>
    </message>
</context>
<context>
    <name>CoverWallPane</name>
    <message>
        <source>Cover si&amp;ze:</source>
        <translation>Cover&amp;größe:</translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation>Covergröße</translation>
    </message>
    <message>
        <source>Size of the covers (Ctrl + mouse wheel)</source>
        <translation>Größe der Cover (Strg + Mausrad)</translation>
    </message>
    <message>
        <source>Covers</source>
        <translation>Cover</translation>
    </message>
</context>
<context>
    <name>CoverfetchMain</name>
    <message>
        <source>The XML parser was not instantiated correctly.</source>
        <translation>Der XML-Parser wurde nicht richtig erzeugt.</translation>
    </message>
    <message>
        <source>The XML parser was unable to load the requested document.</source>
        <translation>Der XML-Parser konnte das angeforderte Dokument nicht laden.</translation>
    </message>
    <message>
        <source>Amazon Web Services returned an error.</source>
        <translation>Amazon Web Services hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Unable to check the validity of the Amazon Web Services request.</source>
        <translation>Die Gültigkeit der Anfrage an Amazon Web Services kann nicht geprüft werden.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to query Amazon Web Services.</source>
        <translation>Bei der Abfrage von Amazon Web Services ist ein Laufzeitfehler aufgetreten.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to parse the Amazon Web Services response.</source>
        <translation>Beim Auswerten der Antwort von Amazon Web Services ist ein Laufzeitfehler aufgetreten.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to validate the Amazon Web Services query.</source>
        <translation>Beim Prüfen der Anfrage an Amazon Web Services ist ein Laufzeitfehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>Episodes</name>
    <message>
        <source>The episodes of this movie were changed by another program after they were shown here.</source>
        <translation>Die Episoden dieses Films wurden von einem anderen Programm geändert, nachdem sie hier angezeigt wurden.</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>Entweder BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht. Der angeforderte Vorgang erfordert einen aktuellen Datensatz.</translation>
    </message>
</context>
<context>
    <name>ErrorLog</name>
    <message>
        <source>Error %1 %2</source>
        <translation>Fehler %1 %2</translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>This error has been logged.</source>
        <translation>%1<byte value="xd"/>Dieser Fehler wurde protokolliert.</translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Out of memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation>Interner Fehler</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>The export to &quot;%1&quot; failed: %2</source>
        <translation>Der Export nach „%1“ ist fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>the cover of movie %1 could not be saved.</source>
        <translation>das Cover von Film %1 konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>the file could not be created (zip error %1).</source>
        <translation>die Datei konnte nicht angelegt werden (ZIP-Fehler %1).</translation>
    </message>
    <message>
        <source>the sheet could not be written (zip error %1).</source>
        <translation>das Arbeitsblatt konnte nicht geschrieben werden (ZIP-Fehler %1).</translation>
    </message>
    <message>
        <source>the file could not be completed (zip error %1).</source>
        <translation>die Datei konnte nicht fertiggestellt werden (ZIP-Fehler %1).</translation>
    </message>
    <message>
        <source>%1 could not be written (zip error %2).</source>
        <translation>%1 konnte nicht geschrieben werden (ZIP-Fehler %2).</translation>
    </message>
    <message>
        <source>the workbook writer %1 could not be started: %2</source>
        <translation>das Arbeitsmappen-Schreibprogramm %1 konnte nicht gestartet werden: %2</translation>
    </message>
    <message>
        <source>the workbook writer did not finish.</source>
        <translation>das Arbeitsmappen-Schreibprogramm wurde nicht fertig.</translation>
    </message>
    <message>
        <source>the workbook writer stopped: %1</source>
        <translation>das Arbeitsmappen-Schreibprogramm hat angehalten: %1</translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Movies</source>
        <translation>Filme exportieren</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message numerus="yes">
        <source>The whole catalogue (%n movies)</source>
        <translation>
            <numerusform>Der ganze Katalog (%n Film)</numerusform>
            <numerusform>Der ganze Katalog (%n Filme)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the list (%n)</source>
        <translation>
            <numerusform>Die Filme in der Liste (%n)</numerusform>
            <numerusform>Die Filme in der Liste (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The search results (%n)</source>
        <translation>
            <numerusform>Die Suchergebnisse (%n)</numerusform>
            <numerusform>Die Suchergebnisse (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>CSV (comma-separated text, UTF-8)</source>
        <translation>CSV (kommagetrennter Text, UTF-8)</translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)</source>
        <translation>Excel-Arbeitsmappe (.xlsx)</translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation>OpenDocument-Tabelle (.ods)</translation>
    </message>
    <message>
        <source>HTML catalogue (web page with cover pictures)</source>
        <translation>HTML-Katalog (Webseite mit Coverbildern)</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format:</translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation>&amp;Datei:</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>One line per movie with a heading line; opens in any spreadsheet program and imports back.</source>
        <translation>Eine Zeile pro Film mit Überschriftenzeile; öffnet sich in jeder Tabellenkalkulation und lässt sich wieder importieren.</translation>
    </message>
    <message>
        <source>One worksheet, one row per movie; imports back into a catalogue.</source>
        <translation>Ein Arbeitsblatt, eine Zeile pro Film; lässt sich wieder in einen Katalog importieren.</translation>
    </message>
    <message>
        <source>A page that opens in any web browser, also offline and on a phone; click a heading to sort. The cover pictures go into a folder beside it.</source>
        <translation>Eine Seite, die sich in jedem Webbrowser öffnet, auch offline und auf dem Handy; zum Sortieren auf eine Überschrift klicken. Die Coverbilder kommen in einen Ordner daneben.</translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation>%1-Dateien (*.%2)</translation>
    </message>
</context>
<context>
    <name>ImportField</name>
    <message>
        <source>Movie Title:</source>
        <translation>Filmtitel:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Actor 1:</source>
        <translation>Darsteller 1:</translation>
    </message>
    <message>
        <source>Actor 2:</source>
        <translation>Darsteller 2:</translation>
    </message>
    <message>
        <source>Actor 3:</source>
        <translation>Darsteller 3:</translation>
    </message>
    <message>
        <source>Actor 4:</source>
        <translation>Darsteller 4:</translation>
    </message>
    <message>
        <source>Genre 1:</source>
        <translation>Genre 1:</translation>
    </message>
    <message>
        <source>Genre 2:</source>
        <translation>Genre 2:</translation>
    </message>
    <message>
        <source>Genre 3:</source>
        <translation>Genre 3:</translation>
    </message>
    <message>
        <source>Medium (DVD or Video):</source>
        <translation>Medium (DVD oder Video):</translation>
    </message>
    <message>
        <source>Format (Wide/Full Screen):</source>
        <translation>Format (Breitbild/Vollbild):</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Freigabe:</translation>
    </message>
    <message>
        <source>Release Year:</source>
        <translation>Erscheinungsjahr:</translation>
    </message>
    <message>
        <source>Running Time (in minutes):</source>
        <translation>Laufzeit (in Minuten):</translation>
    </message>
    <message>
        <source>Num of Discs/Tapes:</source>
        <translation>Anzahl Discs/Kassetten:</translation>
    </message>
    <message>
        <source>Sort Key:</source>
        <translation>Sortiertitel:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Eigene Bewertung:</translation>
    </message>
    <message>
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message>
        <source>Episode Disc:</source>
        <translation>Episoden-Disc:</translation>
    </message>
    <message>
        <source>Cast:</source>
        <translation>Besetzung:</translation>
    </message>
    <message>
        <source>Episodes:</source>
        <translation>Episoden:</translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>Abgelehnt: %1</translation>
    </message>
    <message>
        <source>Already in the catalogue: skipped</source>
        <translation>Bereits im Katalog: übersprungen</translation>
    </message>
    <message>
        <source>Already in the catalogue: imported again</source>
        <translation>Bereits im Katalog: erneut importiert</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importiert</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>Actor 1</source>
        <translation>Darsteller 1</translation>
    </message>
    <message>
        <source>Actor 2</source>
        <translation>Darsteller 2</translation>
    </message>
    <message>
        <source>Actor 3</source>
        <translation>Darsteller 3</translation>
    </message>
    <message>
        <source>Actor 4</source>
        <translation>Darsteller 4</translation>
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
        <translation>Medium</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Discs</source>
        <translation>Discs</translation>
    </message>
    <message>
        <source>Sort Key</source>
        <translation>Sortiertitel</translation>
    </message>
    <message>
        <source>User Rating</source>
        <translation>Eigene Bewertung</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation>Episoden-Disc</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Besetzung</translation>
    </message>
    <message>
        <source>Episodes</source>
        <translation>Episoden</translation>
    </message>
</context>
<context>
    <name>JetImport</name>
    <message>
        <source>Converting the catalogue...</source>
        <translation>Katalog wird umgewandelt...</translation>
    </message>
    <message>
        <source>It has no Movies table, so it is not a Cinelog catalogue.</source>
        <translation>Sie hat keine Tabelle „Movies“ und ist daher kein Cinelog-Katalog.</translation>
    </message>
    <message>
        <source>Row %1 of table %2 has %3 values for %4 columns.</source>
        <translation>Zeile %1 der Tabelle %2 hat %3 Werte für %4 Spalten.</translation>
    </message>
    <message>
        <source>Row %1 of table %2 could not be converted: %3</source>
        <translation>Zeile %1 der Tabelle %2 konnte nicht umgewandelt werden: %3</translation>
    </message>
    <message>
        <source>The original could not be kept as &apos;%1&apos;: %2.</source>
        <translation>Das Original konnte nicht als &apos;%1&apos; aufbewahrt werden: %2.</translation>
    </message>
    <message>
        <source>Every backup name for &apos;%1&apos; is taken.</source>
        <translation>Alle Sicherungsnamen für &apos;%1&apos; sind vergeben.</translation>
    </message>
    <message>
        <source>The converted catalogue could not be created in &apos;%1&apos;: %2</source>
        <translation>Der umgewandelte Katalog konnte nicht in &apos;%1&apos; angelegt werden: %2</translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check: %1</source>
        <translation>Der umgewandelte Katalog hat die Integritätsprüfung nicht bestanden: %1</translation>
    </message>
    <message>
        <source>The converted catalogue could not take the place of &apos;%1&apos;: %2.</source>
        <translation>Der umgewandelte Katalog konnte nicht an die Stelle von &apos;%1&apos; treten: %2.</translation>
    </message>
</context>
<context>
    <name>JetReader</name>
    <message>
        <source>The Jet database &apos;%1&apos; has no table &apos;%2&apos;.</source>
        <translation>Die Jet-Datenbank &apos;%1&apos; hat keine Tabelle &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>Die Tabelle &apos;%1&apos; von &apos;%2&apos; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The columns of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>Die Spalten der Tabelle &apos;%1&apos; von &apos;%2&apos; konnten nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A long value in table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>Ein langer Wert in der Tabelle &apos;%1&apos; von &apos;%2&apos; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation>Eine Zeile der Tabelle &apos;%1&apos; von &apos;%2&apos; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; is damaged.</source>
        <translation>Eine Zeile der Tabelle &apos;%1&apos; von &apos;%2&apos; ist beschädigt.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a Jet database.</source>
        <translation>&apos;%1&apos; ist keine Jet-Datenbank.</translation>
    </message>
    <message>
        <source>The Jet database &apos;%1&apos; could not be opened.</source>
        <translation>Die Jet-Datenbank &apos;%1&apos; konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The table list of the Jet database &apos;%1&apos; could not be read.</source>
        <translation>Die Tabellenliste der Jet-Datenbank &apos;%1&apos; konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Only one table of &apos;%1&apos; is read at a time.</source>
        <translation>Von &apos;%1&apos; wird jeweils nur eine Tabelle gelesen.</translation>
    </message>
</context>
<context>
    <name>Loans</name>
    <message>
        <source>All Loaned Movies</source>
        <translation>Alle verliehenen Filme</translation>
    </message>
    <message>
        <source>Movies Loaned Out</source>
        <translation>Verliehene Filme</translation>
    </message>
    <message>
        <source>Returned Movies</source>
        <translation>Zurückgegebene Filme</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>This loan was changed or removed by another program after it was shown here.</source>
        <translation>Diese Ausleihe wurde von einem anderen Programm geändert oder entfernt, nachdem sie hier angezeigt wurde.</translation>
    </message>
</context>
<context>
    <name>LoansWindows</name>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Filmliste wird aktualisiert...</translation>
    </message>
</context>
<context>
    <name>Migrations</name>
    <message>
        <source>Adding %1 to the database...</source>
        <translation>%1 wird der Datenbank hinzugefügt...</translation>
    </message>
    <message>
        <source>Adding the new Episodes Table to the database...</source>
        <translation>Die neue Episodentabelle wird der Datenbank hinzugefügt...</translation>
    </message>
</context>
<context>
    <name>MovieDetails</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year of Release</source>
        <translation>Erscheinungsjahr</translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation>Laufzeit</translation>
    </message>
    <message>
        <source>Genres</source>
        <translation>Genres</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation>%1 als %2</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Besetzung</translation>
    </message>
    <message numerus="yes">
        <source>%n actor(s)</source>
        <translation>
            <numerusform>%n Darsteller</numerusform>
            <numerusform>%n Darsteller</numerusform>
        </translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation>Webadresse</translation>
    </message>
    <message>
        <source>Cover</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>(a picture)</source>
        <translation>(ein Bild)</translation>
    </message>
    <message>
        <source>Poster (%1)</source>
        <translation>Poster (%1)</translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation>Die Anfrage wurde abgebrochen.</translation>
    </message>
    <message>
        <source>No API key for %1 is set. Get a free key with an account at themoviedb.org (Settings &gt; API) and enter it in Options &gt; Edit Options &gt; &quot;TMDb API key&quot;.</source>
        <translation>Für %1 ist kein API-Schlüssel eingestellt. Holen Sie sich mit einem Konto bei themoviedb.org (Settings &gt; API) einen kostenlosen Schlüssel und tragen Sie ihn unter Optionen &gt; Optionen bearbeiten &gt; „TMDb-API-Schlüssel“ ein.</translation>
    </message>
    <message>
        <source>%1 refused the API key. Check the key in Options &gt; Edit Options &gt; &quot;TMDb API key&quot; (an API key or an API read access token from your account&apos;s API settings).</source>
        <translation>%1 hat den API-Schlüssel abgelehnt. Prüfen Sie den Schlüssel unter Optionen &gt; Optionen bearbeiten &gt; „TMDb-API-Schlüssel“ (ein API-Schlüssel oder ein API-Lesezugriffstoken aus den API-Einstellungen Ihres Kontos).</translation>
    </message>
    <message>
        <source>%1 could not be reached. Check the network connection and try again.</source>
        <translation>%1 ist nicht erreichbar. Prüfen Sie die Netzwerkverbindung und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 did not answer in time. Try again later.</source>
        <translation>%1 hat nicht rechtzeitig geantwortet. Versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>%1 is busy (too many requests). Wait a minute and try again.</source>
        <translation>%1 ist ausgelastet (zu viele Anfragen). Warten Sie eine Minute und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>%1 does not know this movie (any more). Search for it again.</source>
        <translation>%1 kennt diesen Film nicht (mehr). Suchen Sie erneut danach.</translation>
    </message>
    <message>
        <source>%1 answered with an error. Try again later; if it persists, the service may have changed.</source>
        <translation>%1 hat mit einem Fehler geantwortet. Versuchen Sie es später erneut; bleibt der Fehler, hat sich der Dienst vielleicht geändert.</translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation>Details: %1</translation>
    </message>
    <message>
        <source>No movie-information plug-in was found in %1.</source>
        <translation>In %1 wurde kein Plug-in für Filminformationen gefunden.</translation>
    </message>
    <message>
        <source>The movie is no longer in the catalogue.</source>
        <translation>Der Film ist nicht mehr im Katalog.</translation>
    </message>
    <message>
        <source>%1.%2 is not a pick list.</source>
        <translation>%1.%2 ist keine Auswahlliste.</translation>
    </message>
</context>
<context>
    <name>MovieDetailsCommands</name>
    <message>
        <source>Get Movie &amp;Details...</source>
        <translation>Film&amp;details abrufen...</translation>
    </message>
    <message>
        <source>Fill the movie&apos;s empty fields from The Movie Database (TMDb)</source>
        <translation>Die leeren Felder des Films aus The Movie Database (TMDb) ausfüllen</translation>
    </message>
    <message>
        <source>New Movie from &amp;TMDb...</source>
        <translation>Neuer Film von &amp;TMDb...</translation>
    </message>
    <message>
        <source>Type a title, pick the movie, and it is saved with its details</source>
        <translation>Titel eingeben, Film auswählen – er wird mit seinen Details gespeichert</translation>
    </message>
    <message>
        <source>&amp;Fill Details for Movies...</source>
        <translation>Details mehrerer Filme aus&amp;füllen...</translation>
    </message>
    <message>
        <source>Fill the details of many movies from The Movie Database (TMDb)</source>
        <translation>Die Details vieler Filme aus The Movie Database (TMDb) ausfüllen</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Filmdetails</translation>
    </message>
    <message>
        <source>Open or create a catalogue first.</source>
        <translation>Öffnen oder erstellen Sie zuerst einen Katalog.</translation>
    </message>
    <message>
        <source>Movie details are not available: %1 Reinstall Cinelog to bring the plug-in back.</source>
        <translation>Filmdetails sind nicht verfügbar: %1 Installieren Sie Cinelog neu, um das Plug-in wiederherzustellen.</translation>
    </message>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Filmliste wird aktualisiert...</translation>
    </message>
    <message>
        <source>The poster could not be fetched; the other fields are filled.</source>
        <translation>Das Poster konnte nicht abgerufen werden; die übrigen Felder sind ausgefüllt.</translation>
    </message>
    <message>
        <source>Save the movie first; then its details can be filled.</source>
        <translation>Speichern Sie zuerst den Film; dann können seine Details ausgefüllt werden.</translation>
    </message>
    <message>
        <source>New Movie from %1</source>
        <translation>Neuer Film von %1</translation>
    </message>
    <message>
        <source>Fill Details for Movies</source>
        <translation>Filmdetails ausfüllen</translation>
    </message>
    <message>
        <source>Fill the empty fields of which movies? A movie is filled without asking only when exactly one result matches its title (and year); you choose for the others afterwards.</source>
        <translation>Die leeren Felder welcher Filme ausfüllen? Ein Film wird nur dann ohne Nachfrage ausgefüllt, wenn genau ein Ergebnis zu seinem Titel (und Jahr) passt; für die anderen wählen Sie danach.</translation>
    </message>
    <message numerus="yes">
        <source>The &amp;selected movies (%n)</source>
        <translation>
            <numerusform>Die &amp;ausgewählten Filme (%n)</numerusform>
            <numerusform>Die &amp;ausgewählten Filme (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the &amp;list (%n)</source>
        <translation>
            <numerusform>Die Filme in der &amp;Liste (%n)</numerusform>
            <numerusform>Die Filme in der &amp;Liste (%n)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every movie whose details are &amp;empty (%n)</source>
        <translation>
            <numerusform>Jeder Film mit l&amp;eeren Details (%n)</numerusform>
            <numerusform>Jeder Film mit l&amp;eeren Details (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation>Aus&amp;füllen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Ausfüllen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Filling stopped: the movies before this one are filled, this one is unchanged.</source>
        <translation>Ausfüllen angehalten: Die Filme davor sind ausgefüllt, dieser ist unverändert.</translation>
    </message>
    <message>
        <source>Filled: %1
Needs your choice: %2
Not found: %3%4</source>
        <translation>Ausgefüllt: %1
Ihre Auswahl nötig: %2
Nicht gefunden: %3%4</translation>
    </message>
    <message>
        <source>
Already filled before (skipped): %1</source>
        <translation>
Bereits vorher ausgefüllt (übersprungen): %1</translation>
    </message>
    <message numerus="yes">
        <source>The movies found by the sea&amp;rch (%n)</source>
        <translation>
            <numerusform>Die von der Suche &amp;gefundenen Filme (%n)</numerusform>
            <numerusform>Die von der Suche &amp;gefundenen Filme (%n)</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MovieDetailsOptions</name>
    <message>
        <source>Cast members to take</source>
        <translation>Zu übernehmende Darsteller</translation>
    </message>
    <message>
        <source>How many actors a fill takes, in billing order.</source>
        <translation>Wie viele Darsteller beim Ausfüllen übernommen werden, in der Reihenfolge des Abspanns.</translation>
    </message>
    <message>
        <source>Country of the rating</source>
        <translation>Land der Altersfreigabe</translation>
    </message>
    <message>
        <source>Two-letter country code (US, GB, DE, ...) whose certification becomes the rating; movies without one there take the US certification.</source>
        <translation>Zweibuchstabiger Ländercode (US, GB, DE, ...), dessen Altersfreigabe übernommen wird; Filme ohne Freigabe dort erhalten die US-Freigabe.</translation>
    </message>
    <message>
        <source>Language of titles and genres</source>
        <translation>Sprache der Titel und Genres</translation>
    </message>
    <message>
        <source>Language of titles, genres and overviews, as a tag such as en-US or de-DE.</source>
        <translation>Sprache der Titel, Genres und Inhaltsangaben als Kennung wie en-US oder de-DE.</translation>
    </message>
    <message>
        <source>Poster size</source>
        <translation>Postergröße</translation>
    </message>
    <message>
        <source>original</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>Width in pixels of the poster stored as the cover.</source>
        <translation>Breite des als Cover gespeicherten Posters in Pixeln.</translation>
    </message>
    <message>
        <source>Form of people&apos;s names</source>
        <translation>Schreibweise von Personennamen</translation>
    </message>
    <message>
        <source>Last, First (Reeves, Keanu)</source>
        <translation>Nachname, Vorname (Reeves, Keanu)</translation>
    </message>
    <message>
        <source>As given (Keanu Reeves)</source>
        <translation>Wie angegeben (Keanu Reeves)</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Poster size:</source>
        <translation>&amp;Postergröße:</translation>
    </message>
    <message>
        <source>Details: cast members:</source>
        <translation>Details: Darsteller:</translation>
    </message>
    <message>
        <source>Details: rating country:</source>
        <translation>Details: Land der Freigabe:</translation>
    </message>
    <message>
        <source>Details: people&apos;s names:</source>
        <translation>Details: Personennamen:</translation>
    </message>
    <message>
        <source>Seconds to wait for an answer</source>
        <translation>Sekunden Wartezeit auf eine Antwort</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>How long one request to the movie database may take before it counts as failed; raise it on a slow connection.</source>
        <translation>Wie lange eine Anfrage an die Filmdatenbank dauern darf, bevor sie als fehlgeschlagen gilt; erhöhen Sie den Wert bei einer langsamen Verbindung.</translation>
    </message>
    <message>
        <source>Details: wait for an answer:</source>
        <translation>Details: Wartezeit auf Antwort:</translation>
    </message>
</context>
<context>
    <name>MovieEditor</name>
    <message>
        <source>Movie editor</source>
        <translation>Filmeditor</translation>
    </message>
    <message>
        <source>the cast of this movie</source>
        <translation>die Besetzung dieses Films</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres:</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Filmtitel:</translation>
    </message>
    <message>
        <source>Order By:</source>
        <translation>Sortiertitel:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Freigabe:</translation>
    </message>
    <message>
        <source># in Set</source>
        <translation>Anzahl im Set</translation>
    </message>
    <message>
        <source>Year of Release:</source>
        <translation>Erscheinungsjahr:</translation>
    </message>
    <message>
        <source>Running Time:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Movie URL:</source>
        <translation>Film-URL:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Eigene Bewertung:</translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation>Episoden-Disc</translation>
    </message>
    <message>
        <source>DVD Cover:</source>
        <translation>DVD-Cover:</translation>
    </message>
    <message>
        <source>Double Click to Add Cover</source>
        <translation>Doppelklick zum Hinzufügen eines Covers</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>as</source>
        <translation>als</translation>
    </message>
    <message>
        <source>save actor</source>
        <translation>Darsteller speichern</translation>
    </message>
    <message>
        <source>remove actor</source>
        <translation>Darsteller entfernen</translation>
    </message>
    <message>
        <source>YOU PERVERT!</source>
        <translation>SIE PERVERSLING!</translation>
    </message>
    <message>
        <source>PERVERT!</source>
        <translation>PERVERSLING!</translation>
    </message>
    <message>
        <source>Error getting the information for this movie.</source>
        <translation>Fehler beim Abrufen der Informationen zu diesem Film.</translation>
    </message>
    <message>
        <source>Say What?</source>
        <translation>Wie bitte?</translation>
    </message>
    <message>
        <source>Do you want to save the current movie</source>
        <translation>Möchten Sie den aktuellen Film speichern</translation>
    </message>
    <message>
        <source>Save Record?</source>
        <translation>Datensatz speichern?</translation>
    </message>
    <message>
        <source>%1

Try again?</source>
        <translation>%1

Erneut versuchen?</translation>
    </message>
    <message>
        <source>Catalogue In Use</source>
        <translation>Katalog wird verwendet</translation>
    </message>
    <message>
        <source>Another program changed this movie after it was shown here.

Yes: show the movie as it is stored now (your changes here are dropped).
No: save your version over the other change.
Cancel: go on editing without saving.</source>
        <translation>Ein anderes Programm hat diesen Film geändert, nachdem er hier angezeigt wurde.

Ja: den Film so anzeigen, wie er jetzt gespeichert ist (Ihre Änderungen hier werden verworfen).
Nein: Ihre Fassung über die andere Änderung speichern.
Abbrechen: ohne Speichern weiter bearbeiten.</translation>
    </message>
    <message>
        <source>Movie Changed Elsewhere</source>
        <translation>Film anderswo geändert</translation>
    </message>
    <message>
        <source>Select a Cover Image:</source>
        <translation>Coverbild auswählen:</translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.png *.gif);;BMP Files (*.bmp);;JPG Files (*.jpg)</source>
        <translation>Bilder (*.bmp *.jpg *.jpeg *.png *.gif);;BMP-Dateien (*.bmp);;JPG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <source>Save Cover File..</source>
        <translation>Coverdatei speichern..</translation>
    </message>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation>BMP-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>The picture could not be written to %1</source>
        <translation>Das Bild konnte nicht nach %1 geschrieben werden</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Do you want to remove %1 from this movie?</source>
        <translation>Möchten Sie %1 aus diesem Film entfernen?</translation>
    </message>
    <message>
        <source>Delete Actor?</source>
        <translation>Darsteller entfernen?</translation>
    </message>
    <message>
        <source>DVD cover</source>
        <translation>DVD-Cover</translation>
    </message>
    <message>
        <source>Genre %1</source>
        <translation>Genre %1</translation>
    </message>
    <message>
        <source>Visit website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Cast</source>
        <translation>Besetzung</translation>
    </message>
    <message>
        <source>Role played by the actor</source>
        <translation>Vom Darsteller gespielte Rolle</translation>
    </message>
    <message>
        <source>Add actor</source>
        <translation>Darsteller hinzufügen</translation>
    </message>
    <message>
        <source>Remove actor</source>
        <translation>Darsteller entfernen</translation>
    </message>
    <message>
        <source>No cover. Press Enter to add one from a file.</source>
        <translation>Kein Cover. Drücken Sie die Eingabetaste, um eines aus einer Datei hinzuzufügen.</translation>
    </message>
    <message>
        <source>A cover is shown. Press Enter to replace it with a file.</source>
        <translation>Ein Cover wird angezeigt. Drücken Sie die Eingabetaste, um es durch eine Datei zu ersetzen.</translation>
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
        <translation>Titel</translation>
    </message>
    <message>
        <source>Order By</source>
        <translation>Sortiertitel</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
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
        <translation>Medium</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Num of Discs</source>
        <translation>Anzahl Discs</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
    <message>
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message>
        <source>NA</source>
        <translation>k. A.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Loaned To %1</source>
        <translation>Verliehen an %1</translation>
    </message>
    <message>
        <source>%1 (on loan to %2)</source>
        <translation>%1 (verliehen an %2)</translation>
    </message>
    <message>
        <source>On loan to %1</source>
        <translation>Verliehen an %1</translation>
    </message>
</context>
<context>
    <name>MovieSearch</name>
    <message>
        <source>%1 mins</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>%1 Star</source>
        <translation>%1 Stern</translation>
    </message>
    <message>
        <source>%1 Stars</source>
        <translation>%1 Sterne</translation>
    </message>
    <message>
        <source>Total Movies Found: %L1</source>
        <translation>Gefundene Filme insgesamt: %L1</translation>
    </message>
</context>
<context>
    <name>MovieStore</name>
    <message numerus="yes">
        <source>Cleaned: %n unused Actors:</source>
        <translation>
            <numerusform>Bereinigt: %n unbenutzter Darsteller:</numerusform>
            <numerusform>Bereinigt: %n unbenutzte Darsteller:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused Directors:</source>
        <translation>
            <numerusform>%n unbenutzter Regisseur:</numerusform>
            <numerusform>%n unbenutzte Regisseure:</numerusform>
        </translation>
    </message>
    <message>
        <source>This movie was changed by another program after it was shown here.</source>
        <translation>Dieser Film wurde von einem anderen Programm geändert, nachdem er hier angezeigt wurde.</translation>
    </message>
    <message>
        <source>The movie is no longer in the catalogue.</source>
        <translation>Der Film ist nicht mehr im Katalog.</translation>
    </message>
    <message>
        <source>The cast of this movie was changed by another program after it was shown here.</source>
        <translation>Die Besetzung dieses Films wurde von einem anderen Programm geändert, nachdem sie hier angezeigt wurde.</translation>
    </message>
    <message>
        <source>%1.%2 is not a pick list.</source>
        <translation>%1.%2 ist keine Auswahlliste.</translation>
    </message>
</context>
<context>
    <name>MovieTextIndex</name>
    <message>
        <source>Preparing the movies for quick filtering...</source>
        <translation>Filme werden für den Schnellfilter vorbereitet...</translation>
    </message>
    <message>
        <source>Preparing the movies for quick filtering: %1%...</source>
        <translation>Filme werden für den Schnellfilter vorbereitet: %1 %...</translation>
    </message>
    <message>
        <source>Preparing the movie list&apos;s orders: %1%...</source>
        <translation>Sortierungen der Filmliste werden vorbereitet: %1 %...</translation>
    </message>
    <message>
        <source>Preparing the actors for quick filtering...</source>
        <translation>Darsteller werden für den Schnellfilter vorbereitet...</translation>
    </message>
    <message>
        <source>Preparing the casts for quick filtering...</source>
        <translation>Besetzungen werden für den Schnellfilter vorbereitet...</translation>
    </message>
</context>
<context>
    <name>People</name>
    <message>
        <source>--- Assicated Movie ID: %1 Not Found ---</source>
        <translation>--- Zugehörige Film-ID %1 nicht gefunden ---</translation>
    </message>
    <message>
        <source>Either BOF or EOF is True, or the current record has been deleted. Requested operation requires a current record.</source>
        <translation>Entweder BOF oder EOF ist True, oder der aktuelle Datensatz wurde gelöscht. Der angeforderte Vorgang erfordert einen aktuellen Datensatz.</translation>
    </message>
</context>
<context>
    <name>PictureDownloader</name>
    <message>
        <source>Not a web address.</source>
        <translation>Keine Webadresse.</translation>
    </message>
    <message>
        <source>The download timed out.</source>
        <translation>Beim Herunterladen wurde die Zeit überschritten.</translation>
    </message>
    <message>
        <source>The picture is larger than %1 bytes.</source>
        <translation>Das Bild ist größer als %1 Byte.</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>Abgebrochen.</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Starting Up...</source>
        <translation>Wird gestartet...</translation>
    </message>
    <message>
        <source>Setting Up Defaults...</source>
        <translation>Standardwerte werden eingerichtet...</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Export...</source>
        <translation>&amp;Exportieren...</translation>
    </message>
    <message>
        <source>Back &amp;Up Catalogue...</source>
        <translation>Katalog si&amp;chern...</translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation>Aus Sicherung &amp;wiederherstellen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation>Katalog retten</translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation>Katalog prüfen</translation>
    </message>
    <message>
        <source>Catalogue Replaced</source>
        <translation>Katalog ersetzt</translation>
    </message>
    <message>
        <source>Catalogue Deleted</source>
        <translation>Katalog gelöscht</translation>
    </message>
    <message>
        <source>Cover thumbnails kept (MB)</source>
        <translation>Gespeicherte Cover-Miniaturen (MB)</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>Memory the cover wall may use for thumbnails.</source>
        <translation>Speicher, den die Coverwand für Miniaturen nutzen darf.</translation>
    </message>
    <message>
        <source>Cover thumbnails kept:</source>
        <translation>Gespeicherte Miniaturen:</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>&amp;Cover</translation>
    </message>
    <message>
        <source>Show the movies as covers (Ctrl+2); again for the list (Ctrl+1)</source>
        <translation>Filme als Cover anzeigen (Strg+2); erneut für die Liste (Strg+1)</translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation>S&amp;tatistik</translation>
    </message>
    <message>
        <source>Exporting movies...</source>
        <translation>Filme werden exportiert...</translation>
    </message>
    <message>
        <source>Export Movies</source>
        <translation>Filme exportieren</translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation>%1 ist bereits vorhanden. Ersetzen?</translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) exported to %1.</source>
        <translation>
            <numerusform>%n Film nach %1 exportiert.</numerusform>
            <numerusform>%n Filme nach %1 exportiert.</numerusform>
        </translation>
    </message>
    <message>
        <source>Back Up Catalogue</source>
        <translation>Katalog sichern</translation>
    </message>
    <message>
        <source>Cinelog catalogues (*.cnlg)</source>
        <translation>Cinelog-Kataloge (*.cnlg)</translation>
    </message>
    <message>
        <source>A backup cannot replace the catalogue itself.</source>
        <translation>Eine Sicherung kann den Katalog selbst nicht ersetzen.</translation>
    </message>
    <message>
        <source>The catalogue was copied and checked:
%1</source>
        <translation>Der Katalog wurde kopiert und geprüft:
%1</translation>
    </message>
    <message>
        <source>The backup was restored. The catalogue as it was is kept among the backups.</source>
        <translation>Die Sicherung wurde wiederhergestellt. Der bisherige Katalog wird bei den Sicherungen aufbewahrt.</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Cannot Undo</source>
        <translation>Rückgängig nicht möglich</translation>
    </message>
    <message>
        <source>Cannot Redo</source>
        <translation>Wiederholen nicht möglich</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
</context>
<context>
    <name>QuickFilter</name>
    <message>
        <source>Filter by title, sort title or director (Ctrl+K)</source>
        <translation>Nach Titel, Sortiertitel oder Regie filtern (Strg+K)</translation>
    </message>
    <message>
        <source>Quick filter</source>
        <translation>Schnellfilter</translation>
    </message>
    <message>
        <source>Shows only the movies whose title, sort title or director contain every word typed</source>
        <translation>Zeigt nur die Filme, deren Titel, Sortiertitel oder Regie jedes eingegebene Wort enthält</translation>
    </message>
    <message>
        <source>Remove this filter</source>
        <translation>Diesen Filter entfernen</translation>
    </message>
    <message>
        <source>Remove the filter: %1</source>
        <translation>Filter entfernen: %1</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1 so far, counting...</source>
        <translation>Gefundene Filme: bisher %1, Zählung läuft...</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>Keine Filme gefunden</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation>Gefundene Filme: %1</translation>
    </message>
    <message>
        <source>Filter by title, sort title, director or cast (Ctrl+K)</source>
        <translation>Nach Titel, Sortiertitel, Regie oder Besetzung filtern (Strg+K)</translation>
    </message>
    <message>
        <source>Shows only the movies whose title, sort title, director or actors contain every word typed</source>
        <translation>Zeigt nur die Filme, deren Titel, Sortiertitel, Regie oder Darsteller jedes eingegebene Wort enthalten</translation>
    </message>
    <message>
        <source>Quick filter also searches the cast</source>
        <translation>Schnellfilter durchsucht auch die Besetzung</translation>
    </message>
    <message>
        <source>Words typed into the filter above the movie list also find movies by their actors&apos; names.</source>
        <translation>Wörter im Filter über der Filmliste finden Filme auch über die Namen ihrer Darsteller.</translation>
    </message>
</context>
<context>
    <name>ReadConnection</name>
    <message>
        <source>Could not open &apos;%1&apos;: %2</source>
        <translation>&apos;%1&apos; konnte nicht geöffnet werden: %2</translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report page</source>
        <translation>Berichtsseite</translation>
    </message>
    <message>
        <source>First page (Home)</source>
        <translation>Erste Seite (Pos1)</translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation>Vorige Seite (Bild auf)</translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation>Nächste Seite (Bild ab)</translation>
    </message>
    <message>
        <source>Last page (End)</source>
        <translation>Letzte Seite (Ende)</translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation>S&amp;eite</translation>
    </message>
    <message>
        <source>Page number</source>
        <translation>Seitenzahl</translation>
    </message>
    <message>
        <source>of %1</source>
        <translation>von %1</translation>
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
        <translation>Seitenbreite</translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1 %</translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation>Als &amp;PDF speichern...</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>Ordered By:</source>
        <translation>Sortiert nach:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Rated:</source>
        <translation>Freigabe:</translation>
    </message>
    <message>
        <source>Running Time:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Release Year:</source>
        <translation>Erscheinungsjahr:</translation>
    </message>
    <message>
        <source>Num of Discs:</source>
        <translation>Anzahl Discs:</translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation>Eigene Bewertung:</translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation>Genres:</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Filmdetails</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Number of Movies: %L1</source>
        <translation>Anzahl Filme: %L1</translation>
    </message>
    <message>
        <source>Getting Movie Details...</source>
        <translation>Filmdetails werden abgerufen...</translation>
    </message>
    <message>
        <source>%1 - Movie Details</source>
        <translation>%1 - Filmdetails</translation>
    </message>
    <message>
        <source>Generating Search Report...</source>
        <translation>Suchbericht wird erstellt...</translation>
    </message>
    <message>
        <source>%1 - Movie Details by Search</source>
        <translation>%1 - Filmdetails aus der Suche</translation>
    </message>
    <message>
        <source>The movie with ID %1 is no longer in the catalogue.</source>
        <translation>Der Film mit der ID %1 ist nicht mehr im Katalog.</translation>
    </message>
    <message>
        <source>Title = %1</source>
        <translation>Titel = %1</translation>
    </message>
    <message>
        <source>Actor = %1</source>
        <translation>Darsteller = %1</translation>
    </message>
    <message>
        <source>Format = %1</source>
        <translation>Format = %1</translation>
    </message>
    <message>
        <source>Medium = %1</source>
        <translation>Medium = %1</translation>
    </message>
    <message>
        <source>Director = %1</source>
        <translation>Regie = %1</translation>
    </message>
    <message>
        <source>Genre = %1</source>
        <translation>Genre = %1</translation>
    </message>
    <message>
        <source>Rating = %1</source>
        <translation>Freigabe = %1</translation>
    </message>
    <message>
        <source>User Rating is Equal to %1</source>
        <translation>Eigene Bewertung gleich %1</translation>
    </message>
    <message>
        <source>User Rating is Less than or Equal to %1</source>
        <translation>Eigene Bewertung kleiner oder gleich %1</translation>
    </message>
    <message>
        <source>User Rating is Less than %1</source>
        <translation>Eigene Bewertung kleiner als %1</translation>
    </message>
    <message>
        <source>User Rating is Greater than %1</source>
        <translation>Eigene Bewertung größer als %1</translation>
    </message>
    <message>
        <source>User Rating is Greater than or Equal to %1</source>
        <translation>Eigene Bewertung größer oder gleich %1</translation>
    </message>
    <message>
        <source>User Rating is %1</source>
        <translation>Eigene Bewertung ist %1</translation>
    </message>
    <message>
        <source>Search Criteria: %1.
Movies Found: %2</source>
        <translation>Suchkriterien: %1.
Gefundene Filme: %2</translation>
    </message>
    <message>
        <source>Save Movie Details Report</source>
        <translation>Filmdetailbericht speichern</translation>
    </message>
    <message>
        <source>Page</source>
        <comment>page n of m</comment>
        <translation>Seite</translation>
    </message>
    <message>
        <source>of</source>
        <comment>page n of m</comment>
        <translation>von</translation>
    </message>
    <message>
        <source>MMMM dd, yyyy</source>
        <comment>date pattern of the page footer</comment>
        <translation>dd. MMMM yyyy</translation>
    </message>
    <message>
        <source>Movie List</source>
        <translation>Filmliste</translation>
    </message>
    <message>
        <source>Movie Titles</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>[Ordered By: %1]</source>
        <translation>[Sortiert nach: %1]</translation>
    </message>
    <message>
        <source>Loaned Movies</source>
        <translation>Verliehene Filme</translation>
    </message>
    <message>
        <source>Movie Loans</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>Movie Loans for %1</source>
        <translation>Ausleihen für %1</translation>
    </message>
    <message>
        <source>%1 | Movie ID: %2</source>
        <translation>%1 | Film-ID: %2</translation>
    </message>
    <message>
        <source>Date Out: %1 Returned: %2</source>
        <translation>Verliehen am: %1 Zurückgegeben: %2</translation>
    </message>
    <message>
        <source>Users List</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <source>Movie List for %1</source>
        <translation>Filmliste für %1</translation>
    </message>
    <message>
        <source>Save Movie List Report</source>
        <translation>Filmlistenbericht speichern</translation>
    </message>
    <message>
        <source>Save Loan Report</source>
        <translation>Ausleihbericht speichern</translation>
    </message>
    <message>
        <source>The report %1 has no control %2.</source>
        <translation>Der Bericht %1 hat kein Steuerelement %2.</translation>
    </message>
    <message>
        <source>The report %1 has no data field %2.</source>
        <translation>Der Bericht %1 hat kein Datenfeld %2.</translation>
    </message>
    <message>
        <source>Adobe Acrobat File (*.pdf)</source>
        <translation>Adobe-Acrobat-Datei (*.pdf)</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Do you want to save this report?</source>
        <translation>Möchten Sie diesen Bericht speichern?</translation>
    </message>
    <message>
        <source>The printer %1 could not be started.</source>
        <translation>Der Drucker %1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>RestoreWindow</name>
    <message>
        <source>Restore from Backup</source>
        <translation>Aus Sicherung wiederherstellen</translation>
    </message>
    <message>
        <source>Backups of %1</source>
        <translation>Sicherungen von %1</translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation>Aufbewahrt in %1</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Made</source>
        <translation>Erstellt</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>none (automatic backups off)</source>
        <translation>keine (automatische Sicherungen aus)</translation>
    </message>
    <message>
        <source>Automatic backups to keep</source>
        <translation>Anzahl aufzubewahrender automatischer Sicherungen</translation>
    </message>
    <message>
        <source>Automatic backups to &amp;keep:</source>
        <translation>Automatische Sicherungen &amp;behalten:</translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation>&amp;Wiederherstellen...</translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation>nicht lesbar</translation>
    </message>
    <message>
        <source>Put the backup made %1 in the place of the catalogue?

The catalogue as it is now is kept as one more backup.</source>
        <translation>Die am %1 erstellte Sicherung an die Stelle des Katalogs setzen?

Der Katalog im jetzigen Zustand wird als weitere Sicherung aufbewahrt.</translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation>%1 ist zu lang: Es können höchstens %2 Zeichen gespeichert werden.</translation>
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
        <translation>Titel</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regie</translation>
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
        <translation>Medium</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Num of Discs</source>
        <translation>Anzahl Discs</translation>
    </message>
    <message>
        <source>Stars</source>
        <translation>Sterne</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation>Ein anderer Start des Programms wurde nicht rechtzeitig fertig.</translation>
    </message>
    <message>
        <source>The running program did not answer.</source>
        <translation>Das laufende Programm hat nicht geantwortet.</translation>
    </message>
</context>
<context>
    <name>SqliteFunctions</name>
    <message>
        <source>The catalogue connection is not a SQLite connection.</source>
        <translation>Die Katalogverbindung ist keine SQLite-Verbindung.</translation>
    </message>
    <message>
        <source>The catalogue connection is not open.</source>
        <translation>Die Katalogverbindung ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The catalogue&apos;s text comparison could not be installed: %1</source>
        <translation>Der Textvergleich des Katalogs konnte nicht eingerichtet werden: %1</translation>
    </message>
</context>
<context>
    <name>StarRating</name>
    <message>
        <source>Click a star to rate the movie; click left of the first star for none.</source>
        <translation>Klicken Sie auf einen Stern, um den Film zu bewerten; links vom ersten Stern für keine Bewertung.</translation>
    </message>
    <message>
        <source>User rating</source>
        <translation>Eigene Bewertung</translation>
    </message>
    <message>
        <source>The arrow keys, + and -, Home and End or the digits 0 to %1 set the rating.</source>
        <translation>Die Pfeiltasten, + und -, Pos1 und Ende oder die Ziffern 0 bis %1 setzen die Bewertung.</translation>
    </message>
    <message>
        <source>%1 of %2 stars</source>
        <translation>%1 von %2 Sternen</translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Totals</source>
        <translation>Summen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Charts</source>
        <translation>Diagramme</translation>
    </message>
    <message>
        <source>Loans out longest</source>
        <translation>Am längsten verliehen</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Loaned To</source>
        <translation>Verliehen an</translation>
    </message>
    <message>
        <source>Since</source>
        <translation>Seit</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>&amp;Genres</source>
        <translation>&amp;Genres</translation>
    </message>
    <message>
        <source>&amp;Decades</source>
        <translation>&amp;Jahrzehnte</translation>
    </message>
    <message>
        <source>&amp;Media</source>
        <translation>&amp;Medien</translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation>&amp;Formate</translation>
    </message>
    <message>
        <source>&amp;Your Ratings</source>
        <translation>&amp;Ihre Bewertungen</translation>
    </message>
    <message>
        <source>Out &amp;longest:</source>
        <translation>Am &amp;längsten verliehen:</translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation>&amp;Ausleihen</translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation>Diagramm &amp;speichern...</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG picture or an SVG drawing</source>
        <translation>Das angezeigte Diagramm als PNG-Bild oder SVG-Zeichnung speichern</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Movies by genre</source>
        <translation>Filme nach Genre</translation>
    </message>
    <message>
        <source>Movies by decade of release</source>
        <translation>Filme nach Jahrzehnt</translation>
    </message>
    <message>
        <source>Movies by medium</source>
        <translation>Filme nach Medium</translation>
    </message>
    <message>
        <source>Movies by format</source>
        <translation>Filme nach Format</translation>
    </message>
    <message>
        <source>Movies by your rating</source>
        <translation>Filme nach Ihrer Bewertung</translation>
    </message>
    <message>
        <source>Loans out by borrower</source>
        <translation>Ausleihen nach Entleiher</translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation>Nicht bewertet</translation>
    </message>
    <message>
        <source>1 star</source>
        <translation>1 Stern</translation>
    </message>
    <message>
        <source>%1 stars</source>
        <translation>%1 Sterne</translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation>Es ist kein Katalog geöffnet.</translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation>Zählen...</translation>
    </message>
    <message>
        <source>Could not count: %1</source>
        <translation>Zählen nicht möglich: %1</translation>
    </message>
    <message>
        <source>%1 movies on %2 discs, %3 episodes; running time %4 days and %5 hours; %6 with a cover; %7 out on loan.</source>
        <translation>%1 Filme auf %2 Discs, %3 Episoden; Laufzeit %4 Tage und %5 Stunden; %6 mit Cover; %7 verliehen.</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation>PNG-Bild (*.png);;SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <translation>Das Diagramm konnte nicht als %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No genre</source>
        <translation>Kein Genre</translation>
    </message>
    <message>
        <source>No year</source>
        <translation>Kein Jahr</translation>
    </message>
    <message>
        <source>No medium</source>
        <translation>Kein Medium</translation>
    </message>
    <message>
        <source>No format</source>
        <translation>Kein Format</translation>
    </message>
    <message>
        <source>No name</source>
        <translation>Kein Name</translation>
    </message>
</context>
<context>
    <name>TextKeys</name>
    <message>
        <source>Preparing the %1 for searching: %2%...</source>
        <translation>Tabelle %1 wird für die Suche vorbereitet: %2 %...</translation>
    </message>
    <message>
        <source>Preparing names and titles for searching...</source>
        <translation>Namen und Titel werden für die Suche vorbereitet...</translation>
    </message>
</context>
<context>
    <name>ThumbnailTip</name>
    <message>
        <source>Information about Result #%1 (%2)</source>
        <translation>Informationen zu Ergebnis #%1 (%2)</translation>
    </message>
    <message>
        <source>General Information:<byte value="xd"/>
     Title: %1<byte value="xd"/>
Image Dimensions:<byte value="xd"/>
     %2x%3</source>
        <translation>Allgemeine Informationen:<byte value="xd"/>
     Titel: %1<byte value="xd"/>
Bildgröße:<byte value="xd"/>
     %2x%3</translation>
    </message>
</context>
<context>
    <name>TmdbMain</name>
    <message>
        <source>The reply reader was not instantiated correctly.</source>
        <translation>Der Antwortleser wurde nicht richtig erzeugt.</translation>
    </message>
    <message>
        <source>The reply reader was unable to load the requested document.</source>
        <translation>Der Antwortleser konnte das angeforderte Dokument nicht laden.</translation>
    </message>
    <message>
        <source>The Movie Database returned an error.</source>
        <translation>The Movie Database hat einen Fehler gemeldet.</translation>
    </message>
    <message>
        <source>Unable to read the reply of The Movie Database.</source>
        <translation>Die Antwort von The Movie Database kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to query The Movie Database.</source>
        <translation>Bei der Abfrage von The Movie Database ist ein Laufzeitfehler aufgetreten.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to parse the reply of The Movie Database.</source>
        <translation>Beim Auswerten der Antwort von The Movie Database ist ein Laufzeitfehler aufgetreten.</translation>
    </message>
    <message>
        <source>A runtime error occurred while attempting to validate the query of The Movie Database.</source>
        <translation>Beim Prüfen der Anfrage an The Movie Database ist ein Laufzeitfehler aufgetreten.</translation>
    </message>
</context>
<context>
    <name>TmdbMovieInfo</name>
    <message>
        <source>This product uses the TMDB API but is not endorsed or certified by TMDB.</source>
        <translation>Dieses Produkt nutzt die TMDB-API, wird aber von TMDB weder unterstützt noch zertifiziert.</translation>
    </message>
</context>
<context>
    <name>UploadListModel</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
</context>
<context>
    <name>Workbook</name>
    <message>
        <source>cannot be read: %1</source>
        <translation>kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>is too large to import.</source>
        <translation>ist zu groß zum Importieren.</translation>
    </message>
    <message>
        <source>is not UTF-8 text (line %1 has characters in another encoding). Save it from the spreadsheet program as “CSV UTF-8” and import it again.</source>
        <translation>ist kein UTF-8-Text (Zeile %1 enthält Zeichen in einer anderen Kodierung). Speichern Sie sie in der Tabellenkalkulation als „CSV UTF-8“ und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>ends inside a quoted field; the file is damaged or cut short.</source>
        <translation>endet innerhalb eines Feldes in Anführungszeichen; die Datei ist beschädigt oder abgeschnitten.</translation>
    </message>
    <message>
        <source>has a cell with more than %1 characters; it is damaged.</source>
        <translation>hat eine Zelle mit mehr als %1 Zeichen; sie ist beschädigt.</translation>
    </message>
    <message>
        <source>has too many worksheets.</source>
        <translation>hat zu viele Arbeitsblätter.</translation>
    </message>
    <message>
        <source>is damaged or hostile: one cell of the worksheet “%1” repeats over %2 cells.</source>
        <translation>ist beschädigt oder bösartig: Eine Zelle des Arbeitsblatts „%1“ wiederholt sich über %2 Zellen.</translation>
    </message>
    <message>
        <source>The worksheet “%1”</source>
        <translation>Das Arbeitsblatt „%1“</translation>
    </message>
    <message>
        <source>The worksheet “%1” of “%2”</source>
        <translation>Das Arbeitsblatt „%1“ von „%2“</translation>
    </message>
    <message>
        <source>%1 has a cell outside the largest sheet a spreadsheet can hold (row %2, column %3); the workbook is damaged.</source>
        <translation>%1 hat eine Zelle außerhalb des größten Blattes, das eine Tabellenkalkulation fassen kann (Zeile %2, Spalte %3); die Arbeitsmappe ist beschädigt.</translation>
    </message>
    <message>
        <source>%1 holds more than %2 filled cells, more than can be imported at once.</source>
        <translation>%1 enthält mehr als %2 gefüllte Zellen, mehr als auf einmal importiert werden können.</translation>
    </message>
    <message>
        <source>has no worksheet number %1.</source>
        <translation>hat kein Arbeitsblatt Nummer %1.</translation>
    </message>
    <message>
        <source>The workbook “%1” %2</source>
        <extracomment>%2 says what is wrong with the workbook, as a predicate (&quot;is too large to import.&quot;)</extracomment>
        <translation>Die Arbeitsmappe „%1“ %2</translation>
    </message>
    <message>
        <source>is protected with a password. Save it without the password and import it again.</source>
        <translation>ist mit einem Passwort geschützt. Speichern Sie sie ohne Passwort und importieren Sie sie erneut.</translation>
    </message>
    <message>
        <source>Could not find the workbook “%1”.</source>
        <translation>Die Arbeitsmappe „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The workbook “%1” cannot be read.</source>
        <translation>Die Arbeitsmappe „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>is not of a kind that can be imported. Choose a .xls, .xlsx, .ods or .csv file.</source>
        <translation>hat kein importierbares Format. Wählen Sie eine .xls-, .xlsx-, .ods- oder .csv-Datei.</translation>
    </message>
    <message>
        <source>is not an Excel 97-2003 workbook (.xls).</source>
        <translation>ist keine Excel-97-2003-Arbeitsmappe (.xls).</translation>
    </message>
    <message>
        <source>holds no Excel workbook; it may be another kind of Office document.</source>
        <translation>enthält keine Excel-Arbeitsmappe; vielleicht ist sie eine andere Art von Office-Dokument.</translation>
    </message>
    <message>
        <source>is a chart saved by Excel 4 or earlier; it holds no worksheet to import.</source>
        <translation>ist ein mit Excel 4 oder früher gespeichertes Diagramm; sie enthält kein Arbeitsblatt zum Importieren.</translation>
    </message>
    <message>
        <source>is a macro sheet saved by Excel 4 or earlier; it holds no worksheet to import.</source>
        <translation>ist ein mit Excel 4 oder früher gespeichertes Makroblatt; sie enthält kein Arbeitsblatt zum Importieren.</translation>
    </message>
    <message>
        <source>is a workbook or workspace saved by Excel 4, which cannot be imported. Save its worksheets again as an Excel 97-2003 workbook (.xls) or as .xlsx.</source>
        <translation>ist eine mit Excel 4 gespeicherte Arbeitsmappe oder ein Arbeitsbereich, der nicht importiert werden kann. Speichern Sie die Arbeitsblätter erneut als Excel-97-2003-Arbeitsmappe (.xls) oder als .xlsx.</translation>
    </message>
    <message>
        <source>cannot be read: it is damaged or not an Excel workbook.</source>
        <translation>kann nicht gelesen werden: Sie ist beschädigt oder keine Excel-Arbeitsmappe.</translation>
    </message>
    <message>
        <source>is damaged: “%1” is not a cell reference.</source>
        <translation>ist beschädigt: „%1“ ist kein Zellbezug.</translation>
    </message>
    <message>
        <source>is damaged: a cell refers to shared text %1, which is missing.</source>
        <translation>ist beschädigt: Eine Zelle verweist auf den gemeinsamen Text %1, der fehlt.</translation>
    </message>
    <message>
        <source>is damaged: a worksheet&apos;s part is not named.</source>
        <translation>ist beschädigt: Ein Teil eines Arbeitsblatts hat keinen Namen.</translation>
    </message>
    <message>
        <source>has too many cell styles.</source>
        <translation>hat zu viele Zellformate.</translation>
    </message>
    <message>
        <source>has too many texts.</source>
        <translation>hat zu viele Texte.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” is not valid XML (line %2: %3).</source>
        <translation>ist beschädigt: Der Teil „%1“ ist kein gültiges XML (Zeile %2: %3).</translation>
    </message>
    <message>
        <source>cannot be opened: it is damaged or not a workbook of this kind.</source>
        <translation>kann nicht geöffnet werden: Sie ist beschädigt oder keine Arbeitsmappe dieser Art.</translation>
    </message>
    <message>
        <source>cannot be opened: its table of contents is damaged.</source>
        <translation>kann nicht geöffnet werden: Ihr Inhaltsverzeichnis ist beschädigt.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” is missing.</source>
        <translation>ist beschädigt: Der Teil „%1“ fehlt.</translation>
    </message>
    <message>
        <source>is damaged or hostile: the part “%1” unpacks to more than %2 MB.</source>
        <translation>ist beschädigt oder bösartig: Der Teil „%1“ ergibt entpackt mehr als %2 MB.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” cannot be read.</source>
        <translation>ist beschädigt: Der Teil „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” cannot be unpacked.</source>
        <translation>ist beschädigt: Der Teil „%1“ kann nicht entpackt werden.</translation>
    </message>
    <message>
        <source>is damaged: the part “%1” fails its checksum.</source>
        <translation>ist beschädigt: Der Teil „%1“ hat eine falsche Prüfsumme.</translation>
    </message>
</context>
<context>
    <name>WorkbookImport</name>
    <message>
        <source>Row %1, column %2 (%3)</source>
        <translation>Zeile %1, Spalte %2 (%3)</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the text has %1 characters; the catalogue holds at most %2.</source>
        <translation>der Text hat %1 Zeichen; der Katalog fasst höchstens %2.</translation>
    </message>
    <message>
        <source>Column %1 (%2): %3</source>
        <translation>Spalte %1 (%2): %3</translation>
    </message>
    <message>
        <source>The title is empty.</source>
        <translation>Der Titel ist leer.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither Yes nor No.</source>
        <translation>„%1“ ist weder Ja noch Nein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a rating from 0 to 7.</source>
        <translation>„%1“ ist keine Bewertung von 0 bis 7.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not disc/number/title.</source>
        <translation>„%1“ hat nicht die Form Disc/Nummer/Titel.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a whole number.</source>
        <translation>„%1“ ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>The target file has no Movies table: it is not a catalogue.</source>
        <translation>Die Zieldatei hat keine Tabelle „Movies“: Sie ist kein Katalog.</translation>
    </message>
    <message>
        <source>Row %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Importing Excel Data...</source>
        <translation>Excel-Daten werden importiert...</translation>
    </message>
</context>
<context>
    <name>WorkbookReader</name>
    <message>
        <source>Workbooks (*.xls *.xlsx *.ods *.csv);;Excel Spreadsheets (*.xls);;Excel Workbooks (*.xlsx);;OpenDocument Spreadsheets (*.ods);;Comma-separated Values (*.csv)</source>
        <translation>Arbeitsmappen (*.xls *.xlsx *.ods *.csv);;Excel-Tabellen (*.xls);;Excel-Arbeitsmappen (*.xlsx);;OpenDocument-Tabellen (*.ods);;Kommagetrennte Werte (*.csv)</translation>
    </message>
</context>
<context>
    <name>frmActDir</name>
    <message>
        <source> Actors and Directors</source>
        <translation> Darsteller und Regisseure</translation>
    </message>
    <message>
        <source>Select:</source>
        <translation>Auswahl:</translation>
    </message>
    <message>
        <source>Actors</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Directors</source>
        <translation>Regisseure</translation>
    </message>
    <message>
        <source>Records Starting With: </source>
        <translation>Einträge beginnend mit: </translation>
    </message>
    <message>
        <source>The blank entry lists every name</source>
        <translation>Der leere Eintrag listet alle Namen</translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>Actor</source>
        <translation>Darsteller</translation>
    </message>
    <message>
        <source>Website</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Associated Movies:</source>
        <translation>Zugehörige Filme:</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Go To Site</source>
        <translation>Website öffnen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search on IMDB</source>
        <translation>Auf IMDb suchen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Website:</source>
        <translation>Website:</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>Directors:</source>
        <translation>Regisseure:</translation>
    </message>
    <message>
        <source>Please type a name before saving.</source>
        <translation>Bitte geben Sie vor dem Speichern einen Namen ein.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a web site address.</source>
        <translation>„%1“ ist keine Website-Adresse.</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 from the database?</source>
        <translation>Möchten Sie %1 wirklich aus der Datenbank löschen?</translation>
    </message>
    <message>
        <source>Delete Directors</source>
        <translation>Regisseure löschen</translation>
    </message>
    <message>
        <source>Delete Actors</source>
        <translation>Darsteller löschen</translation>
    </message>
</context>
<context>
    <name>frmAddToUserList</name>
    <message>
        <source> Add to User&apos;s List</source>
        <translation> Zur Benutzerliste hinzufügen</translation>
    </message>
    <message>
        <source>Add to User&apos;s List</source>
        <translation>Zur Benutzerliste hinzufügen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Movie ID:</source>
        <translation>Film-ID:</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Filmtitel:</translation>
    </message>
    <message>
        <source>User Name:</source>
        <translation>Benutzername:</translation>
    </message>
    <message>
        <source>Display Name:</source>
        <translation>Anzeigename:</translation>
    </message>
</context>
<context>
    <name>frmCoverSearch</name>
    <message>
        <source>The search for covers of %1 did not work: the cover server could not be reached or did not answer as expected (%2).<byte value="xd"/><byte value="xd"/>Check your internet connection and the cover source in the Options window, then search again.</source>
        <translation>Die Coversuche für %1 hat nicht funktioniert: Der Cover-Server war nicht erreichbar oder hat nicht wie erwartet geantwortet (%2).<byte value="xd"/><byte value="xd"/>Prüfen Sie Ihre Internetverbindung und die Cover-Quelle im Fenster „Optionen“ und suchen Sie dann erneut.</translation>
    </message>
    <message>
        <source>Cover Search Failed</source>
        <translation>Coversuche fehlgeschlagen</translation>
    </message>
    <message>
        <source> Cover Search</source>
        <translation> Coversuche</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>New Search</source>
        <translation>Neue Suche</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>&amp;Use Selected</source>
        <translation>&amp;Auswahl verwenden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Finds cover pictures with The Movie Database (TMDb).</source>
        <translation>Sucht Coverbilder über The Movie Database (TMDb).</translation>
    </message>
    <message>
        <source>Finds cover pictures with the CoverfetchCore plug-in.</source>
        <translation>Sucht Coverbilder mit dem Plug-in CoverfetchCore.</translation>
    </message>
    <message>
        <source>Cinelog Cover Search</source>
        <translation>Cinelog-Coversuche</translation>
    </message>
    <message>
        <source>About Cover Search</source>
        <translation>Über die Coversuche</translation>
    </message>
    <message>
        <source>Covers found</source>
        <translation>Gefundene Cover</translation>
    </message>
    <message>
        <source>You did not enter any keywords for the query. Please rectify this problem and try again.</source>
        <translation>Sie haben für die Anfrage keine Suchbegriffe angegeben. Bitte beheben Sie das Problem und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>You did not select an AWS server for the query. Please rectify this problem and try again.</source>
        <translation>Sie haben für die Anfrage keinen AWS-Server ausgewählt. Bitte beheben Sie das Problem und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>You did not enter a media type for the query. Please rectify this problem and try again.</source>
        <translation>Sie haben für die Anfrage keinen Medientyp angegeben. Bitte beheben Sie das Problem und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>The cover source is The Movie Database (TMDb), but no TMDb API key is set. Enter your key in the Options window and try again.</source>
        <translation>Die Cover-Quelle ist The Movie Database (TMDb), aber es ist kein TMDb-API-Schlüssel eingestellt. Geben Sie Ihren Schlüssel im Fenster „Optionen“ ein und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Couldn&apos;t find any covers for %1.<byte value="xd"/><byte value="xd"/>Do you want to enter a new title to search by?</source>
        <translation>Für %1 wurden keine Cover gefunden.<byte value="xd"/><byte value="xd"/>Möchten Sie einen neuen Suchtitel eingeben?</translation>
    </message>
    <message>
        <source>No Covers Found</source>
        <translation>Keine Cover gefunden</translation>
    </message>
    <message>
        <source>Enter a new Movie Title to search for:</source>
        <translation>Geben Sie einen neuen Filmtitel für die Suche ein:</translation>
    </message>
    <message>
        <source>Cover Search</source>
        <translation>Coversuche</translation>
    </message>
    <message>
        <source>Failed to load the thumbnail &quot;%1&quot;.</source>
        <translation>Die Miniatur „%1“ konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Cinelog</source>
        <translation>Cinelog</translation>
    </message>
    <message>
        <source>Some thumbnails could not be downloaded successfully and were therefore ignored.</source>
        <translation>Einige Miniaturen konnten nicht heruntergeladen werden und wurden daher übergangen.</translation>
    </message>
    <message>
        <source>Enter a Movie title to search for:</source>
        <translation>Geben Sie einen Filmtitel für die Suche ein:</translation>
    </message>
    <message>
        <source>An unknown error occurred while attempting to load the desired image.</source>
        <translation>Beim Laden des gewünschten Bildes ist ein unbekannter Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>&amp;Preview (%1x%2)</source>
        <translation>&amp;Vorschau (%1x%2)</translation>
    </message>
    <message>
        <source>The cover could not be downloaded from &quot;%1&quot;: %2</source>
        <translation>Das Cover konnte nicht von „%1“ heruntergeladen werden: %2</translation>
    </message>
    <message>
        <source>the reply is not a picture.</source>
        <translation>die Antwort ist kein Bild.</translation>
    </message>
    <message>
        <source>Path/File access error: %1</source>
        <translation>Pfad-/Dateizugriffsfehler: %1</translation>
    </message>
    <message>
        <source>No plug-in folder was given.</source>
        <translation>Es wurde kein Plug-in-Ordner angegeben.</translation>
    </message>
    <message>
        <source>The cover search is not available: its plug-in, %1, could not be loaded.</source>
        <translation>Die Coversuche ist nicht verfügbar: Ihr Plug-in %1 konnte nicht geladen werden.</translation>
    </message>
</context>
<context>
    <name>frmDownloadResults</name>
    <message>
        <source> Search Results from IMDB:</source>
        <translation> Suchergebnisse von IMDb:</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>Year of Release</source>
        <translation>Erscheinungsjahr</translation>
    </message>
    <message>
        <source>Get Movie Info</source>
        <translation>Filminfos abrufen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Movies found</source>
        <translation>Gefundene Filme</translation>
    </message>
    <message>
        <source>Not connected to the community server.</source>
        <translation>Nicht mit dem Community-Server verbunden.</translation>
    </message>
    <message>
        <source>Choose a saved movie in the main window to fill in first.</source>
        <translation>Wählen Sie zuerst im Hauptfenster einen gespeicherten Film zum Ausfüllen.</translation>
    </message>
    <message>
        <source>Movie Info for %1 has been downloaded.</source>
        <translation>Die Filminfos für %1 wurden heruntergeladen.</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
</context>
<context>
    <name>frmEpisodes</name>
    <message>
        <source>Another program changed the episodes of this movie after they were shown here.

Yes: show the episodes as they are stored now (your change here is dropped).
No: make your change anyway.
Cancel: go on editing without saving.</source>
        <translation>Ein anderes Programm hat die Episoden dieses Films geändert, nachdem sie hier angezeigt wurden.

Ja: die Episoden so anzeigen, wie sie jetzt gespeichert sind (Ihre Änderung hier wird verworfen).
Nein: Ihre Änderung trotzdem vornehmen.
Abbrechen: ohne Speichern weiter bearbeiten.</translation>
    </message>
    <message>
        <source>Episodes Changed Elsewhere</source>
        <translation>Episoden anderswo geändert</translation>
    </message>
    <message>
        <source> Episodes for %1</source>
        <translation> Episoden für %1</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Episode Num</source>
        <translation>Episoden-Nr.</translation>
    </message>
    <message>
        <source>Disc Num</source>
        <translation>Disc-Nr.</translation>
    </message>
    <message>
        <source>save/update</source>
        <translation>speichern/aktualisieren</translation>
    </message>
    <message>
        <source>delete episode</source>
        <translation>Episode löschen</translation>
    </message>
    <message>
        <source>close</source>
        <translation>schließen</translation>
    </message>
    <message>
        <source>Episode Title:</source>
        <translation>Episodentitel:</translation>
    </message>
    <message>
        <source>Episode Number:</source>
        <translation>Episodennummer:</translation>
    </message>
    <message>
        <source>on Disc Number:</source>
        <translation>auf Disc Nummer:</translation>
    </message>
    <message>
        <source>Episodes</source>
        <translation>Episoden</translation>
    </message>
    <message>
        <source>Episode Number must be a number!</source>
        <translation>Die Episodennummer muss eine Zahl sein!</translation>
    </message>
    <message>
        <source>Invalid Entry</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <source>Disc Number must be a number!</source>
        <translation>Die Disc-Nummer muss eine Zahl sein!</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the episode %1?</source>
        <translation>Möchten Sie die Episode %1 wirklich löschen?</translation>
    </message>
    <message>
        <source>Delete Episode</source>
        <translation>Episode löschen</translation>
    </message>
</context>
<context>
    <name>frmExcel</name>
    <message>
        <source> Import from Excel</source>
        <translation> Import aus Excel</translation>
    </message>
    <message>
        <source>Select Worksheet to Import:</source>
        <translation>Zu importierendes Arbeitsblatt:</translation>
    </message>
    <message>
        <source>Worksheet to import</source>
        <translation>Zu importierendes Arbeitsblatt</translation>
    </message>
    <message>
        <source>Select Fields to Link:</source>
        <translation>Zuzuordnende Felder auswählen:</translation>
    </message>
    <message>
        <source>guessed</source>
        <translation>geraten</translation>
    </message>
    <message>
        <source>Boxes marked &quot;guessed&quot; were linked from the worksheet&apos;s headings: check them, and change any that is wrong.</source>
        <translation>Mit „geraten“ markierte Felder wurden anhand der Überschriften des Arbeitsblatts zugeordnet: Prüfen Sie sie und ändern Sie falsche Zuordnungen.</translation>
    </message>
    <message>
        <source>Preview (the first %1 rows as they will be imported):</source>
        <translation>Vorschau (die ersten %1 Zeilen, wie sie importiert werden):</translation>
    </message>
    <message>
        <source>Preview of the imported rows</source>
        <translation>Vorschau der importierten Zeilen</translation>
    </message>
    <message>
        <source>People are written &quot;First Last&quot;: store them as &quot;Last, First&quot;</source>
        <translation>Namen sind „Vorname Nachname“ geschrieben: als „Nachname, Vorname“ speichern</translation>
    </message>
    <message>
        <source>Also import movies the catalogue already has (same title and year)</source>
        <translation>Auch Filme importieren, die schon im Katalog sind (gleicher Titel und gleiches Jahr)</translation>
    </message>
    <message>
        <source>Export to:</source>
        <translation>Importieren in:</translation>
    </message>
    <message>
        <source>Catalogue to add the movies to</source>
        <translation>Katalog, dem die Filme hinzugefügt werden</translation>
    </message>
    <message>
        <source>Choose the catalogue (*.cnlg) to add the movies to</source>
        <translation>Katalog (*.cnlg) auswählen, dem die Filme hinzugefügt werden</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen...</translation>
    </message>
    <message>
        <source>Choose the catalogue</source>
        <translation>Katalog auswählen</translation>
    </message>
    <message>
        <source>Import to Database</source>
        <translation>In die Datenbank importieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Select an Excel to Import From:</source>
        <translation>Excel-Datei für den Import auswählen:</translation>
    </message>
    <message>
        <source>Linked from the heading &quot;%1&quot;; change it if it is wrong.</source>
        <translation>Aus der Überschrift „%1“ zugeordnet; ändern Sie es, falls es falsch ist.</translation>
    </message>
    <message>
        <source>1 row below the headings</source>
        <translation>1 Zeile unter den Überschriften</translation>
    </message>
    <message>
        <source>%1 rows below the headings</source>
        <translation>%1 Zeilen unter den Überschriften</translation>
    </message>
    <message>
        <source>%1 to import</source>
        <translation>%1 zu importieren</translation>
    </message>
    <message>
        <source>%1 already in the catalogue (skipped)</source>
        <translation>%1 bereits im Katalog (übersprungen)</translation>
    </message>
    <message>
        <source>%1 already in the catalogue (imported again)</source>
        <translation>%1 bereits im Katalog (erneut importiert)</translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation>%1 abgelehnt</translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation>Cinelog-Kataloge (*.cnlg)</translation>
    </message>
    <message>
        <source>1 movie imported</source>
        <translation>1 Film importiert</translation>
    </message>
    <message>
        <source>%1 movies imported</source>
        <translation>%1 Filme importiert</translation>
    </message>
    <message>
        <source>1 already in the catalogue and skipped</source>
        <translation>1 bereits im Katalog und übersprungen</translation>
    </message>
    <message>
        <source>%1 already in the catalogue and skipped</source>
        <translation>%1 bereits im Katalog und übersprungen</translation>
    </message>
    <message>
        <source>1 row refused</source>
        <translation>1 Zeile abgelehnt</translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation>%1 Zeilen abgelehnt</translation>
    </message>
    <message>
        <source>Import from Excel</source>
        <translation>Import aus Excel</translation>
    </message>
    <message>
        <source>Updating Movie List...</source>
        <translation>Filmliste wird aktualisiert...</translation>
    </message>
</context>
<context>
    <name>frmLoanOut</name>
    <message>
        <source> Loan Out</source>
        <translation> Verleihen</translation>
    </message>
    <message>
        <source>mm/dd/yyyy</source>
        <translation>MM/TT/JJJJ</translation>
    </message>
    <message>
        <source>Month/day/year, for example 12/09/2025</source>
        <translation>Monat/Tag/Jahr, zum Beispiel 12/09/2025</translation>
    </message>
    <message>
        <source>Loan Movie</source>
        <translation>Film verleihen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Movie ID: </source>
        <translation>Film-ID: </translation>
    </message>
    <message>
        <source>Movie:</source>
        <translation>Film:</translation>
    </message>
    <message>
        <source>Loaned To:</source>
        <translation>Verliehen an:</translation>
    </message>
    <message>
        <source>Loan Date:</source>
        <translation>Verleihdatum:</translation>
    </message>
    <message>
        <source>The loan date &quot;%1&quot; is not a date. Please type it as month/day/year, for example %2.</source>
        <translation>Das Verleihdatum „%1“ ist kein Datum. Bitte geben Sie es als Monat/Tag/Jahr ein, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>Invalid Loan Date</source>
        <translation>Ungültiges Verleihdatum</translation>
    </message>
</context>
<context>
    <name>frmLoans</name>
    <message>
        <source>Another program changed this loan after it was shown here.

Yes: show the loans as they are stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave the loan as it is stored.</source>
        <translation>Ein anderes Programm hat diese Ausleihe geändert, nachdem sie hier angezeigt wurde.

Ja: die Ausleihen so anzeigen, wie sie jetzt gespeichert sind (Ihre Änderung hier wird verworfen).
Nein: Ihre Änderung über die andere schreiben.
Abbrechen: die Ausleihe so lassen, wie sie gespeichert ist.</translation>
    </message>
    <message>
        <source>Loan Changed Elsewhere</source>
        <translation>Ausleihe anderswo geändert</translation>
    </message>
    <message>
        <source> Loans</source>
        <translation> Ausleihen</translation>
    </message>
    <message>
        <source>Show:</source>
        <translation>Anzeigen:</translation>
    </message>
    <message>
        <source>Show Loan Outs for:</source>
        <translation>Ausleihen anzeigen für:</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>MovID</source>
        <translation>Film-ID</translation>
    </message>
    <message>
        <source>Movie Name</source>
        <translation>Filmname</translation>
    </message>
    <message>
        <source>Loaned To</source>
        <translation>Verliehen an</translation>
    </message>
    <message>
        <source>Date Loaned</source>
        <translation>Verleihdatum</translation>
    </message>
    <message>
        <source>Date Returned</source>
        <translation>Rückgabedatum</translation>
    </message>
    <message>
        <source>Movie has been returned.</source>
        <translation>Der Film wurde zurückgegeben.</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>Entleiher</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>Ausleihen</translation>
    </message>
    <message>
        <source>Getting Loaned Movie Records...</source>
        <translation>Verliehene Filme werden abgerufen...</translation>
    </message>
    <message>
        <source>Printing is not available in this installation.</source>
        <translation>Drucken ist in dieser Installation nicht verfügbar.</translation>
    </message>
    <message>
        <source>Refreshing Movie List...</source>
        <translation>Filmliste wird aktualisiert...</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>C&amp;heck Catalogue...</source>
        <translation>Katalog &amp;prüfen...</translation>
    </message>
    <message>
        <source> (filtered)</source>
        <translation> (gefiltert)</translation>
    </message>
    <message>
        <source>Cinelog</source>
        <translation>Cinelog</translation>
    </message>
    <message>
        <source>Refreshing Movie List...</source>
        <translation>Filmliste wird aktualisiert...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New Cinelog</source>
        <translation>&amp;Neues Cinelog</translation>
    </message>
    <message>
        <source>&amp;Open Cinelog</source>
        <translation>Cinelog ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Add New Movie</source>
        <translation>Neuen Film hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Save Movie</source>
        <translation>Film &amp;speichern</translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation>Film &amp;löschen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>From Excel</source>
        <translation>Aus Excel</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Movie Titles</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation>Filmdetails</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation>&amp;Ausleihen</translation>
    </message>
    <message>
        <source>User List</source>
        <translation>Benutzerliste</translation>
    </message>
    <message>
        <source>Actors and Directors</source>
        <translation>Darsteller und Regisseure</translation>
    </message>
    <message>
        <source>Save Cover File</source>
        <translation>Coverdatei speichern</translation>
    </message>
    <message>
        <source>Databse Tools</source>
        <translation>Datenbankwerkzeuge</translation>
    </message>
    <message>
        <source>Clean Database</source>
        <translation>Datenbank bereinigen</translation>
    </message>
    <message>
        <source>Compact Database</source>
        <translation>Datenbank komprimieren</translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation>&amp;Web</translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation>Website besuchen</translation>
    </message>
    <message>
        <source>Search for Covers</source>
        <translation>Nach Covern suchen</translation>
    </message>
    <message>
        <source>Movie Info from %1</source>
        <translation>Filminfos von %1</translation>
    </message>
    <message>
        <source>Upload</source>
        <translation>Hochladen</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>on IMDB</source>
        <translation>auf IMDb</translation>
    </message>
    <message>
        <source>on Netflix</source>
        <translation>auf Netflix</translation>
    </message>
    <message>
        <source>Director</source>
        <translation>Regisseur</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Edit Options</source>
        <translation>Optionen bearbeiten</translation>
    </message>
    <message>
        <source>Cinelog Website</source>
        <translation>Cinelog-Website</translation>
    </message>
    <message>
        <source>Cinelog Forums</source>
        <translation>Cinelog-Foren</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Movie Title Search</source>
        <translation>Filmtitelsuche</translation>
    </message>
    <message>
        <source>Director Search</source>
        <translation>Regisseursuche</translation>
    </message>
    <message>
        <source>Loan Out</source>
        <translation>Verleihen</translation>
    </message>
    <message>
        <source>Add to User List</source>
        <translation>Zur Benutzerliste hinzufügen</translation>
    </message>
    <message>
        <source>Copy Movie</source>
        <translation>Film kopieren</translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation>Film löschen</translation>
    </message>
    <message>
        <source>Search IMDB for</source>
        <translation>Auf IMDb suchen nach</translation>
    </message>
    <message>
        <source>Search Netflix for</source>
        <translation>Auf Netflix suchen nach</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Create a New Cinelog</source>
        <translation>Neues Cinelog erstellen</translation>
    </message>
    <message>
        <source>Open Cinelog</source>
        <translation>Cinelog öffnen</translation>
    </message>
    <message>
        <source>Add Movie to Database</source>
        <translation>Film zur Datenbank hinzufügen</translation>
    </message>
    <message>
        <source>Save/Update Movie</source>
        <translation>Film speichern/aktualisieren</translation>
    </message>
    <message>
        <source>Print Movie List</source>
        <translation>Filmliste drucken</translation>
    </message>
    <message>
        <source>Delete Selected Movie</source>
        <translation>Ausgewählten Film löschen</translation>
    </message>
    <message>
        <source>Search the Database</source>
        <translation>Datenbank durchsuchen</translation>
    </message>
    <message>
        <source>View Loaned Movies</source>
        <translation>Verliehene Filme anzeigen</translation>
    </message>
    <message>
        <source>View User&apos;s Lists</source>
        <translation>Benutzerlisten anzeigen</translation>
    </message>
    <message>
        <source>Web Search</source>
        <translation>Websuche</translation>
    </message>
    <message>
        <source>Refresh the Movie List</source>
        <translation>Filmliste aktualisieren</translation>
    </message>
    <message>
        <source>Adding Mediums...</source>
        <translation>Medien werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Adding Formats...</source>
        <translation>Formate werden hinzugefügt...</translation>
    </message>
    <message>
        <source>Loading your Settings...</source>
        <translation>Ihre Einstellungen werden geladen...</translation>
    </message>
    <message>
        <source>Setting Column Widths...</source>
        <translation>Spaltenbreiten werden eingestellt...</translation>
    </message>
    <message>
        <source>Loading Your Last Database (%1)...</source>
        <translation>Ihre zuletzt geöffnete Datenbank wird geladen (%1)...</translation>
    </message>
    <message>
        <source>Unloading the Splash Screen...</source>
        <translation>Startbildschirm wird geschlossen...</translation>
    </message>
    <message>
        <source>Getting the Movie List...</source>
        <translation>Filmliste wird abgerufen...</translation>
    </message>
    <message>
        <source>Cinelog %1</source>
        <translation>Cinelog %1</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>Keine Filme gefunden</translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation>Gefundene Filme: %1</translation>
    </message>
    <message>
        <source>Search IMDB for &quot;%1&quot;</source>
        <translation>Auf IMDb suchen nach „%1“</translation>
    </message>
    <message>
        <source>Search Netflix for &quot;%1&quot;</source>
        <translation>Auf Netflix suchen nach „%1“</translation>
    </message>
    <message>
        <source>Saving Movie...</source>
        <translation>Film wird gespeichert...</translation>
    </message>
    <message>
        <source>Delete Movie?</source>
        <translation>Film löschen?</translation>
    </message>
    <message>
        <source>Enter a Database Name:</source>
        <translation>Geben Sie einen Datenbanknamen ein:</translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation>Cinelogs (*.cnlg)</translation>
    </message>
    <message>
        <source>Select a Cinelog:</source>
        <translation>Cinelog auswählen:</translation>
    </message>
    <message>
        <source>Cleaning the Database...</source>
        <translation>Datenbank wird bereinigt...</translation>
    </message>
    <message>
        <source>All Cleaned</source>
        <translation>Alles bereinigt</translation>
    </message>
    <message>
        <source>Database has been compacted.</source>
        <translation>Die Datenbank wurde komprimiert.</translation>
    </message>
    <message>
        <source>DB Compacted</source>
        <translation>Datenbank komprimiert</translation>
    </message>
    <message>
        <source>Click the window to close...</source>
        <translation>Zum Schließen in das Fenster klicken...</translation>
    </message>
    <message>
        <source>No Cinelog Open</source>
        <translation>Kein Cinelog geöffnet</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Are you SURE you want to delete &quot;%1&quot; from the database?<byte value="xd"/>Edit &gt; Undo brings it back with its cast and loans.</source>
        <translation>Möchten Sie „%1“ WIRKLICH aus der Datenbank löschen?<byte value="xd"/>Mit Bearbeiten &gt; Rückgängig holen Sie den Film samt Besetzung und Ausleihen zurück.</translation>
    </message>
</context>
<context>
    <name>frmMovieFill</name>
    <message>
        <source>Movie Details from %1</source>
        <translation>Filmdetails von %1</translation>
    </message>
    <message>
        <source>Tick the fields to fill from %1.</source>
        <translation>Markieren Sie die Felder, die aus %1 ausgefüllt werden sollen.</translation>
    </message>
    <message>
        <source>Tick the fields of &quot;%1&quot; to fill from %2. Fields you typed are kept unless you tick them.</source>
        <translation>Markieren Sie die Felder von „%1“, die aus %2 ausgefüllt werden sollen. Von Ihnen eingegebene Felder bleiben erhalten, sofern Sie sie nicht markieren.</translation>
    </message>
    <message>
        <source>Fields to fill</source>
        <translation>Auszufüllende Felder</translation>
    </message>
    <message>
        <source>Field</source>
        <translation>Feld</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>Aktuell</translation>
    </message>
    <message>
        <source>&amp;Fill Ticked Fields</source>
        <translation>Markierte &amp;Felder ausfüllen</translation>
    </message>
    <message>
        <source>Fill the ticked fields</source>
        <translation>Die markierten Felder ausfüllen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmMovieResults</name>
    <message>
        <source>Find Movie at %1</source>
        <translation>Film bei %1 suchen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Title to search for</source>
        <translation>Zu suchender Titel</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>Year of release (optional)</source>
        <translation>Erscheinungsjahr (optional)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Original Title</source>
        <translation>Originaltitel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Search status</source>
        <translation>Suchstatus</translation>
    </message>
    <message>
        <source>&amp;Take This Movie</source>
        <translation>Diesen Film &amp;übernehmen</translation>
    </message>
    <message>
        <source>Take the chosen movie</source>
        <translation>Den gewählten Film übernehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>No movie was found. Try another spelling or leave the year out.</source>
        <translation>Es wurde kein Film gefunden. Versuchen Sie eine andere Schreibweise oder lassen Sie das Jahr weg.</translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) found. Choose one with the arrow keys and press Enter.</source>
        <translation>
            <numerusform>%n Film gefunden. Wählen Sie ihn mit den Pfeiltasten und drücken Sie die Eingabetaste.</numerusform>
            <numerusform>%n Filme gefunden. Wählen Sie einen mit den Pfeiltasten und drücken Sie die Eingabetaste.</numerusform>
        </translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation>Suche läuft...</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>Takes effect the next time Cinelog starts.</source>
        <translation>Wird beim nächsten Start von Cinelog wirksam.</translation>
    </message>
    <message>
        <source> Options</source>
        <translation> Optionen</translation>
    </message>
    <message>
        <source>Cinelog Options</source>
        <translation>Cinelog-Optionen</translation>
    </message>
    <message>
        <source>Last Opened Cinelog:</source>
        <translation>Zuletzt geöffnetes Cinelog:</translation>
    </message>
    <message>
        <source>Load Last Opened Database on Startup</source>
        <translation>Zuletzt geöffnete Datenbank beim Start laden</translation>
    </message>
    <message>
        <source>PDF Reports Default Folder:</source>
        <translation>Standardordner für PDF-Berichte:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select Database:</source>
        <translation>Datenbank auswählen:</translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation>Cinelogs (*.cnlg)</translation>
    </message>
    <message>
        <source>Choose the catalogue</source>
        <translation>Katalog auswählen</translation>
    </message>
    <message>
        <source>Choose the PDF reports folder</source>
        <translation>Ordner für PDF-Berichte auswählen</translation>
    </message>
</context>
<context>
    <name>frmPreview</name>
    <message>
        <source> Preview Cover</source>
        <translation> Cover-Vorschau</translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmProgBar</name>
    <message>
        <source> Progress...</source>
        <translation> Fortschritt...</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
</context>
<context>
    <name>frmProgress</name>
    <message>
        <source> Progress</source>
        <translation> Fortschritt</translation>
    </message>
    <message>
        <source>Please wait while completing the current task...</source>
        <translation>Bitte warten, die aktuelle Aufgabe wird abgeschlossen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>frmResolveMovies</name>
    <message>
        <source>Movies That Need Your Choice</source>
        <translation>Filme, die Ihre Auswahl brauchen</translation>
    </message>
    <message>
        <source>More than one movie at %1 could be meant for these. Press Enter on one to choose its match; the ones you leave stay as they are.</source>
        <translation>Bei %1 könnten für diese Filme mehrere Treffer gemeint sein. Drücken Sie auf einem die Eingabetaste, um seinen Treffer zu wählen; die übrigen bleiben unverändert.</translation>
    </message>
    <message>
        <source>Movies to resolve</source>
        <translation>Zu klärende Filme</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>&amp;Auswählen...</translation>
    </message>
    <message>
        <source>Choose the match of the current movie</source>
        <translation>Treffer für den aktuellen Film auswählen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Export...</source>
        <translation>Exportieren...</translation>
    </message>
    <message>
        <source> Search for Movies</source>
        <translation> Filme suchen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Hidden</source>
        <translation>Verborgen</translation>
    </message>
    <message>
        <source>Loan Out</source>
        <translation>Verleihen</translation>
    </message>
    <message>
        <source>Add to User&apos;s List</source>
        <translation>Zur Benutzerliste hinzufügen</translation>
    </message>
    <message>
        <source>Edit Movie</source>
        <translation>Film bearbeiten</translation>
    </message>
    <message>
        <source>Search Criteria:</source>
        <translation>Suchkriterien:</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Director:</source>
        <translation>Regie:</translation>
    </message>
    <message>
        <source>Actor:</source>
        <translation>Darsteller:</translation>
    </message>
    <message>
        <source>Reference With:</source>
        <translation>Zusammen mit:</translation>
    </message>
    <message>
        <source>Genre</source>
        <translation>Genre</translation>
    </message>
    <message>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation>Freigabe:</translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation>Medium:</translation>
    </message>
    <message>
        <source># of Stars</source>
        <translation>Anzahl Sterne</translation>
    </message>
    <message>
        <source>Exact Match</source>
        <translation>Exakter Treffer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Click on a Movie to View Actors:</source>
        <translation>Film anklicken, um die Darsteller zu sehen:</translation>
    </message>
    <message>
        <source>Found Movie Titles:</source>
        <translation>Gefundene Filmtitel:</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>You must have critiera to search by!</source>
        <translation>Sie müssen Suchkriterien angeben!</translation>
    </message>
    <message>
        <source>ID-10-T Error</source>
        <translation>ID-10-T-Fehler</translation>
    </message>
    <message>
        <source>Search for Movies...</source>
        <translation>Filme werden gesucht...</translation>
    </message>
    <message>
        <source>Error %1</source>
        <translation>Fehler %1</translation>
    </message>
    <message>
        <source>No movies found with this search criteria.</source>
        <translation>Mit diesen Suchkriterien wurden keine Filme gefunden.</translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation>Keine Filme gefunden</translation>
    </message>
    <message>
        <source>Updating the Movie List...</source>
        <translation>Filmliste wird aktualisiert...</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>This product uses the TMDB API but is not endorsed or certified by TMDB.</source>
        <translation>Dieses Produkt nutzt die TMDB-API, wird aber von TMDB weder unterstützt noch zertifiziert.</translation>
    </message>
</context>
<context>
    <name>frmUploadMovies</name>
    <message>
        <source> Upload Movies</source>
        <translation> Filme hochladen</translation>
    </message>
    <message>
        <source>Show Only Movies Not Uploaded Yet</source>
        <translation>Nur noch nicht hochgeladene Filme anzeigen</translation>
    </message>
    <message>
        <source>Upload Selected</source>
        <translation>Auswahl hochladen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Movies to upload</source>
        <translation>Hochzuladende Filme</translation>
    </message>
    <message>
        <source>Uploading Selected Movies...</source>
        <translation>Ausgewählte Filme werden hochgeladen...</translation>
    </message>
    <message>
        <source>Movies have been uploaded.<byte value="xd"/>Thank you for supporting the Cinelog community!</source>
        <translation>Die Filme wurden hochgeladen.<byte value="xd"/>Vielen Dank, dass Sie die Cinelog-Community unterstützen!</translation>
    </message>
    <message>
        <source>All Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Upload Movies</source>
        <translation>Filme hochladen</translation>
    </message>
</context>
<context>
    <name>frmUserList</name>
    <message>
        <source>User Lists</source>
        <translation>Benutzerlisten</translation>
    </message>
    <message>
        <source>Select User:</source>
        <translation>Benutzer auswählen:</translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation>Filmtitel</translation>
    </message>
    <message>
        <source>Loan To</source>
        <translation>Verleihen an</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Print List</source>
        <translation>Liste drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Movies in the list</source>
        <translation>Filme in der Liste</translation>
    </message>
    <message>
        <source>There are no user lists saved.</source>
        <translation>Es sind keine Benutzerlisten gespeichert.</translation>
    </message>
    <message>
        <source>No Lists</source>
        <translation>Keine Listen</translation>
    </message>
    <message>
        <source>Printing is not available in this installation.</source>
        <translation>Drucken ist in dieser Installation nicht verfügbar.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cinelog: %1
Try &apos;cinelog --help&apos;.
</source>
        <translation>Cinelog: %1
Versuchen Sie „cinelog --help“.
</translation>
    </message>
    <message>
        <source>Cinelog: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen to run without one).
</source>
        <translation>Cinelog: keine Anzeige gefunden (DISPLAY setzen oder QT_QPA_PLATFORM=offscreen, um ohne Anzeige zu laufen).
</translation>
    </message>
    <message>
        <source>Cinelog: %1 Later starts will open their own window.
</source>
        <translation>Cinelog: %1 Spätere Starts öffnen ein eigenes Fenster.
</translation>
    </message>
</context>
</TS>
