#include "WorkbookCellText.h"

#include <algorithm>
#include <cmath>

namespace CellText {

QString number(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("#NUM!");
    if (value == 0)
        return QStringLiteral("0");
    if (std::fabs(value) < 1e15 && value == std::floor(value))
        return QString::number(qint64(value));
    // 15 significant digits hide binary noise such as 0.30000000000000004, as the program does.
    QString s = QString::number(value, 'g', 15);
    return s;
}

QString date(const QDate &d)
{
    return d.toString(QStringLiteral("yyyy-MM-dd"));
}

QString time(const QTime &t)
{
    return t.toString(QStringLiteral("HH:mm:ss"));
}

QString dateTime(const QDateTime &dt)
{
    if (dt.time() == QTime(0, 0))
        return date(dt.date());
    return date(dt.date()) + QLatin1Char(' ') + time(dt.time());
}

QString boolean(bool value)
{
    return value ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
}

QString fromSerial(double serial, bool epoch1904, SerialKind kind)
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465.0) // beyond 9999-12-31
        return number(serial);
    double days = std::floor(serial);
    const qint64 msecs = qint64(std::llround((serial - days) * 86400000.0));
    QDate base;
    if (epoch1904) {
        base = QDate(1904, 1, 1);
    } else {
        // Serial 1 is 1900-01-01, and spreadsheets count a 29 February 1900 that never was.
        base = days >= 61 ? QDate(1899, 12, 30) : QDate(1899, 12, 31);
    }
    QDateTime dt(base.addDays(qint64(days)), QTime(0, 0));
    dt = dt.addMSecs(msecs);
    // Round to whole seconds as the default formats show them.
    const QTime t = dt.time();
    if (t.msec() >= 500)
        dt = dt.addMSecs(1000 - t.msec());
    else
        dt = dt.addMSecs(-t.msec());
    switch (kind) {
    case SerialKind::Date:
        return date(dt.date());
    case SerialKind::Time:
        return time(dt.time());
    case SerialKind::DateTime:
        return dateTime(dt);
    }
    return date(dt.date());
}

namespace {

// The first section of a format code: the one that shows positive numbers and zero.
QString firstSection(const QString &code)
{
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar ch = code.at(i);
        if (ch == u'"') {
            const qsizetype end = code.indexOf(u'"', i + 1);
            if (end < 0)
                break;
            i = end;
        } else if (ch == u'\\' || ch == u'_' || ch == u'*') {
            ++i;
        } else if (ch == u';') {
            return code.left(i);
        }
    }
    return code;
}

qsizetype runLength(const QString &s, qsizetype from, QChar lower)
{
    qsizetype n = 0;
    while (from + n < s.size() && s.at(from + n).toLower() == lower)
        ++n;
    return n;
}

QString padded(qint64 value, int width)
{
    return QString::number(value).rightJustified(width, u'0');
}

}

NumberFormat NumberFormat::fromCode(const QString &code)
{
    // Date letters are kept as placeholders so that an "m" can be told apart: minutes right after
    // hours or right before seconds, else the month.
    constexpr auto DateLetter = Part::DateLetter;
    std::vector<Part> parts;
    const auto literal = [&parts](const QString &text) {
        if (text.isEmpty())
            return;
        if (!parts.empty() && parts.back().kind == Part::Literal)
            parts.back().text += text;
        else
            parts.push_back(Part{Part::Literal, 1, false, true, text});
    };
    const auto unit = [&parts](Part::Kind kind, qsizetype width, bool elapsed) {
        parts.push_back(Part{kind, int(std::clamp<qsizetype>(width, 1, elapsed ? 9 : 2)), elapsed, true, QString()});
    };
    const QString first = firstSection(code);
    bool general = false;
    for (qsizetype i = 0; i < first.size(); ++i) {
        const QChar ch = first.at(i);
        const QChar lower = ch.toLower();
        if (ch == u'"') {
            const qsizetype end = first.indexOf(u'"', i + 1);
            literal(first.mid(i + 1, (end < 0 ? first.size() : end) - i - 1));
            i = end < 0 ? first.size() : end;
        } else if (ch == u'\\') {
            if (i + 1 < first.size())
                literal(first.mid(++i, 1));
        } else if (ch == u'_') {
            literal(QStringLiteral(" ")); // room as wide as the next character
            ++i;
        } else if (ch == u'*') {
            ++i; // fills the cell's width with the next character
        } else if (ch == u'[') {
            const qsizetype end = first.indexOf(u']', i + 1);
            const QString inner = first.mid(i + 1, (end < 0 ? first.size() : end) - i - 1);
            const QChar u = inner.isEmpty() ? QChar() : inner.at(0).toLower();
            if ((u == u'h' || u == u'm' || u == u's') && runLength(inner, 0, u) == inner.size())
                unit(u == u'h' ? Part::Hours : u == u'm' ? Part::Minutes : Part::Seconds, inner.size(), true);
            else if (inner.startsWith(u'$')) // [$€-407]: a currency sign, then the locale
                literal(inner.mid(1).section(u'-', 0, 0));
            // colours, conditions and calendars show nothing
            i = end < 0 ? first.size() : end;
        } else if (lower == u'h' || lower == u's' || (lower == u'm' && runLength(first, i, lower) <= 2)) {
            const qsizetype n = runLength(first, i, lower);
            unit(lower == u'h' ? Part::Hours : lower == u's' ? Part::Seconds : Part::MonthOrMinutes, n, false);
            i += n - 1;
        } else if (lower == u'y' || lower == u'd' || lower == u'm') { // "mmm" and longer: a month's name
            parts.push_back(Part{DateLetter, 1, false, true, QString()});
            i += runLength(first, i, lower) - 1;
        } else if (lower == u'a' && first.mid(i, 5).compare(QLatin1String("am/pm"), Qt::CaseInsensitive) == 0) {
            parts.push_back(Part{Part::AmPm, 2, false, ch.isUpper(), QString()});
            i += 4;
        } else if (lower == u'a' && first.mid(i, 3).compare(QLatin1String("a/p"), Qt::CaseInsensitive) == 0) {
            parts.push_back(Part{Part::AmPm, 1, false, ch.isUpper(), QString()});
            i += 2;
        } else if (ch == u'.' && i + 1 < first.size() && first.at(i + 1) == u'0' && !parts.empty()
                   && parts.back().kind == Part::Seconds) {
            const qsizetype n = runLength(first, i + 1, u'0');
            parts.push_back(Part{Part::Fraction, int(std::min<qsizetype>(n, 3)), false, true, QString()});
            i += n;
        } else if (lower == u'g' && first.mid(i, 7).compare(QLatin1String("general"), Qt::CaseInsensitive) == 0) {
            general = true;
            i += 6;
        } else {
            literal(QString(ch));
        }
    }
    NumberFormat f;
    if (general)
        return f;
    bool hasDate = false, hasTime = false;
    const auto neighbour = [&parts](size_t at, int step) {
        for (qsizetype k = qsizetype(at) + step; k >= 0 && k < qsizetype(parts.size()); k += step)
            if (parts[size_t(k)].kind != Part::Literal)
                return parts[size_t(k)].kind;
        return Part::Literal;
    };
    for (size_t k = 0; k < parts.size(); ++k) {
        Part &p = parts[k];
        if (p.kind == Part::MonthOrMinutes) {
            if (neighbour(k, -1) == Part::Hours || neighbour(k, 1) == Part::Seconds)
                p.kind = Part::Minutes;
            else
                hasDate = true;
        } else if (p.kind == DateLetter) {
            hasDate = true;
        } else if (p.kind == Part::Hours || p.kind == Part::Minutes || p.kind == Part::Seconds) {
            hasTime = true;
        }
    }
    if (!hasDate && !hasTime)
        return f;
    f.m_isDate = true;
    f.m_kind = hasDate && hasTime ? SerialKind::DateTime : hasDate ? SerialKind::Date : SerialKind::Time;
    if (f.m_kind == SerialKind::Time)
        f.m_parts = std::move(parts);
    return f;
}

NumberFormat NumberFormat::builtIn(int id)
{
    // The codes of the East Asian built-in formats depend on the language of the program that
    // wrote the file; their dates show as any date does, their times as hours and minutes.
    static const std::pair<int, const char *> codes[] = {
        {18, "h:mm AM/PM"}, {19, "h:mm:ss AM/PM"}, {20, "h:mm"},  {21, "h:mm:ss"}, {22, "m/d/yy h:mm"},
        {32, "h:mm"},       {33, "h:mm:ss"},       {45, "mm:ss"}, {46, "[h]:mm:ss"}, {47, "mm:ss.0"},
    };
    for (const auto &[number, code] : codes)
        if (number == id)
            return fromCode(QString::fromLatin1(code));
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        return fromCode(QStringLiteral("yyyy-mm-dd"));
    return NumberFormat();
}

QString NumberFormat::text(double value, bool epoch1904) const
{
    if (!m_isDate)
        return number(value);
    if (m_kind == SerialKind::Time)
        return timeText(value);
    return fromSerial(value, epoch1904, m_kind);
}

QString NumberFormat::timeText(double serial) const
{
    if (!std::isfinite(serial) || serial < 0 || serial > 2958465.0)
        return number(serial);
    int digits = 0;
    bool twelveHours = false;
    for (const Part &p : m_parts) {
        if (p.kind == Part::Fraction)
            digits = std::max(digits, p.width);
        twelveHours = twelveHours || p.kind == Part::AmPm;
    }
    // Rounded to the precision shown, as spreadsheets do; minutes and hours are then cut, not
    // rounded (18:48:59 shows as 18:48).
    qint64 scale = 1;
    for (int i = 0; i < digits; ++i)
        scale *= 10;
    const qint64 ticks = std::llround(serial * 86400.0 * double(scale));
    const qint64 seconds = ticks / scale, fraction = ticks % scale;
    const qint64 hourOfDay = seconds / 3600 % 24;
    QString out;
    for (const Part &p : m_parts) {
        switch (p.kind) {
        case Part::Literal:
            out += p.text;
            break;
        case Part::DateLetter:
            break; // not in a time's format
        case Part::Hours: {
            qint64 h = p.elapsed ? seconds / 3600 : hourOfDay;
            if (twelveHours && !p.elapsed)
                h = h % 12 == 0 ? 12 : h % 12;
            out += padded(h, p.width);
            break;
        }
        case Part::Minutes:
        case Part::MonthOrMinutes:
            out += padded(p.elapsed ? seconds / 60 : seconds / 60 % 60, p.width);
            break;
        case Part::Seconds:
            out += padded(p.elapsed ? seconds : seconds % 60, p.width);
            break;
        case Part::Fraction:
            out += QLatin1Char('.') + padded(fraction, digits).left(p.width);
            break;
        case Part::AmPm: {
            QString marker = hourOfDay >= 12 ? QStringLiteral("PM") : QStringLiteral("AM");
            if (p.width == 1)
                marker.truncate(1);
            out += p.upper ? marker : marker.toLower();
            break;
        }
        }
    }
    return out;
}

bool isDateFormatCode(const QString &code, SerialKind *kind)
{
    const NumberFormat f = NumberFormat::fromCode(code);
    if (f.isDateOrTime() && kind)
        *kind = f.kind();
    return f.isDateOrTime();
}

}
