#pragma once

class frmOptions;

// Adds the movie-details rows to the options dialog: how many cast members to take, whose
// certification becomes the rating, the language of titles and genres, the poster size and the
// form of people's names; they are stored when the dialog saves. The TMDb key is the cover
// search's row.
void addMovieDetailsOptions(frmOptions &dlg);
