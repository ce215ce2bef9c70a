#include "ReportDefinition.h"

#include "CinelogError.h"

#include <QBuffer>
#include <QImageReader>
#include <QLocale>

namespace report {

QImage Picture::toImage() const
{
    if (!image.isNull() || encoded.isEmpty())
        return image;
    QImage out;
    out.loadFromData(encoded);
    return out;
}

QSize Picture::size() const
{
    if (!image.isNull() || encoded.isEmpty())
        return image.size();
    QBuffer buffer;
    buffer.setData(encoded);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader(&buffer).size();
}

Control Control::label(const QString &name, const QString &text, int left, int top, int width, int height,
                       int pointSize, bool bold)
{
    Control c;
    c.name = name;
    c.kind = ControlKind::Label;
    c.text = text;
    c.rect = QRect(left, top, width, height);
    c.pointSize = pointSize;
    c.bold = bold;
    return c;
}

Control Control::field(const QString &name, const QString &dataField, int left, int top, int width, int height,
                       int pointSize, bool bold)
{
    Control c = label(name, QString(), left, top, width, height, pointSize, bold);
    c.kind = ControlKind::Field;
    c.dataField = dataField;
    return c;
}

Control Control::pageNumber(const QString &name, int left, int top, int width, int height)
{
    Control c = label(name, QString(), left, top, width, height);
    c.kind = ControlKind::PageNumber;
    return c;
}

Control Control::pageCount(const QString &name, int left, int top, int width, int height)
{
    Control c = label(name, QString(), left, top, width, height);
    c.kind = ControlKind::PageCount;
    return c;
}

Control Control::line(const QString &name, int x1, int y1, int x2, int y2)
{
    Control c;
    c.name = name;
    c.kind = ControlKind::Line;
    c.x1 = x1;
    c.y1 = y1;
    c.x2 = x2;
    c.y2 = y2;
    c.rect = QRect(QPoint(qMin(x1, x2), qMin(y1, y2)), QPoint(qMax(x1, x2), qMax(y1, y2)));
    return c;
}

Control Control::image(const QString &name, const QImage &image, int left, int top, int width, int height)
{
    Control c;
    c.name = name;
    c.kind = ControlKind::Picture;
    c.rect = QRect(left, top, width, height);
    c.picture.image = image;
    return c;
}

QFont Control::font() const
{
    // The layouts were drawn for Arial's widths: prefer it or its metric twin, else a sans serif.
    QFont f;
    f.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pointSize * TwipsPerPoint);
    f.setBold(bold);
    return f;
}

Control *Section::control(const QString &controlName)
{
    for (Control &c : controls)
        if (c.name == controlName)
            return &c;
    return nullptr;
}

PageSetup PageSetup::letter()
{
    PageSetup p;
    p.paper = QSize(12240, 15840); // 8.5 x 11 in
    return p;
}

PageSetup PageSetup::isoA4()
{
    PageSetup p;
    p.paper = QSize(11906, 16838); // 210 x 297 mm
    p.a4 = true;
    return p;
}

PageSetup PageSetup::forLocale()
{
    const QLocale locale;
    switch (locale.territory()) {
    case QLocale::UnitedStates:
    case QLocale::Canada:
    case QLocale::Mexico:
    case QLocale::Chile:
    case QLocale::Colombia:
    case QLocale::Venezuela:
    case QLocale::Philippines:
    case QLocale::CostaRica:
    case QLocale::Guatemala:
    case QLocale::PuertoRico:
        return letter();
    default:
        return locale.measurementSystem() == QLocale::ImperialUSSystem ? letter() : isoA4();
    }
}

Control *ReportDefinition::control(const QString &controlName)
{
    for (Section *s : {&pageHeader, &detail, &pageFooter}) {
        if (Control *c = s->control(controlName))
            return c;
    }
    if (groupHeader)
        if (Control *c = groupHeader->control(controlName))
            return c;
    if (groupFooter)
        if (Control *c = groupFooter->control(controlName))
            return c;
    return nullptr;
}

Control &ReportDefinition::at(const QString &controlName)
{
    Control *c = control(controlName);
    if (!c)
        throw CinelogError(ErrorNumber::ObjectNotSet,
                           logged("Reports", "The report %1 has no control %2.").arg(name, controlName));
    return *c;
}

} // namespace report
