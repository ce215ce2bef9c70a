#include "ThumbnailTip.h"

QString thumbnailTipTitle(const QString &key, const Coverfetch::AWSItem &item)
{
    return QStringLiteral("Information about ") + key + QStringLiteral(" (") + item.strASIN + QLatin1Char(')');
}

QString thumbnailTipText(const Coverfetch::AWSItem &item)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("General Information:") + crlf + QStringLiteral("     Title: ") + item.strTitle + crlf
        + QStringLiteral("Image Dimensions:") + crlf + QStringLiteral("     ") + QString::number(item.lngLargeImageWidth)
        + QLatin1Char('x') + QString::number(item.lngLargeImageHeight);
}

int slotOfKey(const QString &key)
{
    bool ok = false;
    const int n = key.mid(8).toInt(&ok);
    return ok && n > 0 ? n : 0;
}

QString keyOfSlot(int slot)
{
    return QStringLiteral("Result #") + QString::number(slot);
}
