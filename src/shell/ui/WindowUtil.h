#pragma once

#include <QString>

class QWidget;
class IniFile;
class QHeaderView;

// Sizes in the settings file are twips; widgets work in pixels.
int twipsToPixels(double twips);
int pixelsToTwips(int pixels);

// True when a top-level window of that object name (compared without regard to case) is visible.
bool FormLoaded(const QString &formName);

// Puts a window into or out of the always-on-top band.
void SetTopMost(QWidget *window, bool onTop);

// Column widths stored under keys prefix+"1", prefix+"2", ... of a section, in twips.
// A stored value that is not a number leaves that column as it is; a column whose width still
// matches its stored value keeps that value unchanged.
void restoreColumnWidths(QHeaderView *header, const IniFile &ini, const QString &section, const QString &prefix = QString());
void storeColumnWidths(const QHeaderView *header, IniFile &ini, const QString &section, const QString &prefix = QString());

// Writes a size in pixels as twips, unless the stored value already gives that many pixels.
void writeTwips(IniFile &ini, const QString &section, const QString &key, int pixels);

// Reads a number setting; false when missing or not a number.
bool readTwips(const IniFile &ini, const QString &section, const QString &key, int &pixels);
