#pragma once

#include "Setting.h"

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

// Where a window opens and how large: kept in one settings section as "Left", "Top", "Width" and
// "Height", in twips. Every window that remembers its size or position goes through this class.
//
//   const WindowPlacement Placement{QStringLiteral("frmLoans"), WindowPlacement::Size};
//   Placement.restore(*this, m_ctx.ini());   // on load
//   Placement.save(*this, m_ctx.ini());      // on close
class WindowPlacement
{
public:
    enum Kept {
        Size = 0x1,     // Width and Height
        Position = 0x2, // Left and Top
        SizeAndPosition = Size | Position,
    };

    explicit WindowPlacement(const QString &section, Kept kept = SizeAndPosition);

    // The size (in twips) a window takes when the settings hold no size for it; without one the
    // window keeps the size it has.
    WindowPlacement &withDefaultSize(QSize twips);
    // The window opens centred on its screen (its position is then not kept).
    WindowPlacement &centred();

    // Sizes and places the window from the settings. A missing size gives the default size; a value
    // that is not a usable number is passed over and leaves that part of the window as it is. A
    // window whose stored place is off every screen (a screen since removed, a smaller one) is moved
    // back onto the screen it overlaps most, or the nearest one.
    void restore(QWidget &window, const IniFile &ini) const;
    // The two halves of restore, for a window that sizes itself from the settings only sometimes
    // (the size after the position would leave a centred window off centre).
    void restoreSize(QWidget &window, const IniFile &ini) const;
    void restorePosition(QWidget &window, const IniFile &ini) const;

    // Stores the window's size and position. A minimized, maximized or full-screen window's
    // geometry is not one the user chose, so then nothing is stored. A stored value that still
    // gives the window's pixels is kept as it is (pixels are coarser than twips).
    void save(const QWidget &window, IniFile &ini) const;

    const Setting<double> &left() const { return m_left; }
    const Setting<double> &top() const { return m_top; }
    const Setting<double> &width() const { return m_width; }
    const Setting<double> &height() const { return m_height; }

    // Where a window of frame `frame` goes so that it lies within one of the screens (their
    // available areas): unchanged when it already does; else moved by as little as needed onto the
    // screen it overlaps most (or the nearest one when it overlaps none). A window larger than that
    // screen is aligned with the screen's top-left corner. With no screens it stays where it is.
    static QPoint visiblePosition(const QRect &frame, const QList<QRect> &screens);

private:
    Kept m_kept;
    bool m_centred = false;
    QSize m_defaultTwips;
    Setting<double> m_left;
    Setting<double> m_top;
    Setting<double> m_width;
    Setting<double> m_height;
};

// Reads a size or position stored in twips, as pixels; nothing when missing or not usable.
std::optional<int> storedPixels(const Setting<double> &setting, const IniFile &ini);
// Writes pixels as twips, unless the stored value already gives that many pixels.
bool writePixels(const Setting<double> &setting, IniFile &ini, int pixels);
