#include "WindowUtil.h"

#include "IniFile.h"

#include <QApplication>
#include <QHeaderView>
#include <QScreen>
#include <QWidget>
#include <cmath>

static double logicalDpi()
{
    if (QScreen *s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInch();
    return 96.0;
}

int twipsToPixels(double twips)
{
    return int(std::lround(twips * logicalDpi() / 1440.0));
}

int pixelsToTwips(int pixels)
{
    return int(std::lround(pixels * 1440.0 / logicalDpi()));
}

bool FormLoaded(const QString &formName)
{
    const QString wanted = formName.toUpper();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->objectName().toUpper() == wanted && w->isVisible())
            return true;
    }
    return false;
}

void SetTopMost(QWidget *window, bool onTop)
{
    if (!window)
        return;
    const bool visible = window->isVisible();
    const bool already = window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (already == onTop)
        return;
    window->setWindowFlag(Qt::WindowStaysOnTopHint, onTop);
    // Changing window flags hides the window; bring it back without taking the focus.
    if (visible) {
        window->setAttribute(Qt::WA_ShowWithoutActivating, true);
        window->show();
        window->setAttribute(Qt::WA_ShowWithoutActivating, false);
    }
}

bool readTwips(const IniFile &ini, const QString &section, const QString &key, int &pixels)
{
    bool ok = false;
    const double v = ini.read(section, key).trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v) || v < 0 || v > 1e7)
        return false;
    pixels = twipsToPixels(v);
    return true;
}

void restoreColumnWidths(QHeaderView *header, const IniFile &ini, const QString &section, const QString &prefix)
{
    for (int i = 0; i < header->count(); ++i) {
        int px = 0;
        if (readTwips(ini, section, prefix + QString::number(i + 1), px))
            header->resizeSection(i, px);
    }
}

void storeColumnWidths(const QHeaderView *header, IniFile &ini, const QString &section, const QString &prefix)
{
    for (int i = 0; i < header->count(); ++i)
        writeTwips(ini, section, prefix + QString::number(i + 1), header->sectionSize(i));
}

void writeTwips(IniFile &ini, const QString &section, const QString &key, int pixels)
{
    // A stored size that still gives this many pixels is kept as it is: pixels are coarser than
    // twips, so writing it back would move it (500 twips are 33 pixels, which are 495 twips).
    int storedPx = 0;
    if (readTwips(ini, section, key, storedPx) && storedPx == pixels)
        return;
    ini.write(section, key, QString::number(pixelsToTwips(pixels)));
}
