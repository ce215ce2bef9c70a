#include "ThumbnailTip.h"

#include <QCoreApplication>

QString thumbnailTipTitle(const QString &key, const Coverfetch::AWSItem &item)
{
    // The key itself ("Result #n") stays English: the thumbnails are found by it.
    return QCoreApplication::translate("ThumbnailTip", "Information about Result #%1 (%2)")
        .arg(QString::number(slotOfKey(key)), item.strASIN);
}

QString thumbnailTipText(const Coverfetch::AWSItem &item)
{
    return QCoreApplication::translate("ThumbnailTip",
                                       "General Information:\r\n     Title: %1\r\nImage Dimensions:\r\n     %2x%3")
        .arg(item.strTitle, QString::number(item.lngLargeImageWidth), QString::number(item.lngLargeImageHeight));
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
