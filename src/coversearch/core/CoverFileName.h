#pragma once

#include <QString>

// The file name a downloaded cover is saved under, made from the movie's title: ":" removed, blanks
// turned into "_", the characters . , \ / < > ? * | & removed, double quotes turned into apostrophes,
// then ".jpg" appended. "Tom & Jerry: The Movie" gives "Tom__Jerry_The_Movie.jpg".
QString coverFileName(const QString &title);
