<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AppContext</name>
    <message>
        <source>Permission denied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BatchFill</name>
    <message>
        <source>Filling movie details...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> It has been opened again as it is now: check your last change and make it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> It could not be opened again: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was replaced by another program (one that compacted it or restored a backup over it) while it was open here. Your change was not written.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program while it was open here. Your change was not written. Open the catalogue again from where it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be converted and has not been changed. %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is using the catalogue &apos;%1&apos; (reading or changing it) and did not let go in time. Nothing was written: try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted, moved or replaced while it was open here. Nothing was written. Open the catalogue again from where it is now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be written: the file or its folder is read-only for you, or the file was moved or deleted. Nothing was written. Check the file&apos;s permissions, or open the catalogue again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; could not be read or written (%2). Check the disk or network drive it is on, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk holding the catalogue &apos;%1&apos; is full. Nothing was written: make room on it, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; cannot be opened (%2). Check that the file and its folder are still there and that you may read and write them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2). It stays open for reading only: nothing more is written to it. Recover what can be read into a new catalogue, or go back to a backup.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2) and open for reading only: nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueConvert</name>
    <message>
        <source>Permission denied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted catalogue could not be created: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doing Actors (thats funny!!)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Doing Directors (Even Funnier!!)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating Movies and Actor Lists...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating Loans...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted catalogue could not replace &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueFile</name>
    <message>
        <source>Creating Cinelog...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is a catalogue of an earlier version of Cinelog: open it first to convert it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unrecognized database format &apos;%1&apos;: it is not a Cinelog catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueHealth</name>
    <message>
        <source>Could not find file &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking the catalogue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; already exists: choose a new file for the recovered catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovering the catalogue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing can be read from &apos;%1&apos;: even its list of tables is damaged (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovery was cancelled; no catalogue was made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovered catalogue failed its check: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovered catalogue could not be named &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueMaintenance</name>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted, moved or replaced by another program after it was opened here. Open the catalogue again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file cannot be found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file is read-only. Allow writing to it first, or compact a copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the folder does not allow new files to be made in it, which compacting needs. Allow writing to the folder first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program is changing it. Try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: another program replaced the file meanwhile. Open the catalogue again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue could not be compacted: no working copy could be made in %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue failed its check.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be given the catalogue&apos;s permissions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compacted copy of the catalogue could not be written to the disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was not compacted: the file was deleted or moved while it was being compacted. It has not been made again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compacted catalogue could not replace %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The compacted catalogue could not be opened again: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueSession</name>
    <message>
        <source>Database Must Be Converted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This catalogue was made by an earlier version of Cinelog and must be converted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue was not converted, so it cannot be opened. The file has not been changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I have to convert your database to the new format!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This question database already exists.<byte value="xd"/>Are you sure you want to overwrite it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue has been converted. The original file is kept as &apos;%1&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Complete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update Complete.  Now we&apos;ll load the updated database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CatalogueWatch</name>
    <message>
        <source>No catalogue is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; was checked from end to end: no damage was found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover what can still be read into a new catalogue now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue Damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (recovered)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Recovered Catalogue As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recovered catalogue needs a file of its own: the damaged one is kept as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be replaced: choose another name for the recovered catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing could be recovered from &apos;%1&apos;.

%2

The damaged file is as it was; a backup may hold your catalogue (File &gt; Restore from Backup).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the recovered catalogue now?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue Recovered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue &apos;%1&apos; is damaged (%2).

It stays open for reading only: nothing more is written to it, and the file itself is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What could be read was saved in the new catalogue &apos;%1&apos;: %2 movies, %3 cast entries, %4 loans and %5 episodes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some parts of the damaged file could not be read: compare the new catalogue with your last backup before you rely on it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program put a different file in the place of the catalogue &apos;%1&apos; (for example by restoring a backup or compacting it). The catalogue has been opened again and shows what that file holds now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue file &apos;%1&apos; was deleted or moved away by another program. What is shown can still be read, but nothing can be saved to it: open the catalogue again from where it is now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChangeConflict</name>
    <message>
        <source>Another program changed %1 after it was shown here.

Yes: show it as it is stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave it as it is stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changed Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Catalogue the movies you own on disc or tape.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A catalogue (.cnlg) to open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one catalogue can be opened at a time; %1 were given.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Community</name>
    <message>
        <source>The system&apos;s certificate authorities</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The certificate authority file (.pem) of your community server, from its operator. The connection is encrypted, and the server&apos;s certificate must be signed by it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community CA file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the CA file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the community CA file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Certificates (*.pem *.crt *.cer);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Community CA file:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoverPictures</name>
    <message>
        <source>The picture file is too large to store as a cover (%1 MB at most).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Permission denied: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture file is empty: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is too large to store as a cover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No movie with ID %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie has no cover picture.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid picture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoverWall</name>
    <message>
        <source>Movie covers</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CoverWallPane</name>
    <message>
        <source>Cover si&amp;ze:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size of the covers (Ctrl + mouse wheel)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorLog</name>
    <message>
        <source>Error %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1<byte value="xd"/>This error has been logged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorReporter</name>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportDialog</name>
    <message>
        <source>Export Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The whole catalogue (%n movies)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the list (%n)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The search results (%n)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>CSV (comma-separated text, UTF-8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excel workbook (.xlsx)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OpenDocument spreadsheet (.ods)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML catalogue (web page with cover pictures)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;ile:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One line per movie with a heading line; opens in any spreadsheet program and imports back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One worksheet, one row per movie; imports back into a catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A page that opens in any web browser, also offline and on a phone; click a heading to sort. The cover pictures go into a folder beside it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 files (*.%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPreviewModel</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already in the catalogue: skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Already in the catalogue: imported again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actor 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actor 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actor 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actor 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sort Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Episodes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JetImport</name>
    <message>
        <source>Converting the catalogue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It has no Movies table, so it is not a Cinelog catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of table %2 has %3 values for %4 columns.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row %1 of table %2 could not be converted: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original could not be kept as &apos;%1&apos;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every backup name for &apos;%1&apos; is taken.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted catalogue could not be created in &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted catalogue failed its integrity check: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted catalogue could not take the place of &apos;%1&apos;: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JetReader</name>
    <message>
        <source>The Jet database &apos;%1&apos; has no table &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The columns of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A long value in table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A row of table &apos;%1&apos; of &apos;%2&apos; is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a Jet database.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Jet database &apos;%1&apos; could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table list of the Jet database &apos;%1&apos; could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one table of &apos;%1&apos; is read at a time.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Migrations</name>
    <message>
        <source>Adding %1 to the database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding the new Episodes Table to the database...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovieDetails</name>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 as %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cast</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n actor(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(a picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poster (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The request was cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No API key for %1 is set. Get a free key with an account at themoviedb.org (Settings &gt; API) and enter it in Options &gt; Edit Options &gt; &quot;TMDb API key&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused the API key. Check the key in Options &gt; Edit Options &gt; &quot;TMDb API key&quot; (an API key or an API read access token from your account&apos;s API settings).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be reached. Check the network connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 did not answer in time. Try again later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is busy (too many requests). Wait a minute and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 does not know this movie (any more). Search for it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 answered with an error. Try again later; if it persists, the service may have changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No movie-information plug-in was found in %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovieDetailsCommands</name>
    <message>
        <source>Get Movie &amp;Details...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the movie&apos;s empty fields from The Movie Database (TMDb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Movie from &amp;TMDb...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a title, pick the movie, and it is saved with its details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill Details for Movies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the details of many movies from The Movie Database (TMDb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open or create a catalogue first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie details are not available: %1 Reinstall Cinelog to bring the plug-in back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updating the Movie List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The poster could not be fetched; the other fields are filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the movie first; then its details can be filled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Movie from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill Details for Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the empty fields of which movies? A movie is filled without asking only when exactly one result matches its title (and year); you choose for the others afterwards.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>The &amp;selected movies (%n)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The movies in the &amp;list (%n)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Every movie whose details are &amp;empty (%n)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filling stopped: the movies before this one are filled, this one is unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filled: %1
Needs your choice: %2
Not found: %3%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Already filled before (skipped): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovieDetailsOptions</name>
    <message>
        <source>Cast members to take</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many actors a fill takes, in billing order.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country of the rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two-letter country code (US, GB, DE, ...) whose certification becomes the rating; movies without one there take the US certification.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of titles and genres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language of titles, genres and overviews, as a tag such as en-US or de-DE.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poster size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>original</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width in pixels of the poster stored as the cover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form of people&apos;s names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last, First (Reeves, Keanu)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As given (Keanu Reeves)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Poster size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details: cast members:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details: rating country:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Details: people&apos;s names:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovieEditor</name>
    <message>
        <source>Movie editor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the cast of this movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genres:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order By:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source># in Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of Release:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Running Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie URL:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Rating:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Episode Disc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DVD Cover:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Click to Add Cover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actors:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>save actor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>remove actor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YOU PERVERT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PERVERT!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error getting the information for this movie.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Say What?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save the current movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Record?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Try again?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue In Use</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program changed this movie after it was shown here.

Yes: show the movie as it is stored now (your changes here are dropped).
No: save your version over the other change.
Cancel: go on editing without saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Changed Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Cover Image:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pictures (*.bmp *.jpg *.jpeg *.png *.gif);;BMP Files (*.bmp);;JPG Files (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Cover File..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP Files (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be written to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to remove %1 from this movie?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Actor?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovieListModel</name>
    <message>
        <source>ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order By</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Genre3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Num of Discs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>URL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaned To %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovieStore</name>
    <message numerus="yes">
        <source>Cleaned: %n unused Actors:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused Directors:</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>This movie was changed by another program after it was shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The movie is no longer in the catalogue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The cast of this movie was changed by another program after it was shown here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.%2 is not a pick list.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MovieTextIndex</name>
    <message>
        <source>Preparing the movies for quick filtering...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the movies for quick filtering: %1%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the movie list&apos;s orders: %1%...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Starting Up...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Up Defaults...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back &amp;Up Catalogue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from &amp;Backup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recover Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue Replaced</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue Deleted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover thumbnails kept (MB)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Memory the cover wall may use for thumbnails.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover thumbnails kept:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the movies as covers (Ctrl+2); again for the list (Ctrl+1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;tatistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting movies...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) exported to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Back Up Catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog catalogues (*.cnlg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A backup cannot replace the catalogue itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue was copied and checked:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The backup was restored. The catalogue as it was is kept among the backups.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QuickFilter</name>
    <message>
        <source>Filter by title, sort title or director (Ctrl+K)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows only the movies whose title, sort title or director contain every word typed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove this filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the filter: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Movies Found: %1 so far, counting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReadConnection</name>
    <message>
        <source>Could not open &apos;%1&apos;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPreview</name>
    <message>
        <source>Report page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First page (Home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous page (Page Up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next page (Page Down)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last page (End)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save as PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RestoreWindow</name>
    <message>
        <source>Restore from Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kept in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none (automatic backups off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic backups to keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic backups to &amp;keep:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Restore...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unreadable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the backup made %1 in the place of the catalogue?

The catalogue as it is now is kept as one more backup.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Schema</name>
    <message>
        <source>%1 is too long: at most %2 characters can be stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>Another start of the program did not finish in time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The running program did not answer.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SqliteFunctions</name>
    <message>
        <source>The catalogue connection is not a SQLite connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue connection is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The catalogue&apos;s text comparison could not be installed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StarRating</name>
    <message>
        <source>Click a star to rate the movie; click left of the first star for none.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatisticsWindow</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totals</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loans out longest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loaned To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Since</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Genres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Media</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Formats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Your Ratings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out &amp;longest:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the chart shown as a PNG picture or an SVG drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies by genre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies by decade of release</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies by medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies by format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies by your rating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loans out by borrower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not rated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 star</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 stars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no genre)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no medium)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no format)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(no name)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No catalogue is open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Counting...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not count: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 movies on %2 discs, %3 episodes; running time %4 days and %5 hours; %6 with a cover; %7 out on loan.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png);;SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved as %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TextKeys</name>
    <message>
        <source>Preparing the %1 for searching: %2%...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing names and titles for searching...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmCoverSearch</name>
    <message>
        <source>The search for covers of %1 did not work: the cover server could not be reached or did not answer as expected (%2).<byte value="xd"/><byte value="xd"/>Check your internet connection and the cover source in the Options window, then search again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cover Search Failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmEpisodes</name>
    <message>
        <source>Another program changed the episodes of this movie after they were shown here.

Yes: show the episodes as they are stored now (your change here is dropped).
No: make your change anyway.
Cancel: go on editing without saving.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Episodes Changed Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmExcel</name>
    <message>
        <source> Import from Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Worksheet to Import:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Fields to Link:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>guessed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boxes marked &quot;guessed&quot; were linked from the worksheet&apos;s headings: check them, and change any that is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview (the first %1 rows as they will be imported):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview of the imported rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>People are written &quot;First Last&quot;: store them as &quot;Last, First&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also import movies the catalogue already has (same title and year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export to:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Catalogue to add the movies to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the catalogue (*.cnlg) to add the movies to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the catalogue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import to Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an Excel to Import From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linked from the heading &quot;%1&quot;; change it if it is wrong.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row below the headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows below the headings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already in the catalogue (skipped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already in the catalogue (imported again)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog Catalogues (*.cnlg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 movie imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 movies imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 already in the catalogue and skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already in the catalogue and skipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 row refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 rows refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import from Excel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmLoans</name>
    <message>
        <source>Another program changed this loan after it was shown here.

Yes: show the loans as they are stored now (your change here is dropped).
No: make your change over the other one.
Cancel: leave the loan as it is stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Changed Elsewhere</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>C&amp;heck Catalogue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (filtered)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refreshing Movie List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Cinelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Cinelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add New Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From Excel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Titles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Loans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Actors and Directors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Cover File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Databse Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clean Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compact Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Web</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Covers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Info from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upload</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on IMDB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on Netflix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog Website</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog Forums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movie Title Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Director Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loan Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to User List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search IMDB for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Netflix for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a New Cinelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Cinelog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Movie to Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save/Update Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Movie List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Selected Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search the Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Loaned Movies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View User&apos;s Lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh the Movie List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Mediums...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding Formats...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading your Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Column Widths...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading Your Last Database (%1)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unloading the Splash Screen...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Getting the Movie List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Movies Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Movies Found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search IMDB for &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search Netflix for &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Movie...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you SURE you want to delete &quot;%1&quot; from the database?<byte value="xd"/>This will delete this movie record FOREVER!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Movie?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a Database Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Cinelog:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cleaning the Database...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Cleaned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database has been compacted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DB Compacted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the window to close...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Cinelog Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMovieFill</name>
    <message>
        <source>Movie Details from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the fields to fill from %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tick the fields of &quot;%1&quot; to fill from %2. Fields you typed are kept unless you tick them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fields to fill</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fill Ticked Fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill the ticked fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMovieResults</name>
    <message>
        <source>Find Movie at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title to search for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year of release (optional)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take This Movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the chosen movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No movie was found. Try another spelling or leave the year out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n movie(s) found. Choose one with the arrow keys and press Enter.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Searching...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>&amp;Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Takes effect the next time Cinelog starts.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Opened Cinelog:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Last Opened Database on Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Reports Default Folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Database:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelogs (*.cnlg)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmProgBar</name>
    <message>
        <source> Progress...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmResolveMovies</name>
    <message>
        <source>Movies That Need Your Choice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More than one movie at %1 could be meant for these. Press Enter on one to choose its match; the ones you leave stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Movies to resolve</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the match of the current movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSearch</name>
    <message>
        <source>Export...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source>This product uses the TMDB API but is not endorsed or certified by TMDB.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Cinelog: %1
Try &apos;cinelog --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog: no display found (set DISPLAY, or QT_QPA_PLATFORM=offscreen to run without one).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cinelog: %1 Later starts will open their own window.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
