#include "frmOptions.h"

#include "AppContext.h"

#include <QCheckBox>
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
    setWindowTitle(QStringLiteral(" Options"));
    setAttribute(Qt::WA_DeleteOnClose);

    FraMovieDatabase = new QGroupBox(QStringLiteral("Cinelog Options"), this);
    FraMovieDatabase->setObjectName(QStringLiteral("FraMovieDatabase"));
    lblLastOpened = new QLabel(QStringLiteral("Last Opened Cinelog:"), FraMovieDatabase);
    lblLastOpened->setObjectName(QStringLiteral("lblLastOpened"));
    txtTxtLastDB = new QLineEdit(FraMovieDatabase);
    txtTxtLastDB->setObjectName(QStringLiteral("txtTxtLastDB"));
    txtTxtLastDB->setMinimumWidth(360);
    cmdOpenDB = new QPushButton(QStringLiteral("..."), FraMovieDatabase);
    cmdOpenDB->setObjectName(QStringLiteral("cmdOpenDB"));
    chkLoadLast = new QCheckBox(QStringLiteral("Load Last Opened Database on Startup"), FraMovieDatabase);
    chkLoadLast->setObjectName(QStringLiteral("chkLoadLast"));
    lblPDFReports = new QLabel(QStringLiteral("PDF Reports Default Folder:"), FraMovieDatabase);
    lblPDFReports->setObjectName(QStringLiteral("lblPDFReports"));
    Dir1 = new QLineEdit(QDir::currentPath(), FraMovieDatabase);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    cmdBrowsePDF = new QPushButton(QStringLiteral("..."), FraMovieDatabase);
    cmdBrowsePDF->setObjectName(QStringLiteral("cmdBrowsePDF"));

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
    m_extra = new QFormLayout;
    frame->addLayout(m_extra);

    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("Cancel"), this);
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
        QString dir = m_ctx.prompts().chooseFolder(QStringLiteral("PDF Reports Default Folder:"), Dir1->text());
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
        const QString autoLoad = m_ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("AutoLoad"));
        if (!autoLoad.isEmpty())
            chkLoadLast->setChecked(autoLoad.trimmed() == QLatin1String("1"));
        const QString last = m_ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("LastDB"));
        if (!last.isEmpty())
            txtTxtLastDB->setText(last);
        const QString pdf = m_ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("PDFFolder"));
        if (!pdf.isEmpty() && QFileInfo(pdf).isDir())
            Dir1->setText(pdf);
    });
}

void frmOptions::cmdOpenDB_Click()
{
    m_ctx.guard(QStringLiteral("frmOptions - cmdOpenDB_Click"), [this] {
        const QString start = existingFolderOrHome(m_ctx.ReadINI(QStringLiteral("Options"), QStringLiteral("LastFolder")));
        const QString file = m_ctx.prompts().openFile(QStringLiteral("Select Database:"),
                                                      QStringLiteral("Cinelogs (*.cnlg)"), start);
        if (file.isEmpty())
            return;
        txtTxtLastDB->setText(file);
        m_ctx.WriteINI(QStringLiteral("Options"), QStringLiteral("LastFolder"), QFileInfo(file).absolutePath());
    });
}

void frmOptions::cmdOK_Click()
{
    m_ctx.guard(QStringLiteral("frmOptions - cmdOK_Click"), [this] {
        m_ctx.WriteINI(QStringLiteral("Options"), QStringLiteral("AutoLoad"),
                       chkLoadLast->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        m_ctx.WriteINI(QStringLiteral("Options"), QStringLiteral("LastDB"), txtTxtLastDB->text());
        QString pdf = Dir1->text();
        while (pdf.size() > 1 && (pdf.endsWith(QLatin1Char('/')) || pdf.endsWith(QLatin1Char('\\'))))
            pdf.chop(1);
        m_ctx.WriteINI(QStringLiteral("Options"), QStringLiteral("PDFFolder"), pdf);
        emit saving();
        RecentList::WriteDBList(m_ctx, txtTxtLastDB->text());
        accept();
    });
}

void frmOptions::cmdCancel_Click()
{
    m_ctx.guard(QStringLiteral("frmOptions - cmdCancel_Click"), [this] { reject(); });
}
