#include "WorkbookCellText.h"

#include <QRegularExpression>
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

bool isBuiltInDateFormat(int id, SerialKind *kind)
{
    SerialKind k;
    if ((id >= 14 && id <= 17) || (id >= 27 && id <= 31) || (id >= 34 && id <= 36) || (id >= 50 && id <= 58))
        k = SerialKind::Date;
    else if ((id >= 18 && id <= 21) || (id >= 32 && id <= 33) || (id >= 45 && id <= 47))
        k = SerialKind::Time;
    else if (id == 22)
        k = SerialKind::DateTime;
    else
        return false;
    if (kind)
        *kind = k;
    return true;
}

bool isDateFormatCode(const QString &code, SerialKind *kind)
{
    // Only the first section (positive numbers) decides; quoted text, escapes and [colour],
    // [$-locale] parts are not date letters. Elapsed-time codes like [h] are times.
    QString plain;
    bool elapsed = false;
    const QString first = code.section(QLatin1Char(';'), 0, 0);
    for (qsizetype i = 0; i < first.size(); ++i) {
        const QChar ch = first.at(i);
        if (ch == u'"') {
            const qsizetype end = first.indexOf(u'"', i + 1);
            i = end < 0 ? first.size() : end;
        } else if (ch == u'\\' || ch == u'_' || ch == u'*') {
            ++i;
        } else if (ch == u'[') {
            const qsizetype end = first.indexOf(u']', i + 1);
            const QString inner = first.mid(i + 1, (end < 0 ? first.size() : end) - i - 1).toLower();
            if (!inner.isEmpty() && (inner.at(0) == u'h' || inner.at(0) == u'm' || inner.at(0) == u's'))
                elapsed = true;
            i = end < 0 ? first.size() : end;
        } else {
            plain += ch.toLower();
        }
    }
    if (plain.contains(QLatin1String("general")))
        return false;
    const bool hasDate = plain.contains(u'y') || plain.contains(u'd');
    const bool hasTime = plain.contains(u'h') || plain.contains(u's') || elapsed;
    SerialKind k;
    if (hasDate && hasTime)
        k = SerialKind::DateTime;
    else if (hasDate)
        k = SerialKind::Date;
    else if (hasTime)
        k = SerialKind::Time;
    else if (plain.contains(u'm'))
        k = SerialKind::Date; // a month on its own
    else
        return false;
    if (kind)
        *kind = k;
    return true;
}

}
