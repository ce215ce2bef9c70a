#include "WindowPlacement.h"

#include "WindowUtil.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// Sizes beyond this many twips (almost 7000 inches) are taken for damage, not for a window.
constexpr double MaxTwips = 1e7;

Setting<double> sizeSetting(const QString &section, const char *key)
{
    return Setting<double>(section, QString::fromLatin1(key), 0, 0, MaxTwips);
}

// Positions may be negative: a screen left of or above the primary one.
Setting<double> positionSetting(const QString &section, const char *key)
{
    return Setting<double>(section, QString::fromLatin1(key), 0, -MaxTwips, MaxTwips);
}

QList<QRect> availableScreenAreas()
{
    QList<QRect> areas;
    for (const QScreen *s : QGuiApplication::screens())
        areas << s->availableGeometry();
    return areas;
}

qint64 squaredDistance(const QPoint &p, const QRect &r)
{
    const qint64 dx = p.x() < r.left() ? r.left() - p.x() : (p.x() > r.right() ? p.x() - r.right() : 0);
    const qint64 dy = p.y() < r.top() ? r.top() - p.y() : (p.y() > r.bottom() ? p.y() - r.bottom() : 0);
    return dx * dx + dy * dy;
}

} // namespace

std::optional<int> storedPixels(const Setting<double> &setting, const IniFile &ini)
{
    if (const std::optional<double> twips = setting.stored(ini))
        return twipsToPixels(*twips);
    return std::nullopt;
}

bool writePixels(const Setting<double> &setting, IniFile &ini, int pixels)
{
    // A stored value that still gives this many pixels stays: writing it back would move it
    // (500 twips are 33 pixels, which are 495 twips).
    if (storedPixels(setting, ini) == pixels)
        return true;
    return setting.write(ini, pixelsToTwips(pixels));
}

WindowPlacement::WindowPlacement(const QString &section, Kept kept)
    : m_kept(kept),
      m_left(positionSetting(section, "Left")),
      m_top(positionSetting(section, "Top")),
      m_width(sizeSetting(section, "Width")),
      m_height(sizeSetting(section, "Height"))
{
}

WindowPlacement &WindowPlacement::withDefaultSize(QSize twips)
{
    m_defaultTwips = twips;
    return *this;
}

WindowPlacement &WindowPlacement::centred()
{
    m_centred = true;
    return *this;
}

void WindowPlacement::restore(QWidget &window, const IniFile &ini) const
{
    restoreSize(window, ini);
    restorePosition(window, ini);
}

void WindowPlacement::restoreSize(QWidget &window, const IniFile &ini) const
{
    if (m_kept & Size) {
        QSize size = window.size();
        if (!m_width.isSet(ini)) {
            if (m_defaultTwips.isValid())
                size.setWidth(twipsToPixels(m_defaultTwips.width()));
        } else if (const auto px = storedPixels(m_width, ini)) {
            size.setWidth(*px);
        }
        if (!m_height.isSet(ini)) {
            if (m_defaultTwips.isValid())
                size.setHeight(twipsToPixels(m_defaultTwips.height()));
        } else if (const auto px = storedPixels(m_height, ini)) {
            size.setHeight(*px);
        }
        window.resize(size);
    }
}

void WindowPlacement::restorePosition(QWidget &window, const IniFile &ini) const
{
    const QSize frameSize = window.frameGeometry().size();
    QPoint pos = window.pos();
    bool move = false;
    if (m_centred) {
        const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect a = screen->availableGeometry();
            pos = QPoint(a.left() + (a.width() - frameSize.width()) / 2, a.top() + (a.height() - frameSize.height()) / 2);
            move = true;
        }
    } else if (m_kept & Position) {
        if (const auto px = storedPixels(m_left, ini)) {
            pos.setX(*px);
            move = true;
        }
        if (const auto px = storedPixels(m_top, ini)) {
            pos.setY(*px);
            move = true;
        }
    }
    if (move)
        window.move(visiblePosition(QRect(pos, frameSize), availableScreenAreas()));
}

void WindowPlacement::save(const QWidget &window, IniFile &ini) const
{
    if (window.isMinimized() || window.isMaximized() || window.isFullScreen())
        return;
    ini.beginBatch();
    if (m_kept & Size) {
        writePixels(m_width, ini, window.width());
        writePixels(m_height, ini, window.height());
    }
    if ((m_kept & Position) && !m_centred) {
        writePixels(m_left, ini, window.x());
        writePixels(m_top, ini, window.y());
    }
    ini.endBatch();
}

QPoint WindowPlacement::visiblePosition(const QRect &frame, const QList<QRect> &screens)
{
    if (screens.isEmpty())
        return frame.topLeft();
    for (const QRect &s : screens)
        if (s.contains(frame))
            return frame.topLeft();

    qsizetype best = -1;
    qint64 bestArea = 0;
    for (qsizetype i = 0; i < screens.size(); ++i) {
        const QRect overlap = screens[i] & frame;
        const qint64 area = overlap.isEmpty() ? 0 : qint64(overlap.width()) * overlap.height();
        if (area > bestArea) {
            bestArea = area;
            best = i;
        }
    }
    if (best < 0) {
        qint64 nearest = -1;
        for (qsizetype i = 0; i < screens.size(); ++i) {
            const qint64 d = squaredDistance(frame.center(), screens[i]);
            if (nearest < 0 || d < nearest) {
                nearest = d;
                best = i;
            }
        }
    }
    const QRect &s = screens[best];
    const int x = std::clamp(frame.left(), s.left(), std::max(s.left(), s.right() + 1 - frame.width()));
    const int y = std::clamp(frame.top(), s.top(), std::max(s.top(), s.bottom() + 1 - frame.height()));
    return QPoint(x, y);
}
