<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>BatchFill</name>
    <message>
        <source>Filling movie details...</source>
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
</TS>
