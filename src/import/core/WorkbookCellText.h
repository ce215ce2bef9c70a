#pragma once

#include <QDateTime>
#include <QString>
#include <vector>

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

// A number format code as far as the import shows it. Dates keep the catalogue's form whatever
// the format (the built-in date formats follow the locale of whoever opens the file); a time of
// day or an elapsed time is shown as the format lays it out, literal text included ("h:mm" gives
// "18:48", "\"until \"h:mm AM/PM" gives "until 6:48 PM", "[h]:mm:ss" counts the hours past 24);
// any other number is shown as "General" shows it.
class NumberFormat
{
public:
    NumberFormat() = default; // General

    static NumberFormat fromCode(const QString &code);
    // The formats Excel numbers without writing them into the file (14 to 22, 45 to 47, ...).
    static NumberFormat builtIn(int id);

    // Whether the format shows a date or a time, and which.
    bool isDateOrTime() const { return m_isDate; }
    SerialKind kind() const { return m_kind; }

    QString text(double value, bool epoch1904) const;

private:
    struct Part {
        enum Kind { Literal, Hours, Minutes, Seconds, Fraction, AmPm, MonthOrMinutes, DateLetter } kind = Literal;
        int width = 1;        // digits (padded with zeros), or the letters of an AM/PM marker
        bool elapsed = false; // [h], [mm], [ss]: the total, not the part within the day or hour
        bool upper = true;    // AM/PM rather than am/pm
        QString text;
    };

    QString timeText(double serial) const;

    bool m_isDate = false;
    SerialKind m_kind = SerialKind::Date;
    std::vector<Part> m_parts; // for times only
};

// Whether a number format code shows a date or time (and which); false for plain numbers.
bool isDateFormatCode(const QString &code, SerialKind *kind);

}
