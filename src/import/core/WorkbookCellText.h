#pragma once

#include <QDateTime>
#include <QString>

// How values read from a workbook become the text a user sees in the spreadsheet program.
namespace CellText {

// A number as the "General" format shows it: no trailing ".0", at most 15 significant digits.
QString number(double value);
// Dates in the catalogue's form (yyyy-MM-dd), with the time only when there is one.
QString date(const QDate &d);
QString dateTime(const QDateTime &dt);
QString time(const QTime &t);
QString boolean(bool value);

// A spreadsheet serial day number (days since the workbook's epoch, fraction = time of day).
enum class SerialKind { Date, Time, DateTime };
QString fromSerial(double serial, bool epoch1904, SerialKind kind);

// Whether a number format code shows a date or time (and which); false for plain numbers.
bool isDateFormatCode(const QString &code, SerialKind *kind);
bool isBuiltInDateFormat(int numFmtId, SerialKind *kind);

}
