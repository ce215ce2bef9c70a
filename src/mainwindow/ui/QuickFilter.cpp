#include "QuickFilter.h"

#include "AppContext.h"
#include "IniFile.h"
#include "MovieListModel.h"
#include "Setting.h"
#include "frmOptions.h"

#include <QCheckBox>
#include <QFormLayout>

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QShortcut>
#include <QStyle>
#include <QToolButton>
#include <QTreeView>

namespace {

const Setting<bool> CastIncluded{QStringLiteral("QuickFilter"), QStringLiteral("Cast"), false};

} // namespace

QuickFilter::QuickFilter(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QuickFilter"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    txtQuickFilter = new QLineEdit(this);
    txtQuickFilter->setObjectName(QStringLiteral("txtQuickFilter"));
    txtQuickFilter->setAccessibleName(tr("Quick filter"));
    setCastIncluded(false);
    txtQuickFilter->setClearButtonEnabled(true);
    txtQuickFilter->installEventFilter(this);
    layout->addWidget(txtQuickFilter);

    // The chip sits inside the box, before the text.
    btnFilterChip = new QToolButton(txtQuickFilter);
    btnFilterChip->setObjectName(QStringLiteral("btnFilterChip"));
    btnFilterChip->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    btnFilterChip->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    btnFilterChip->setAutoRaise(false);
    btnFilterChip->setCursor(Qt::ArrowCursor);
    btnFilterChip->setFocusPolicy(Qt::NoFocus);
    btnFilterChip->hide();
    auto *inside = new QHBoxLayout(txtQuickFilter);
    inside->setContentsMargins(2, 1, 2, 1);
    inside->addWidget(btnFilterChip);
    inside->addStretch(1);
    connect(btnFilterChip, &QToolButton::clicked, this, [this] {
        btnFilterChip->hide();
        txtQuickFilter->setTextMargins(0, 0, 0, 0);
        apply();
    });

    connect(txtQuickFilter, &QLineEdit::textChanged, this, [this] {
        // Typing replaces a set of movies given by another window.
        if (btnFilterChip->isVisible()) {
            btnFilterChip->hide();
            txtQuickFilter->setTextMargins(0, 0, 0, 0);
        }
        apply();
    });
}

void QuickFilter::attach(QTreeView *view, MovieListModel *model, QLabel *countLabel, AppContext &ctx)
{
    m_ctx = &ctx;
    m_view = view;
    m_model = model;
    model->setCastIncluded(m_castIncluded);
    m_count = countLabel;
    view->installEventFilter(this);
    setTabOrder(txtQuickFilter, view);
    auto *focus = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), window());
    focus->setObjectName(QStringLiteral("scQuickFilter"));
    focus->setContext(Qt::WindowShortcut);
    connect(focus, &QShortcut::activated, this, &QuickFilter::focusBox);
    connect(model, &MovieListModel::filterFinished, this, [this] {
        updateCount();
        // The selected movie may be among the rows found last.
        if (m_view && !m_view->currentIndex().isValid()) {
            const int id = property("keptMovie").toInt();
            const int row = id != 0 ? m_model->rowOfMovie(id) : -1;
            if (row >= 0)
                m_view->setCurrentIndex(m_model->index(row, 0));
        }
    });
}

void QuickFilter::setCastIncluded(bool included)
{
    if (included) {
        txtQuickFilter->setPlaceholderText(tr("Filter by title, sort title, director or cast (Ctrl+K)"));
        txtQuickFilter->setAccessibleDescription(
            tr("Shows only the movies whose title, sort title, director or actors contain every word typed"));
    } else {
        txtQuickFilter->setPlaceholderText(tr("Filter by title, sort title or director (Ctrl+K)"));
        txtQuickFilter->setAccessibleDescription(tr("Shows only the movies whose title, sort title or director contain every word typed"));
    }
    if (m_model && m_model->castIncluded() != included) {
        m_model->setCastIncluded(included);
        updateCount();
    }
    m_castIncluded = included;
}

bool QuickFilter::castIncluded() const
{
    return m_castIncluded;
}

void QuickFilter::readSettings(const IniFile &ini)
{
    setCastIncluded(CastIncluded.read(ini));
}

void QuickFilter::addOptions(frmOptions &dlg)
{
    auto *cast = new QCheckBox(tr("Quick filter also searches the cast"), &dlg);
    cast->setObjectName(QStringLiteral("chkQuickFilterCast"));
    cast->setAccessibleName(tr("Quick filter also searches the cast"));
    cast->setToolTip(tr("Words typed into the filter above the movie list also find movies by their actors' names."));
    cast->setChecked(m_castIncluded);
    dlg.extraOptions()->addRow(cast);
    connect(&dlg, &frmOptions::saving, this, [this, &dlg, cast] {
        CastIncluded.write(dlg.context().ini(), cast->isChecked());
        setCastIncluded(cast->isChecked());
    });
}

bool QuickFilter::isActive() const
{
    return m_model && m_model->filterActive();
}

QString QuickFilter::text() const
{
    return txtQuickFilter->text();
}

void QuickFilter::focusBox()
{
    txtQuickFilter->setFocus(Qt::ShortcutFocusReason);
    txtQuickFilter->selectAll();
}

void QuickFilter::showChip(const QString &label)
{
    btnFilterChip->setText(label);
    btnFilterChip->setToolTip(tr("Remove this filter"));
    btnFilterChip->setAccessibleName(tr("Remove the filter: %1").arg(label));
    btnFilterChip->adjustSize();
    btnFilterChip->show();
    txtQuickFilter->setTextMargins(btnFilterChip->sizeHint().width() + 4, 0, 0, 0);
}

void QuickFilter::setMovieIds(const QList<int> &movieIds, const QString &label)
{
    {
        const QSignalBlocker block(txtQuickFilter);
        txtQuickFilter->clear();
    }
    showChip(label);
    if (!m_model)
        return;
    const int kept = m_view && m_view->currentIndex().isValid() ? m_model->movieId(m_view->currentIndex().row()) : 0;
    setProperty("keptMovie", kept);
    m_model->setIdFilter(movieIds);
    if (kept != 0 && m_model->rowOfMovie(kept) >= 0)
        m_view->setCurrentIndex(m_model->index(m_model->rowOfMovie(kept), 0));
    updateCount();
}

void QuickFilter::clear()
{
    btnFilterChip->hide();
    txtQuickFilter->setTextMargins(0, 0, 0, 0);
    if (txtQuickFilter->text().isEmpty())
        apply();
    else
        txtQuickFilter->clear();
}

void QuickFilter::apply()
{
    if (!m_model)
        return;
    // The movie selected now stays selected while it is in the list.
    const QModelIndex current = m_view ? m_view->currentIndex() : QModelIndex();
    const int kept = current.isValid() ? m_model->movieId(current.row()) : property("keptMovie").toInt();
    setProperty("keptMovie", kept);
    if (btnFilterChip->isVisible())
        return;
    // A catalogue that fails (locked or changed by another program) is reported; the list keeps
    // what it showed.
    if (!m_ctx->guard(QStringLiteral("QuickFilter apply"), [this] { m_model->setTextFilter(txtQuickFilter->text()); }))
        return;
    if (m_view && kept != 0) {
        const int row = m_model->rowOfMovie(kept);
        if (row >= 0) {
            m_view->setCurrentIndex(m_model->index(row, 0));
            m_view->scrollTo(m_model->index(row, 0));
        }
    }
    updateCount();
}

void QuickFilter::updateCount()
{
    if (!m_model)
        return;
    const bool active = m_model->filterActive();
    if (m_count && (active || m_wasActive)) {
        const int n = m_model->rowCount();
        if (m_model->filterPending())
            m_count->setText(tr("Number of Movies Found: %1 so far, counting...").arg(QLocale().toString(n)));
        else
            m_count->setText(n == 0 ? tr("No Movies Found") : tr("Number of Movies Found: %1").arg(QLocale().toString(n)));
    }
    if (active != m_wasActive) {
        m_wasActive = active;
        emit activeChanged(active);
    }
}

bool QuickFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtQuickFilter && event->type() == QEvent::FocusIn && m_model) {
        // The texts the filter looks through are read now rather than at the first keystroke (which
        // reads them again and reports what fails).
        m_ctx->guard(QStringLiteral("QuickFilter focus"), [this] { m_model->prepareFilter(); }, false);
    }
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (watched == txtQuickFilter && key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            if (!txtQuickFilter->text().isEmpty() || btnFilterChip->isVisible()) {
                clear();
                return true;
            }
        } else if (watched == m_view && key->text() == QLatin1String("/")) {
            focusBox();
            return true;
        } else if (watched == txtQuickFilter && (key->key() == Qt::Key_Down || key->key() == Qt::Key_PageDown) && m_view) {
            // Down from the box goes on into the list.
            m_view->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
