#include "CoverWall.h"

#include "Catalogue.h"
#include "MovieListModel.h"

#include "KeyboardOrder.h"
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollBar>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTextLayout>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <limits>

namespace {
constexpr int Pad = 8;
constexpr int TitleLines = 2;
}

CoverWall::CoverWall(Catalogue &catalogue, QWidget *parent)
    : QAbstractItemView(parent), m_catalogue(catalogue), m_loader(2)
{
    setObjectName(QStringLiteral("coverWall"));
    setAccessibleName(tr("Movie covers"));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_Hover);
    connect(&m_loader, &CoverThumbnailer::thumbnailReady, this, &CoverWall::thumbnailArrived);
}

void CoverWall::setModel(QAbstractItemModel *m)
{
    if (model())
        disconnect(model(), nullptr, this, nullptr);
    QAbstractItemView::setModel(m);
    if (!m)
        return;
    auto relayout = [this] {
        updateGeometries();
        viewport()->update();
    };
    connect(m, &QAbstractItemModel::rowsRemoved, this, relayout);
    connect(m, &QAbstractItemModel::layoutChanged, this, relayout);
    reset();
}

void CoverWall::reset()
{
    QAbstractItemView::reset();
    // A refill may be another catalogue, or covers changed by another program.
    m_cache.clear();
    m_loader.setCatalogue(m_catalogue.isOpen() ? m_catalogue.path() : QString());
    m_loader.cancelAll();
    updateGeometries();
    viewport()->update();
}

void CoverWall::coverChanged(int movieId)
{
    m_cache.remove(movieId);
    m_loader.forget(movieId);
    viewport()->update();
}

void CoverWall::setThumbWidth(int width)
{
    width = std::clamp(width, int(MinThumbWidth), int(MaxThumbWidth));
    if (width == m_thumbWidth)
        return;
    m_thumbWidth = width;
    // Covers of the old size stay in the cache and are drawn scaled until the new ones arrive.
    m_loader.cancelAll();
    updateGeometries();
    if (currentIndex().isValid())
        scrollTo(currentIndex());
    viewport()->update();
}

int CoverWall::rowCount() const
{
    return model() ? model()->rowCount(rootIndex()) : 0;
}

int CoverWall::idOf(int row) const
{
    return model()->index(row, 0, rootIndex()).data(MovieListModel::MovieIdRole).toInt();
}

QString CoverWall::titleOf(int row) const
{
    return model()->index(row, MovieListModel::ColTitle, rootIndex()).data(Qt::DisplayRole).toString();
}

QSize CoverWall::cellSize() const
{
    const int lines = fontMetrics().lineSpacing() * TitleLines;
    return QSize(m_thumbWidth + 2 * Pad, m_thumbWidth * 3 / 2 + 3 * Pad + lines);
}

int CoverWall::columns() const
{
    return std::max(1, viewport()->width() / cellSize().width());
}

QRect CoverWall::cellRect(int row) const
{
    const int cols = columns();
    const QSize cell = cellSize();
    // The columns share the width, so the grid fills the window.
    const int w = std::max(cell.width(), viewport()->width() / cols);
    return QRect((row % cols) * w, (row / cols) * cell.height(), w, cell.height());
}

QRect CoverWall::coverRect(int row) const
{
    const QRect cell = cellRect(row).translated(0, -verticalOffset());
    return QRect(cell.x() + (cell.width() - m_thumbWidth) / 2, cell.y() + Pad, m_thumbWidth, m_thumbWidth * 3 / 2);
}

QSize CoverWall::deviceBox() const
{
    const qreal dpr = devicePixelRatioF();
    return QSize(qRound(m_thumbWidth * dpr), qRound(m_thumbWidth * 3 / 2 * dpr));
}

QRect CoverWall::visualRect(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QRect();
    return cellRect(index.row()).translated(-horizontalOffset(), -verticalOffset());
}

void CoverWall::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    if (!index.isValid())
        return;
    const QRect r = cellRect(index.row());
    const int vh = viewport()->height();
    int v = verticalOffset();
    switch (hint) {
    case PositionAtTop: v = r.top(); break;
    case PositionAtBottom: v = r.bottom() - vh + 1; break;
    case PositionAtCenter: v = r.center().y() - vh / 2; break;
    case EnsureVisible:
        if (r.top() < v)
            v = r.top();
        else if (r.bottom() > v + vh - 1)
            v = std::min(r.top(), r.bottom() - vh + 1);
        break;
    }
    verticalScrollBar()->setValue(v);
}

QModelIndex CoverWall::indexAt(const QPoint &point) const
{
    if (!model() || point.x() < 0 || point.y() < 0)
        return QModelIndex();
    const int cols = columns();
    const QSize cell = cellSize();
    const int w = std::max(cell.width(), viewport()->width() / cols);
    const int col = point.x() / w;
    if (col >= cols)
        return QModelIndex();
    const qint64 row = qint64((point.y() + verticalOffset()) / cell.height()) * cols + col;
    if (row >= rowCount())
        return QModelIndex();
    return model()->index(int(row), 0, rootIndex());
}

QModelIndex CoverWall::moveCursor(CursorAction action, Qt::KeyboardModifiers)
{
    const int n = rowCount();
    if (n == 0)
        return QModelIndex();
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return model()->index(0, 0, rootIndex());
    const int cols = columns();
    const int pageRows = std::max(1, viewport()->height() / cellSize().height());
    int row = current.row();
    switch (action) {
    case MoveLeft:
    case MovePrevious: row -= 1; break;
    case MoveRight:
    case MoveNext: row += 1; break;
    case MoveUp: row = row - cols >= 0 ? row - cols : row; break;
    case MoveDown:
        // From the row above a short last row, down goes to the last movie.
        if (row + cols < n)
            row += cols;
        else if (row / cols < (n - 1) / cols)
            row = n - 1;
        break;
    case MovePageUp: row = std::max(row % cols, row - pageRows * cols); break;
    case MovePageDown: row = std::min(row + pageRows * cols, n - 1); break;
    case MoveHome: row = 0; break;
    case MoveEnd: row = n - 1; break;
    }
    row = std::clamp(row, 0, n - 1);
    return model()->index(row, 0, rootIndex());
}

int CoverWall::horizontalOffset() const
{
    return 0;
}

int CoverWall::verticalOffset() const
{
    return verticalScrollBar()->value();
}

bool CoverWall::isIndexHidden(const QModelIndex &) const
{
    return false;
}

void CoverWall::setSelection(const QRect &rect, QItemSelectionModel::SelectionFlags command)
{
    if (!model() || !selectionModel())
        return;
    const int n = rowCount();
    const int cols = columns();
    const QSize cell = cellSize();
    const int w = std::max(cell.width(), viewport()->width() / cols);
    const QRect r = rect.normalized().translated(0, verticalOffset());
    const int lastColumn = model()->columnCount(rootIndex()) - 1;
    QItemSelection selection;
    const int c0 = std::max(0, r.left() / w), c1 = std::min(cols - 1, r.right() / w);
    const int g0 = std::max(0, r.top() / cell.height()), g1 = r.bottom() / cell.height();
    for (int g = g0; g <= g1 && c0 <= c1; ++g) {
        const qint64 first = qint64(g) * cols + c0;
        const qint64 last = std::min<qint64>(qint64(g) * cols + c1, n - 1);
        if (first > last)
            break;
        selection.select(model()->index(int(first), 0, rootIndex()), model()->index(int(last), lastColumn, rootIndex()));
    }
    selectionModel()->select(selection, command);
}

QRegion CoverWall::visualRegionForSelection(const QItemSelection &selection) const
{
    QRegion region;
    const int cols = columns();
    const int h = cellSize().height();
    // Only the rows on screen matter for repainting.
    const int firstShown = verticalOffset() / h * cols;
    const int lastShown = (verticalOffset() + viewport()->height()) / h * cols + cols - 1;
    for (const QItemSelectionRange &range : selection) {
        const int top = std::max(range.top(), firstShown), bottom = std::min(range.bottom(), lastShown);
        for (int row = top; row <= bottom; ++row)
            region += visualRect(model()->index(row, 0, rootIndex()));
    }
    return region;
}

void CoverWall::dataChanged(const QModelIndex &topLeft, const QModelIndex &bottomRight, const QList<int> &roles)
{
    // A movie saved again (its whole row changed) may have a new cover.
    if (topLeft.isValid() && topLeft.column() == 0) {
        if (bottomRight.row() - topLeft.row() > 1000) {
            m_cache.clear();
            m_loader.cancelAll();
        } else {
            for (int row = topLeft.row(); row <= bottomRight.row(); ++row) {
                const int id = idOf(row);
                m_cache.remove(id);
                m_loader.forget(id);
            }
        }
    }
    QAbstractItemView::dataChanged(topLeft, bottomRight, roles);
    viewport()->update();
}

void CoverWall::rowsInserted(const QModelIndex &parent, int start, int end)
{
    QAbstractItemView::rowsInserted(parent, start, end);
    updateGeometries();
    viewport()->update();
}

void CoverWall::updateGeometries()
{
    const int cols = columns();
    const qint64 gridRows = (qint64(rowCount()) + cols - 1) / cols;
    const int h = cellSize().height();
    const qint64 total = gridRows * h;
    const int vh = viewport()->height();
    verticalScrollBar()->setSingleStep(std::max(1, h / 3));
    verticalScrollBar()->setPageStep(vh);
    verticalScrollBar()->setRange(0, int(std::clamp<qint64>(total - vh, 0, std::numeric_limits<int>::max())));
    horizontalScrollBar()->setRange(0, 0);
    QAbstractItemView::updateGeometries();
}

void CoverWall::resizeEvent(QResizeEvent *event)
{
    QAbstractItemView::resizeEvent(event);
    updateGeometries();
}

void CoverWall::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        const int steps = event->angleDelta().y() / 120;
        if (steps != 0)
            emit zoomRequested(steps);
        event->accept();
        return;
    }
    QAbstractItemView::wheelEvent(event);
}

bool CoverWall::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && model()) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        if (!index.isValid()) {
            QToolTip::hideText();
            return true;
        }
        QString tip = titleOf(index.row()).toHtmlEscaped();
        const QVariant loaned = model()->index(index.row(), MovieListModel::ColTitle, rootIndex()).data(Qt::ToolTipRole);
        if (loaned.isValid() && !loaned.toString().isEmpty())
            tip += QStringLiteral("<br>") + loaned.toString().toHtmlEscaped();
        QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    return QAbstractItemView::viewportEvent(event);
}

void CoverWall::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    QAbstractItemView::currentChanged(current, previous);
    QString said;
    if (current.isValid() && model()) {
        const QModelIndex title = model()->index(current.row(), MovieListModel::ColTitle, rootIndex());
        said = title.data(Qt::AccessibleTextRole).toString();
        if (said.isEmpty())
            said = title.data(Qt::DisplayRole).toString();
    }
    setAccessibleDescription(said);
}

CoverWall::CoverState CoverWall::coverState(int row) const
{
    if (row < 0 || row >= rowCount())
        return CoverState::Loading;
    const ThumbnailCache::Thumb *t = m_cache.find(idOf(row));
    if (!t)
        return CoverState::Loading;
    return t->image.isNull() ? CoverState::Placeholder : CoverState::Picture;
}

QColor CoverWall::placeholderColour(const QString &title)
{
    // The same title always gets the same colour, dark enough for white initials.
    quint32 h = 2166136261u;
    for (QChar c : title)
        h = (h ^ c.unicode()) * 16777619u;
    return QColor::fromHsv(int(h % 360), 110, 150);
}

QString CoverWall::initials(const QString &title)
{
    QString out;
    QStringList words = title.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // A leading English article says nothing about the movie: "The Deadly Signal" is DS.
    static const QStringList articles = {QStringLiteral("a"), QStringLiteral("an"), QStringLiteral("the")};
    if (words.size() > 1 && articles.contains(words.first().toLower()))
        words.removeFirst();
    for (const QString &w : words) {
        for (QChar c : w)
            if (c.isLetterOrNumber()) {
                out += c.toUpper();
                break;
            }
        if (out.size() == 2)
            break;
    }
    return out.isEmpty() ? QStringLiteral("?") : out;
}

void CoverWall::thumbnailArrived(int movieId, const QSize &box, const QImage &image)
{
    QImage shown = image;
    shown.setDevicePixelRatio(devicePixelRatioF());
    m_cache.insert(movieId, shown, box);
    viewport()->update();
}

void CoverWall::paintEvent(QPaintEvent *event)
{
    QPainter p(viewport());
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const int n = rowCount();
    if (n == 0)
        return;
    const int cols = columns();
    const int h = cellSize().height();
    const QRect area = event->rect().translated(0, verticalOffset());
    const qint64 first = qint64(std::max(0, area.top() / h)) * cols;
    const qint64 last = std::min<qint64>(qint64(area.bottom() / h + 1) * cols, n) - 1;
    for (qint64 row = first; row <= last; ++row)
        paintCell(p, int(row), cellRect(int(row)).translated(0, -verticalOffset()));
}

void CoverWall::paintCell(QPainter &p, int row, const QRect &cell)
{
    const QModelIndex index = model()->index(row, 0, rootIndex());
    const bool selected = selectionModel() && selectionModel()->isSelected(index);
    const bool active = hasFocus() || viewport()->hasFocus();
    const QPalette::ColorGroup group = active ? QPalette::Active : QPalette::Inactive;
    const QRect inner = cell.adjusted(3, 3, -3, -3);
    if (selected) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette().brush(group, QPalette::Highlight));
        p.drawRoundedRect(inner, 6, 6);
    }

    const QRect box(cell.x() + (cell.width() - m_thumbWidth) / 2, cell.y() + Pad, m_thumbWidth, m_thumbWidth * 3 / 2);
    const int id = idOf(row);
    const QString title = titleOf(row);
    const ThumbnailCache::Thumb *thumb = m_cache.find(id);
    const QSize wanted = deviceBox();
    if (thumb && !thumb->image.isNull()) {
        // The picture keeps its shape, standing on the bottom of the box.
        const QSizeF size = (QSizeF(thumb->image.size()) / thumb->image.devicePixelRatio()).scaled(QSizeF(box.size()), Qt::KeepAspectRatio);
        const QRectF target(box.x() + (box.width() - size.width()) / 2, box.bottom() + 1 - size.height(), size.width(), size.height());
        p.drawImage(target, thumb->image);
        p.setPen(QPen(palette().color(QPalette::Mid), 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(target.adjusted(0.5, 0.5, -0.5, -0.5));
        if (thumb->box != wanted)
            m_loader.request(id, wanted);
    } else if (thumb) {
        QPainterPath card;
        card.addRoundedRect(QRectF(box), 6, 6);
        p.fillPath(card, placeholderColour(title));
        QFont f = font();
        f.setBold(true);
        f.setPixelSize(std::max(10, m_thumbWidth / 3));
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(box, Qt::AlignCenter, initials(title));
        p.setFont(font());
    } else {
        p.setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DashLine));
        p.setBrush(palette().color(QPalette::AlternateBase));
        p.drawRoundedRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
        m_loader.request(id, wanted);
    }

    // On loan: a badge in the top right corner.
    if (index.data(MovieListModel::LoanedToRole).isValid()) {
        const int d = std::max(16, m_thumbWidth / 5);
        const QRectF badge(box.right() + 1 - d - 4, box.y() + 4, d, d);
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(MovieListModel::loanedColour());
        p.drawEllipse(badge);
        // An arrow leaving: lent out.
        const QPointF c = badge.center();
        const qreal a = d * 0.22;
        p.setPen(QPen(Qt::white, std::max(1.5, d / 10.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(c.x() - a, c.y() + a), QPointF(c.x() + a, c.y() - a));
        p.drawPolyline(QPolygonF(QList<QPointF>{QPointF(c.x() - a * 0.2, c.y() - a), QPointF(c.x() + a, c.y() - a),
                                      QPointF(c.x() + a, c.y() + a * 0.2)}));
    }

    // The title, on up to two lines under the cover.
    const QRect text(cell.x() + Pad / 2, box.bottom() + Pad, cell.width() - Pad, fontMetrics().lineSpacing() * TitleLines);
    p.setFont(font());
    p.setPen(palette().color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    if (index.data(MovieListModel::LoanedToRole).isValid() && !selected)
        p.setPen(MovieListModel::loanedColour());
    QTextLayout layout(title, font());
    QTextOption option(Qt::AlignHCenter);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    for (int i = 0; i < TitleLines; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(text.width());
        lines << (i == TitleLines - 1 ? title.mid(line.textStart()) : title.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
    const QFontMetrics fm = fontMetrics();
    for (int i = 0; i < lines.size(); ++i) {
        const QString shown = fm.elidedText(lines[i].trimmed(), Qt::ElideRight, text.width());
        p.drawText(QRect(text.x(), text.y() + i * fm.lineSpacing(), text.width(), fm.lineSpacing()), Qt::AlignHCenter | Qt::AlignVCenter, shown);
    }

    if (currentIndex().isValid() && currentIndex().row() == row && hasFocus()) {
        QStyleOptionFocusRect o;
        o.initFrom(this);
        o.rect = inner;
        o.backgroundColor = palette().color(selected ? QPalette::Highlight : QPalette::Base);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &o, &p, this);
    }
}

CoverWallPane::CoverWallPane(Catalogue &catalogue, QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("coverWallPane"));
    wall = new CoverWall(catalogue, this);
    lblCoverSize = new QLabel(tr("Cover si&ze:"), this);
    lblCoverSize->setObjectName(QStringLiteral("lblCoverSize"));
    sldCoverSize = new QSlider(Qt::Horizontal, this);
    sldCoverSize->setObjectName(QStringLiteral("sldCoverSize"));
    sldCoverSize->setAccessibleName(tr("Cover size"));
    sldCoverSize->setToolTip(tr("Size of the covers (Ctrl + mouse wheel)"));
    sldCoverSize->setRange(CoverWall::MinThumbWidth, CoverWall::MaxThumbWidth);
    sldCoverSize->setSingleStep(8);
    sldCoverSize->setPageStep(32);
    sldCoverSize->setValue(wall->thumbWidth());
    sldCoverSize->setMaximumWidth(220);
    lblCoverSize->setBuddy(sldCoverSize);

    auto *bar = new QHBoxLayout;
    bar->setContentsMargins(0, 0, 0, 0);
    bar->addStretch(1);
    bar->addWidget(lblCoverSize);
    bar->addWidget(sldCoverSize);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(wall, 1);
    layout->addLayout(bar);
    setTabOrder(wall, sldCoverSize);
    setFocusProxy(wall);
    wall->setAccessibleName(tr("Covers"));
    KeyboardOrder::openMenuFromKeyboard(wall);

    connect(sldCoverSize, &QSlider::valueChanged, wall, &CoverWall::setThumbWidth);
    connect(wall, &CoverWall::zoomRequested, sldCoverSize, [this](int steps) {
        sldCoverSize->setValue(sldCoverSize->value() + steps * 16);
    });
}
