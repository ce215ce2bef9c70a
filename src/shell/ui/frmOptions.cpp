#include "frmOptions.h"

#include "AppContext.h"
#include "ProgramSettings.h"
#include "Translations.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

frmOptions::frmOptions(AppContext &ctx, QWidget *parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName(QStringLiteral("frmOptions"));
    setWindowTitle(tr(" Options"));
    setAttribute(Qt::WA_DeleteOnClose);

    FraMovieDatabase = new QGroupBox(tr("Cinelog Options"), this);
    FraMovieDatabase->setObjectName(QStringLiteral("FraMovieDatabase"));
    lblLastOpened = new QLabel(tr("Last Opened Cinelog:"), FraMovieDatabase);
    lblLastOpened->setObjectName(QStringLiteral("lblLastOpened"));
    txtTxtLastDB = new QLineEdit(FraMovieDatabase);
    txtTxtLastDB->setObjectName(QStringLiteral("txtTxtLastDB"));
    txtTxtLastDB->setMinimumWidth(360);
    cmdOpenDB = new QPushButton(QStringLiteral("..."), FraMovieDatabase);
    cmdOpenDB->setObjectName(QStringLiteral("cmdOpenDB"));
    chkLoadLast = new QCheckBox(tr("Load Last Opened Database on Startup"), FraMovieDatabase);
    chkLoadLast->setObjectName(QStringLiteral("chkLoadLast"));
    lblPDFReports = new QLabel(tr("PDF Reports Default Folder:"), FraMovieDatabase);
    lblPDFReports->setObjectName(QStringLiteral("lblPDFReports"));
    Dir1 = new QLineEdit(QDir::currentPath(), FraMovieDatabase);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    cmdBrowsePDF = new QPushButton(QStringLiteral("..."), FraMovieDatabase);
    cmdBrowsePDF->setObjectName(QStringLiteral("cmdBrowsePDF"));

    lblLanguage = new QLabel(tr("&Language:"), FraMovieDatabase);
    lblLanguage->setObjectName(QStringLiteral("lblLanguage"));
    cboLanguage = new QComboBox(FraMovieDatabase);
    cboLanguage->setObjectName(QStringLiteral("cboLanguage"));
    for (const Translations::Choice &c : Translations::offered())
        cboLanguage->addItem(c.code.isEmpty() ? tr("System default") : c.name, c.code);
    lblLanguage->setBuddy(cboLanguage);
    lblLanguageNote = new QLabel(tr("Takes effect the next time Cinelog starts."), FraMovieDatabase);
    lblLanguageNote->setObjectName(QStringLiteral("lblLanguageNote"));
    lblLanguageNote->setEnabled(false);

    auto *frame = new QVBoxLayout(FraMovieDatabase);
    frame->addWidget(lblLastOpened);
    auto *dbRow = new QHBoxLayout;
    dbRow->addWidget(txtTxtLastDB, 1);
    dbRow->addWidget(cmdOpenDB);
    frame->addLayout(dbRow);
    frame->addWidget(chkLoadLast);
    frame->addWidget(lblPDFReports);
    auto *pdfRow = new QHBoxLayout;
    pdfRow->addWidget(Dir1, 1);
    pdfRow->addWidget(cmdBrowsePDF);
    frame->addLayout(pdfRow);
    auto *languageRow = new QHBoxLayout;
    languageRow->addWidget(lblLanguage);
    languageRow->addWidget(cboLanguage);
    languageRow->addWidget(lblLanguageNote, 1);
    frame->addLayout(languageRow);
    m_extra = new QFormLayout;
    frame->addLayout(m_extra);

    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(FraMovieDatabase);
    layout->addLayout(buttons);

    connect(cmdOpenDB, &QPushButton::clicked, this, &frmOptions::cmdOpenDB_Click);
    connect(cmdBrowsePDF, &QPushButton::clicked, this, [this] {
        QString dir = m_ctx.prompts().chooseFolder(tr("PDF Reports Default Folder:"), Dir1->text());
        if (!dir.isEmpty())
            Dir1->setText(QDir::toNativeSeparators(dir));
    });
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmOptions::cmdCancel_Click);
    Form_Load();
}

void frmOptions::Form_Load()
{
    m_ctx.guard(QStringLiteral("frmOptions - Form_Load"), [this] {
        if (ProgramSettings::AutoLoad.isSet(m_ctx.ini()))
            chkLoadLast->setChecked(ProgramSettings::AutoLoad.read(m_ctx.ini()));
        const QString last = ProgramSettings::LastDB.read(m_ctx.ini());
        if (!last.isEmpty())
            txtTxtLastDB->setText(last);
        const QString pdf = ProgramSettings::PDFFolder.read(m_ctx.ini());
        if (!pdf.isEmpty() && QFileInfo(pdf).isDir())
            Dir1->setText(pdf);
        const int language = cboLanguage->findData(ProgramSettings::Language.read(m_ctx.ini()).trimmed().toLower());
        cboLanguage->setCurrentIndex(language >= 0 ? language : 0);
    });
}

void frmOptions::cmdOpenDB_Click()
{
    m_ctx.guard(QStringLiteral("frmOptions - cmdOpenDB_Click"), [this] {
        const QString start = existingFolderOrHome(ProgramSettings::LastFolder.read(m_ctx.ini()));
        const QString file = m_ctx.prompts().openFile(tr("Select Database:"),
                                                      tr("Cinelogs (*.cnlg)"), start);
        if (file.isEmpty())
            return;
        txtTxtLastDB->setText(file);
        ProgramSettings::LastFolder.write(m_ctx.ini(), QFileInfo(file).absolutePath());
    });
}

void frmOptions::cmdOK_Click()
{
    m_ctx.guard(QStringLiteral("frmOptions - cmdOK_Click"), [this] {
        ProgramSettings::AutoLoad.write(m_ctx.ini(), chkLoadLast->isChecked());
        ProgramSettings::LastDB.write(m_ctx.ini(), txtTxtLastDB->text());
        QString pdf = Dir1->text();
        while (pdf.size() > 1 && (pdf.endsWith(QLatin1Char('/')) || pdf.endsWith(QLatin1Char('\\'))))
            pdf.chop(1);
        ProgramSettings::PDFFolder.write(m_ctx.ini(), pdf);
        ProgramSettings::Language.write(m_ctx.ini(), cboLanguage->currentData().toString());
        emit saving();
        RecentList::WriteDBList(m_ctx, txtTxtLastDB->text());
        accept();
    });
}

void frmOptions::cmdCancel_Click()
{
    m_ctx.guard(QStringLiteral("frmOptions - cmdCancel_Click"), [this] { reject(); });
}
