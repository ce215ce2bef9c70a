#include "MovieEditor.h"

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueSession.h"
#include "ChangeConflict.h"
#include "ComboAutoComplete.h"
#include "CoverPictures.h"
#include "EditedMovie.h"
#include "MainCommandStates.h"
#include "MovieStore.h"
#include "ProgramSettings.h"
#include "StarRating.h"
#include "WebLookup.h"
#include "WindowUtil.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

namespace {

QLabel *captionLabel(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return l;
}

QComboBox *comboBox(const char *name, QWidget *parent)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setMinimumContentsLength(12);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboAutoComplete::attach(c);
    return c;
}

QLineEdit *lineEdit(const char *name, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setMaxLength(255);
    return e;
}

} // namespace

MovieEditor::MovieEditor(AppContext &ctx, CatalogueSession &session, MovieStore &store, QWidget *parent)
    : QWidget(parent), m_ctx(ctx), m_session(session), m_store(store)
{
    setObjectName(QStringLiteral("movieEditor"));
    setAccessibleName(tr("Movie editor"));
    m_edited = new EditedMovie(this);
    build();
    // Other windows see the title as typed, and ask through the edited movie.
    connect(txtTitle, &QLineEdit::textChanged, m_edited, &EditedMovie::setTitle);
    connect(m_edited, &EditedMovie::saveOfferRequested, this, &MovieEditor::CheckSaved);
    connect(m_edited, &EditedMovie::reloadRequested, this, &MovieEditor::ShowMovieData);
}

void MovieEditor::build()
{
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);

    auto *details = new QGridLayout;
    txtTitle = lineEdit("txtTitle", this);
    txtOrderBy = lineEdit("txtOrderBy", this);
    cmdDir = comboBox("cmdDir", this);
    cmbMedium = comboBox("cmbMedium", this);
    cmbFormat = comboBox("cmbFormat", this);
    cmbRating = comboBox("cmbRating", this);
    txtNumDiscs = lineEdit("txtNumDiscs", this);
    txtRealYear = lineEdit("txtRealYear", this);
    txtRunningTime = lineEdit("txtRunningTime", this);
    txtURL = lineEdit("txtURL", this);
    txtURL->setMaxLength(32767);
    txtURL->setText(QStringLiteral("http://"));
    cmdURL = new QPushButton(QStringLiteral("->"), this);
    cmdURL->setObjectName(QStringLiteral("cmdURL"));
    cmdURL->setMaximumWidth(36);
    cmdURL->setToolTip(tr("Visit Website"));

    framGenre = new QGroupBox(tr("Genres:"), this);
    framGenre->setObjectName(QStringLiteral("framGenre"));
    auto *genreLayout = new QVBoxLayout(framGenre);
    for (int i = 0; i < 3; ++i) {
        cmbGenre[i] = comboBox("cmbGenre", framGenre);
        cmbGenre[i]->setObjectName(QStringLiteral("cmbGenre%1").arg(i));
        genreLayout->addWidget(cmbGenre[i]);
    }

    int r = 0;
    details->addWidget(captionLabel(tr("Movie Title:"), this), r, 0);
    details->addWidget(txtTitle, r++, 1, 1, 3);
    details->addWidget(captionLabel(tr("Order By:"), this), r, 0);
    details->addWidget(txtOrderBy, r++, 1, 1, 3);
    details->addWidget(captionLabel(tr("Director:"), this), r, 0);
    details->addWidget(cmdDir, r++, 1, 1, 3);
    details->addWidget(framGenre, r, 0, 3, 2);
    details->addWidget(captionLabel(tr("Medium:"), this), r, 2);
    details->addWidget(cmbMedium, r++, 3);
    details->addWidget(captionLabel(tr("Format:"), this), r, 2);
    details->addWidget(cmbFormat, r++, 3);
    details->addWidget(captionLabel(tr("Rating:"), this), r, 2);
    details->addWidget(cmbRating, r++, 3);
    auto *numbers = new QHBoxLayout;
    numbers->addWidget(new QLabel(tr("# in Set"), this));
    numbers->addWidget(txtNumDiscs);
    numbers->addWidget(new QLabel(tr("Year of Release:"), this));
    numbers->addWidget(txtRealYear);
    numbers->addWidget(new QLabel(tr("Running Time:"), this));
    numbers->addWidget(txtRunningTime);
    details->addLayout(numbers, r++, 0, 1, 4);
    details->addWidget(captionLabel(tr("Movie URL:"), this), r, 0);
    auto *urlRow = new QHBoxLayout;
    urlRow->addWidget(txtURL, 1);
    urlRow->addWidget(cmdURL);
    details->addLayout(urlRow, r++, 1, 1, 3);
    row->addLayout(details, 3);

    auto *middle = new QVBoxLayout;
    middle->addWidget(new QLabel(tr("User Rating:"), this));
    flash1 = new StarRating(this);
    flash1->setObjectName(QStringLiteral("flash1"));
    middle->addWidget(flash1);
    chkEpisodeDisc = new QCheckBox(tr("Episode Disc"), this);
    chkEpisodeDisc->setObjectName(QStringLiteral("chkEpisodeDisc"));
    middle->addWidget(chkEpisodeDisc);
    middle->addWidget(new QLabel(tr("DVD Cover:"), this));
    imgCover = new QLabel(this);
    imgCover->setObjectName(QStringLiteral("imgCover"));
    imgCover->setFixedSize(120, 160);
    imgCover->setFrameShape(QFrame::StyledPanel);
    imgCover->setAlignment(Qt::AlignCenter);
    imgCover->installEventFilter(this);
    lblDoubleClick = new QLabel(tr("Double Click to Add Cover"), imgCover);
    lblDoubleClick->setObjectName(QStringLiteral("lblDoubleClick"));
    lblDoubleClick->setWordWrap(true);
    lblDoubleClick->setAlignment(Qt::AlignCenter);
    lblDoubleClick->setGeometry(4, 50, 112, 60);
    lblDoubleClick->setAttribute(Qt::WA_TransparentForMouseEvents);
    middle->addWidget(imgCover);
    middle->addStretch();
    row->addLayout(middle, 1);

    frameActrors = new QGroupBox(tr("Actors:"), this);
    frameActrors->setObjectName(QStringLiteral("frameActrors"));
    auto *castLayout = new QGridLayout(frameActrors);
    lstActors = new QTreeWidget(frameActrors);
    lstActors->setObjectName(QStringLiteral("lstActors"));
    lstActors->setHeaderLabels({tr("Actor")});
    lstActors->setRootIsDecorated(false);
    lstActors->setContextMenuPolicy(Qt::CustomContextMenu);
    cmbActor = comboBox("cmbActor", frameActrors);
    lblAs = new QLabel(tr("as"), frameActrors);
    lblAs->setObjectName(QStringLiteral("lblAs"));
    txtActorPlays = lineEdit("txtActorPlays", frameActrors);
    cmdAddActor = new QPushButton(QStringLiteral("+"), frameActrors);
    cmdAddActor->setObjectName(QStringLiteral("cmdAddActor"));
    cmdAddActor->setToolTip(tr("save actor"));
    cmdRemoveActor = new QPushButton(QStringLiteral("-"), frameActrors);
    cmdRemoveActor->setObjectName(QStringLiteral("cmdRemoveActor"));
    cmdRemoveActor->setToolTip(tr("remove actor"));
    castLayout->addWidget(lstActors, 0, 0, 1, 5);
    castLayout->addWidget(cmbActor, 1, 0);
    castLayout->addWidget(lblAs, 1, 1);
    castLayout->addWidget(txtActorPlays, 1, 2);
    castLayout->addWidget(cmdAddActor, 1, 3);
    castLayout->addWidget(cmdRemoveActor, 1, 4);
    castLayout->setColumnStretch(0, 1);
    castLayout->setColumnStretch(2, 1);
    cmbActor->setMinimumContentsLength(8);
    txtActorPlays->setMinimumWidth(90);
    cmdAddActor->setMaximumWidth(32);
    cmdRemoveActor->setMaximumWidth(32);
    row->addWidget(frameActrors, 2);

    // What marks the movie as changed: the user's own edits of its fields.
    for (QLineEdit *e : {txtTitle, txtOrderBy, txtRealYear, txtRunningTime, txtNumDiscs, txtURL})
        connect(e, &QLineEdit::textEdited, this, [this] { markChanged(); });
    for (QComboBox *c : {cmdDir, cmbMedium, cmbFormat, cmbRating, cmbGenre[0], cmbGenre[1], cmbGenre[2]}) {
        connect(c->lineEdit(), &QLineEdit::textEdited, this, [this] { markChanged(); });
        connect(c, &QComboBox::activated, this, [this] { markChanged(); });
    }
    connect(cmbRating, &QComboBox::activated, this, [this](int index) {
        if (cmbRating->itemText(index) == QLatin1String("XXX"))
            m_ctx.prompts().message(tr("YOU PERVERT!"), tr("PERVERT!"), Prompts::Icon::None);
    });
    connect(chkEpisodeDisc, &QCheckBox::clicked, this, [this](bool checked) {
        setEpisodeWindow(checked);
        markChanged();
    });
    // Focus handling: select all on entry; names added to their pick lists on leaving.
    for (QWidget *w : {static_cast<QWidget *>(txtTitle), static_cast<QWidget *>(txtOrderBy),
                       static_cast<QWidget *>(txtRealYear), static_cast<QWidget *>(txtRunningTime),
                       static_cast<QWidget *>(txtNumDiscs), static_cast<QWidget *>(txtURL)})
        w->installEventFilter(this);
    for (QComboBox *c : {cmdDir, cmbGenre[0], cmbGenre[1], cmbGenre[2], cmbActor})
        c->lineEdit()->installEventFilter(this);

    connect(cmdURL, &QPushButton::clicked, this, &MovieEditor::cmdURL_Click);
    connect(txtURL, &QLineEdit::textChanged, this, &MovieEditor::statesChanged);
    connect(txtTitle, &QLineEdit::textChanged, this, &MovieEditor::statesChanged);
    connect(cmdDir, &QComboBox::editTextChanged, this, &MovieEditor::statesChanged);
    connect(cmbActor, &QComboBox::editTextChanged, this, &MovieEditor::statesChanged);
    connect(flash1, &StarRating::fsCommand, this, &MovieEditor::flash1_FSCommand);
    connect(cmdAddActor, &QPushButton::clicked, this, &MovieEditor::cmdAddActor_Click);
    connect(cmdRemoveActor, &QPushButton::clicked, this, &MovieEditor::cmdRemoveActor_Click);
    connect(lstActors, &QTreeWidget::itemClicked, this, [this] { lstActors_Click(); });
    connect(lstActors, &QTreeWidget::currentItemChanged, this, [this] { lstActors_Click(); });
    connect(lstActors, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        if (QTreeWidgetItem *item = lstActors->itemAt(pos)) {
            lstActors->setCurrentItem(item);
            m_ctx.guard(QStringLiteral("frmMain - lstActors_MouseUp"), [&] {
                if (!selectedCastName().isEmpty())
                    emit castMenuRequested(lstActors->viewport()->mapToGlobal(pos));
            });
        }
    });
}

// ---------------------------------------------------------------------------------------------
// The record

int MovieEditor::movieId() const { return m_edited->id(); }
bool MovieEditor::isNewMovie() const { return m_edited->isNew(); }
bool MovieEditor::isSaved() const { return m_edited->isSaved(); }
void MovieEditor::setMovieId(int id) { m_edited->setId(id); }
void MovieEditor::setNewMovie(bool isNew) { m_edited->setNew(isNew); }
void MovieEditor::setSaved(bool saved) { m_edited->setSaved(saved); }

void MovieEditor::setMovie(int id)
{
    m_edited->setNew(false);
    m_edited->setSaved(true);
    m_edited->setId(id);
}

QString MovieEditor::title() const
{
    return txtTitle->text();
}

bool MovieEditor::hasLink() const
{
    const QString url = txtURL->text();
    return !url.isEmpty() && url != QLatin1String("http://");
}

MovieRecord MovieEditor::record() const
{
    MovieRecord m;
    m.id = m_edited->isNew() ? 0 : m_edited->id();
    m.title = txtTitle->text();
    m.director = cmdDir->currentText();
    m.genre1 = cmbGenre[0]->currentText();
    m.genre2 = cmbGenre[1]->currentText();
    m.genre3 = cmbGenre[2]->currentText();
    m.medium = cmbMedium->currentText();
    m.format = cmbFormat->currentText();
    m.rating = cmbRating->currentText();
    m.releaseYear = txtRealYear->text();
    m.runningTime = txtRunningTime->text();
    m.numDiscs = txtNumDiscs->text();
    m.userRating = m_userRating;
    m.url = txtURL->text();
    m.orderBy = txtOrderBy->text();
    m.episodeDisc = chkEpisodeDisc->isChecked();
    return m;
}

void MovieEditor::markChanged()
{
    m_edited->setSaved(false);
}

void MovieEditor::ShowMovieData()
{
    m_ctx.guard(QStringLiteral("frmMain - ShowMovieData"), [this] {
        m_selectedActorId = 0;
        MovieRecord m;
        if (!m_store.load(m_edited->id(), m)) {
            m_ctx.prompts().message(tr("Error getting the information for this movie."), tr("Say What?"),
                                    Prompts::Icon::Information);
            return;
        }
        txtTitle->setText(m.title);
        txtOrderBy->setText(m.orderBy);
        cmdDir->setEditText(m.director);
        cmbGenre[0]->setEditText(m.genre1);
        cmbGenre[1]->setEditText(m.genre2);
        cmbGenre[2]->setEditText(m.genre3);
        cmbMedium->setEditText(m.medium);
        cmbFormat->setEditText(m.format);
        cmbRating->setEditText(m.rating);
        txtNumDiscs->setText(m.numDiscs);
        txtRealYear->setText(m.releaseYear);
        txtRunningTime->setText(m.runningTime);
        txtURL->setText(m.url);
        flash1->setRating(m.userRating);
        chkEpisodeDisc->setChecked(m.episodeDisc);
        setEpisodeWindow(m.episodeDisc);
        m_userRating = m.userRating;
        showCover(m.hasCover);
        fillCast();
    });
    emit statesChanged();
}

void MovieEditor::clearFields()
{
    for (QLineEdit *e : {txtTitle, txtOrderBy, txtRealYear, txtNumDiscs, txtRunningTime})
        e->clear();
    for (QComboBox *c : {cmdDir, cmbActor, cmbGenre[0], cmbGenre[1], cmbGenre[2], cmbMedium, cmbFormat, cmbRating})
        c->setEditText(QString());
    lstActors->clear();
    txtURL->setText(QStringLiteral("http://"));
    m_userRating = 0;
    flash1->setRating(0);
    m_cover = QImage();
    imgCover->clear();
    lblDoubleClick->setVisible(true);
}

void MovieEditor::CheckSaved()
{
    if (!m_session.catalogueChosen() || m_edited->isSaved())
        return;
    if (m_ctx.prompts().question(tr("Do you want to save the current movie"), tr("Save Record?"),
                                 Prompts::Icon::Question))
        save();
    else
        m_edited->setSaved(true);
}

void MovieEditor::save()
{
    bool keepUnsaved = false;
    m_ctx.guard(QStringLiteral("frmMain mnuSave_Click"), [this, &keepUnsaved] {
        if (!m_edited->isNew() && m_edited->id() == 0)
            return;
        MovieRecord m = record();
        MovieStore::SaveMode mode = MovieStore::SaveMode::IfUnchanged;
        for (;;) {
            try {
                m.id = m_store.save(m, mode);
                break;
            } catch (const CinelogError &e) {
                if (Catalogue::isBusy(e)) {
                    if (m_ctx.prompts().question(tr("%1\n\nTry again?").arg(e.shownDescription()),
                                                 tr("Catalogue In Use"), Prompts::Icon::Warning))
                        continue;
                    keepUnsaved = true;
                    return;
                }
                if (e.number() != MovieStore::ChangedElsewhere || mode == MovieStore::SaveMode::Overwrite)
                    throw;
                const Prompts::Answer answer = m_ctx.prompts().questionYesNoCancel(
                    tr("Another program changed this movie after it was shown here.\n\n"
                        "Yes: show the movie as it is stored now (your changes here are dropped).\n"
                        "No: save your version over the other change.\n"
                        "Cancel: go on editing without saving."),
                    tr("Movie Changed Elsewhere"), Prompts::Icon::Warning);
                if (answer == Prompts::Answer::Yes) {
                    ShowMovieData();
                    return;
                }
                if (answer == Prompts::Answer::Cancel) {
                    keepUnsaved = true;
                    return;
                }
                mode = MovieStore::SaveMode::Overwrite;
            }
        }
        m_edited->setId(m.id);
        emit stored(m, m_edited->isNew());
        m_edited->setNew(false);
    });
    m_edited->setSaved(!keepUnsaved);
    emit statesChanged();
}

// ---------------------------------------------------------------------------------------------
// Pick lists

void MovieEditor::setPickList(QComboBox *box, const QStringList &items, bool keepText)
{
    const QString text = box->currentText();
    const QSignalBlocker block(box);
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(keepText ? text : QString());
}

void MovieEditor::GetGenres()
{
    const QStringList g = m_store.genres();
    if (g.isEmpty())
        return;
    for (QComboBox *c : cmbGenre)
        setPickList(c, g, true);
}

void MovieEditor::GetDirectors()
{
    const QStringList d = m_store.directors();
    if (!d.isEmpty())
        setPickList(cmdDir, d, true);
}

void MovieEditor::GetActors()
{
    const QStringList a = m_store.actors();
    if (!a.isEmpty())
        setPickList(cmbActor, a, true);
}

void MovieEditor::GetRatings()
{
    setPickList(cmbRating, m_store.ratings(), false);
}

void MovieEditor::GetMediums()
{
    setPickList(cmbMedium, m_store.mediums(), false);
}

void MovieEditor::GetFormats()
{
    setPickList(cmbFormat, m_store.formats(), false);
}

void MovieEditor::addNameOnLeave(QComboBox *box, int kind)
{
    const QString name = box->currentText();
    if (name.isEmpty() || !m_session.catalogue().isOpen())
        return;
    // A name that cannot be stored stays in the box; leaving the field reports nothing.
    try {
        if (kind == 0 && m_store.ensureDirector(name))
            GetDirectors();
        else if (kind == 1 && m_store.ensureGenre(name))
            GetGenres();
        else if (kind == 2 && m_store.ensureActor(name))
            GetActors();
    } catch (const CinelogError &) {
    }
}

void MovieEditor::titleLostFocus()
{
    m_ctx.guard(QStringLiteral("frmMain - txtTitle_LostFocus"), [this] {
        const QString t = txtTitle->text();
        if (t.isEmpty() || !txtOrderBy->text().isEmpty())
            return;
        const TitleOrder to = titleOrderFor(t);
        txtOrderBy->setText(to.orderBy);
        if (to.title != t)
            txtTitle->setText(to.title);
    });
}

// ---------------------------------------------------------------------------------------------
// Episodes, cover, rating, address

void MovieEditor::setEpisodeWindow(bool show)
{
    if (show) {
        emit episodeDiscShown(m_edited->id(), txtTitle->text(), txtNumDiscs->text());
        window()->activateWindow();
    } else {
        emit episodeDiscHidden();
    }
}

CoverPictures MovieEditor::covers()
{
    return CoverPictures(m_session.catalogue(), m_ctx);
}

void MovieEditor::showCover(bool hasCover)
{
    m_cover = QImage();
    const bool loaded = hasCover && covers().LoadPictureFromDB(m_cover, m_edited->id());
    if (loaded)
        imgCover->setPixmap(QPixmap::fromImage(
            m_cover.scaled(imgCover->size() - QSize(4, 4), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    else {
        m_cover = QImage();
        imgCover->clear();
    }
    lblDoubleClick->setVisible(!loaded);
}

void MovieEditor::reloadCover()
{
    if (m_edited->id() != 0) {
        showCover(covers().hasCover(m_edited->id()));
        emit coverStored(m_edited->id());
    }
    emit statesChanged();
}

void MovieEditor::imgCover_DblClick()
{
    if (m_edited->id() == 0)
        return;
    m_ctx.guard(QStringLiteral("frmMain - imgCover_DblClick"), [this] {
        const QString file = m_ctx.prompts().openFile(
            tr("Select a Cover Image:"),
            tr("Pictures (*.bmp *.jpg *.jpeg *.png *.gif);;BMP Files (*.bmp);;JPG Files (*.jpg)"),
            existingFolderOrHome(ProgramSettings::LastCoverFolder.read(m_ctx.ini())));
        if (file.isEmpty())
            return;
        ProgramSettings::LastCoverFolder.write(m_ctx.ini(), QFileInfo(file).absolutePath());
        if (covers().SavePictureToDB(m_edited->id(), file)) {
            showCover(true);
            emit coverStored(m_edited->id());
        }
        emit statesChanged();
    });
}

void MovieEditor::mnuSaveCoverFile_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - mnuSaveCoverFile_Click"), [this] {
        if (m_edited->id() == 0 || !covers().hasCover(m_edited->id()))
            return;
        QImage picture;
        if (!covers().LoadPictureFromDB(picture, m_edited->id()))
            return;
        QString file = m_ctx.prompts().saveFile(
            tr("Save Cover File.."), tr("BMP Files (*.bmp)"),
            existingFolderOrHome(ProgramSettings::LastCoverFolder.read(m_ctx.ini())));
        if (file.isEmpty())
            return;
        if (!file.endsWith(QLatin1String(".bmp")))
            file += QStringLiteral(".bmp");
        if (!picture.save(file, "BMP"))
            throw CinelogError(ErrorNumber::PermissionDenied, logged("MovieEditor", "The picture could not be written to %1").arg(file));
    });
}

void MovieEditor::flash1_FSCommand(const QString &, const QString &args)
{
    m_ctx.guard(QStringLiteral("frmMain - flash1_FSCommand"), [&] {
        bool ok = false;
        const double v = args.toDouble(&ok);
        if (!ok)
            throw CinelogError(ErrorNumber::TypeMismatch, logged("MovieEditor", "Type mismatch"));
        m_userRating = std::clamp(int(std::lround(v - 1)), 0, StarRating::Stars);
        flash1->setRating(m_userRating);
        if (m_edited->id() != 0) {
            m_store.setUserRating(m_edited->id(), m_userRating);
            emit userRatingStored(m_edited->id(), m_userRating);
        }
    });
}

void MovieEditor::cmdURL_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - cmdURL_Click"), [this] {
        // Only web addresses are handed to the browser: the text comes from the catalogue, and a
        // file: or other address would run whatever the desktop associates with it.
        if (const QUrl url = WebLookup::storedAddress(txtURL->text()); url.isValid())
            m_ctx.urlOpener().open(url);
    });
}

// ---------------------------------------------------------------------------------------------
// Cast

void MovieEditor::fillCast()
{
    lstActors->clear();
    for (const CastMember &c : m_store.cast(m_edited->id())) {
        auto *item = new QTreeWidgetItem(lstActors, {c.text()});
        item->setData(0, Qt::UserRole, c.actorId);
    }
}

QString MovieEditor::selectedCastName() const
{
    QTreeWidgetItem *item = lstActors->currentItem();
    return item ? CastMember::nameOf(item->text(0)) : QString();
}

void MovieEditor::lstActors_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - lstActors_Click"), [this] {
        QTreeWidgetItem *item = lstActors->currentItem();
        if (!item || item->text(0).isEmpty())
            return;
        m_selectedActorIndex = lstActors->indexOfTopLevelItem(item) + 1;
        m_selectedActorId = item->data(0, Qt::UserRole).toInt();
        const QString text = item->text(0);
        const qsizetype at = text.indexOf(QLatin1String(" as "));
        cmbActor->setEditText(at < 0 ? text : text.left(at));
        // The role is the piece between the first and a second " as ", if any.
        QString role;
        if (at >= 0) {
            role = text.mid(at + 4);
            const qsizetype next = role.indexOf(QLatin1String(" as "));
            if (next >= 0)
                role = role.left(next);
        }
        txtActorPlays->setText(role);
    });
    emit statesChanged();
}

void MovieEditor::cmdAddActor_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - cmdAddActor_Click"), [this] {
        if (m_edited->id() == 0)
            return;
        const QString actor = cmbActor->currentText();
        const QString role = txtActorPlays->text();
        if (actor.isEmpty())
            return;
        bool updated = false;
        int actorId = 0;
        if (!changeOrAsk(m_ctx.prompts(), tr("the cast of this movie"),
                         [&](MovieStore::SaveMode mode) { actorId = m_store.addOrUpdateCast(m_edited->id(), actor, role, updated, mode); },
                         [this] { fillCast(); }))
            return;
        if (updated) {
            // The row of this actor: the selected one when it is this actor's, else the first.
            QTreeWidgetItem *item = lstActors->currentItem();
            if (!item || item->data(0, Qt::UserRole).toInt() != actorId) {
                item = nullptr;
                for (int i = 0; i < lstActors->topLevelItemCount() && !item; ++i)
                    if (lstActors->topLevelItem(i)->data(0, Qt::UserRole).toInt() == actorId)
                        item = lstActors->topLevelItem(i);
            }
            if (item)
                item->setText(0, actor + QStringLiteral(" as ") + role);
        } else {
            auto *item = new QTreeWidgetItem(lstActors, {actor + QStringLiteral(" as ") + role});
            item->setData(0, Qt::UserRole, actorId);
            m_selectedActorId = 0;
        }
    });
    cmbActor->setEditText(QString());
    txtActorPlays->clear();
    emit statesChanged();
}

void MovieEditor::cmdRemoveActor_Click()
{
    m_ctx.guard(QStringLiteral("frmMain - cmdRemoveActor_Click"), [this] {
        QTreeWidgetItem *item = lstActors->currentItem();
        if (!item)
            return;
        const QString name = CastMember::nameOf(item->text(0));
        const int actorId = item->data(0, Qt::UserRole).toInt();
        if (m_ctx.prompts().question(tr("Do you want to remove %1 from this movie?").arg(name),
                                     tr("Delete Actor?"), Prompts::Icon::Question)) {
            if (!changeOrAsk(m_ctx.prompts(), tr("the cast of this movie"),
                             [&](MovieStore::SaveMode mode) { m_store.removeCast(m_edited->id(), actorId, mode); },
                             [this] { fillCast(); }))
                return;
            // Every link of that actor to this movie is gone.
            for (int i = lstActors->topLevelItemCount() - 1; i >= 0; --i)
                if (lstActors->topLevelItem(i)->data(0, Qt::UserRole).toInt() == actorId)
                    delete lstActors->takeTopLevelItem(i);
        }
    });
    m_selectedActorId = 0;
    emit statesChanged();
}

// ---------------------------------------------------------------------------------------------
// Events and command states

bool MovieEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == imgCover && event->type() == QEvent::MouseButtonDblClick) {
        imgCover_DblClick();
        return true;
    }
    if (watched == txtURL && event->type() == QEvent::MouseButtonDblClick) {
        if (cmdURL->isEnabled())
            cmdURL_Click();
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
    } else if (event->type() == QEvent::FocusOut) {
        if (watched == txtTitle)
            titleLostFocus();
        else if (watched == cmdDir->lineEdit())
            addNameOnLeave(cmdDir, 0);
        else if (watched == cmbActor->lineEdit())
            addNameOnLeave(cmbActor, 2);
        else
            for (QComboBox *g : cmbGenre)
                if (watched == g->lineEdit())
                    addNameOnLeave(g, 1);
    } else if (event->type() == QEvent::KeyRelease && watched == cmbActor->lineEdit()) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && cmdAddActor->isEnabled())
            cmdAddActor_Click();
    }
    return QWidget::eventFilter(watched, event);
}

void MovieEditor::fillInputs(MainCommandInputs &in) const
{
    in.movieShown = m_edited->id() != 0;
    in.newMovie = m_edited->isNew();
    in.hasTitle = !txtTitle->text().isEmpty();
    in.hasDirector = !cmdDir->currentText().isEmpty();
    in.hasActorText = !cmbActor->currentText().isEmpty();
    const QTreeWidgetItem *cur = lstActors->currentItem();
    in.castRowSelected = cur && !cur->text(0).isEmpty();
    in.hasCover = hasCover();
    in.hasLink = hasLink();
}

void MovieEditor::applyStates(const MainCommandStates &s)
{
    for (QWidget *w : {static_cast<QWidget *>(txtTitle), static_cast<QWidget *>(cmdDir), static_cast<QWidget *>(cmbMedium),
                       static_cast<QWidget *>(cmbFormat), static_cast<QWidget *>(cmbRating), static_cast<QWidget *>(txtNumDiscs),
                       static_cast<QWidget *>(txtRealYear), static_cast<QWidget *>(txtRunningTime),
                       static_cast<QWidget *>(cmbGenre[0]), static_cast<QWidget *>(cmbGenre[1]),
                       static_cast<QWidget *>(cmbGenre[2]), static_cast<QWidget *>(txtOrderBy), static_cast<QWidget *>(txtURL)})
        w->setEnabled(s.movieFields);
    imgCover->setEnabled(s.coverBox);
    if (s.doubleClickHint)
        lblDoubleClick->setEnabled(*s.doubleClickHint);
    if (s.asLabel)
        lblAs->setEnabled(*s.asLabel);
    if (s.actorPlays)
        txtActorPlays->setEnabled(*s.actorPlays);
    cmbActor->setEnabled(s.actorBox);
    cmdRemoveActor->setEnabled(s.removeActor);
    cmdAddActor->setEnabled(s.addActor);
    cmdURL->setEnabled(s.visitWebsite);
    if (s.forgetSelectedActor)
        m_selectedActorId = 0;
}
