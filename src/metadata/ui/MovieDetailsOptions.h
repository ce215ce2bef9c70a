#pragma once

// Adds the movie-details rows to the options dialog (once per program): how many cast members to
// take, whose certification becomes the rating, the language of titles and genres, the poster
// size and the form of people's names. The TMDb key is the cover search's row.
void registerMovieDetailsOptions();
