#include "WindowUtil.h"

#include "IniFile.h"
#include "WindowPlacement.h"

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

static Setting<double> twipsSetting(const QString &section, const QString &key)
{
    return Setting<double>(section, key, 0, 0, 1e7);
}

bool readTwips(const IniFile &ini, const QString &section, const QString &key, int &pixels)
{
    const std::optional<int> px = storedPixels(twipsSetting(section, key), ini);
    if (px)
        pixels = *px;
    return px.has_value();
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
    writePixels(twipsSetting(section, key), ini, pixels);
}
