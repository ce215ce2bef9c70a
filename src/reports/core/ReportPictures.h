#pragma once

#include <QImage>

// The program's own pictures for reports, drawn at print resolution.
namespace report::pictures {

// The product logo: a film reel.
QImage logo();
// A gold, filled star and an empty (outlined) star.
QImage filledStar();
QImage emptyStar();

} // namespace report::pictures
