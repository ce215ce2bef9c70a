#include "ExportDialog.h"

#include "AppContext.h"
#include "Prompts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
template <typename W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
}

ExportDialog::ExportDialog(AppContext &ctx, Choices choices, QWidget *parent)
    : QDialog(parent), m_ctx(ctx), m_choices(std::move(choices))
{
    setObjectName(QStringLiteral("ExportDialog"));
    setWindowTitle(tr("Export Movies"));

    auto *which = named(new QGroupBox(tr("Movies")), "grpMovies");
    optCatalogue = named(new QRadioButton(tr("The whole catalogue (%n movies)", nullptr, m_choices.catalogueMovies)), "optCatalogue");
    optList = named(new QRadioButton(tr("The movies in the list (%n)", nullptr, m_choices.listMovies ? int(m_choices.listMovies->size()) : 0)),
                    "optList");
    optSearch = named(new QRadioButton(tr("The search results (%n)", nullptr, m_choices.searchMovies ? int(m_choices.searchMovies->size()) : 0)),
                      "optSearch");
    optList->setEnabled(m_choices.listMovies.has_value());
    optList->setVisible(m_choices.listMovies.has_value());
    optSearch->setVisible(m_choices.searchMovies.has_value());
    (m_choices.searchMovies ? optSearch : optCatalogue)->setChecked(true);
    auto *whichLayout = new QVBoxLayout(which);
    whichLayout->addWidget(optCatalogue);
    whichLayout->addWidget(optList);
    whichLayout->addWidget(optSearch);

    cmbFormat = named(new QComboBox, "cmbFormat");
    cmbFormat->addItem(tr("CSV (comma-separated text, UTF-8)"), int(ExportFormat::Csv));
    cmbFormat->addItem(tr("Excel workbook (.xlsx)"), int(ExportFormat::Xlsx));
    cmbFormat->addItem(tr("OpenDocument spreadsheet (.ods)"), int(ExportFormat::Ods));
    cmbFormat->addItem(tr("HTML catalogue (web page with cover pictures)"), int(ExportFormat::Html));
    cmbFormat->setAccessibleName(tr("Format"));

    txtFile = named(new QLineEdit(m_choices.startPath + QStringLiteral(".csv")), "txtFile");
    txtFile->setAccessibleName(tr("File"));
    txtFile->setMinimumWidth(fontMetrics().averageCharWidth() * 50);
    cmdBrowse = named(new QPushButton(tr("Browse...")), "cmdBrowse");
    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(txtFile, 1);
    fileRow->addWidget(cmdBrowse);

    lblFormatNote = named(new QLabel, "lblFormatNote");
    lblFormatNote->setWordWrap(true);

    auto *form = new QFormLayout;
    form->addRow(tr("&Format:"), cmbFormat);
    auto *lblFile = named(new QLabel(tr("F&ile:")), "lblFile");
    lblFile->setBuddy(txtFile); // the row holds a layout, so the label needs its buddy set
    form->addRow(lblFile, fileRow);
    form->addRow(QString(), lblFormatNote);

    buttons = named(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel), "buttons");
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Export"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdExport"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));

    auto *outer = new QVBoxLayout(this);
    outer->addWidget(which);
    outer->addLayout(form);
    outer->addStretch(1);
    outer->addWidget(buttons);

    connect(cmbFormat, &QComboBox::currentIndexChanged, this, &ExportDialog::formatChanged);
    connect(cmdBrowse, &QPushButton::clicked, this, &ExportDialog::browse);
    connect(txtFile, &QLineEdit::textChanged, this, &ExportDialog::updateOk);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    formatChanged();
}

ExportFormat ExportDialog::format() const
{
    return ExportFormat(cmbFormat->currentData().toInt());
}

QString ExportDialog::path() const
{
    return txtFile->text().trimmed();
}

std::optional<QList<int>> ExportDialog::movieIds() const
{
    if (optSearch->isChecked())
        return m_choices.searchMovies;
    if (optList->isChecked())
        return m_choices.listMovies;
    return std::nullopt;
}

void ExportDialog::formatChanged()
{
    // The file name follows the format.
    const QString ext = CatalogueExport::extension(format());
    const QString p = path();
    if (!p.isEmpty()) {
        const QFileInfo fi(p);
        const QString folderPart = p.left(p.size() - fi.fileName().size());
        const QString base = CatalogueExport::formatFor(p) ? fi.completeBaseName() : fi.fileName();
        txtFile->setText(folderPart + base + u'.' + ext);
    }
    switch (format()) {
    case ExportFormat::Csv:
        lblFormatNote->setText(tr("One line per movie with a heading line; opens in any spreadsheet program and imports back."));
        break;
    case ExportFormat::Xlsx:
    case ExportFormat::Ods:
        lblFormatNote->setText(tr("One worksheet, one row per movie; imports back into a catalogue."));
        break;
    case ExportFormat::Html:
        lblFormatNote->setText(tr("A page that opens in any web browser, also offline and on a phone; click a heading to sort. "
                                  "The cover pictures go into a folder beside it."));
        break;
    }
    updateOk();
}

void ExportDialog::browse()
{
    const QString ext = CatalogueExport::extension(format());
    const QString chosen = m_ctx.prompts().saveFile(tr("Export Movies"), tr("%1 files (*.%2)").arg(ext.toUpper(), ext), path());
    if (chosen.isEmpty())
        return;
    txtFile->setText(QFileInfo(chosen).suffix().isEmpty() ? chosen + u'.' + ext : chosen);
}

void ExportDialog::updateOk()
{
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!path().isEmpty());
}
