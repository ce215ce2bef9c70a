#include "MovieDetailsOptions.h"

#include "AppContext.h"
#include "MovieDetailsSettings.h"
#include "frmOptions.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include <algorithm>

namespace {

struct Tr
{
    Q_DECLARE_TR_FUNCTIONS(MovieDetailsOptions)
};

const char *const PosterSizes[] = {"w342", "w500", "w780", "original"};

} // namespace

void addMovieDetailsOptions(frmOptions &dlg)
{
    {
        {
            const MovieDetailsSettings s = MovieDetailsSettings::read(dlg.context());
            auto *cast = new QSpinBox(&dlg);
            cast->setObjectName(QStringLiteral("spnDetailsCastCount"));
            cast->setAccessibleName(Tr::tr("Cast members to take"));
            cast->setRange(0, MovieDetailsSettings::MaxCastCount);
            cast->setValue(s.castCount);
            cast->setToolTip(Tr::tr("How many actors a fill takes, in billing order."));

            auto *country = new QLineEdit(&dlg);
            country->setObjectName(QStringLiteral("txtDetailsCountry"));
            country->setAccessibleName(Tr::tr("Country of the rating"));
            country->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]{0,2}")), country));
            country->setMaxLength(2);
            country->setText(s.country);
            country->setToolTip(Tr::tr("Two-letter country code (US, GB, DE, ...) whose certification becomes the "
                                       "rating; movies without one there take the US certification."));
            country->setMaximumWidth(country->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 16);

            auto *language = new QLineEdit(&dlg);
            language->setObjectName(QStringLiteral("txtDetailsLanguage"));
            language->setAccessibleName(Tr::tr("Language of titles and genres"));
            language->setText(s.language);
            language->setToolTip(Tr::tr("Language of titles, genres and overviews, as a tag such as en-US or de-DE."));
            language->setMaximumWidth(language->fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMM")) + 16);

            auto *poster = new QComboBox(&dlg);
            poster->setObjectName(QStringLiteral("cboDetailsPosterSize"));
            poster->setAccessibleName(Tr::tr("Poster size"));
            for (const char *size : PosterSizes)
                poster->addItem(size == QLatin1String("original") ? Tr::tr("original") : QString::fromLatin1(size),
                                QString::fromLatin1(size));
            poster->setCurrentIndex(qMax(0, poster->findData(s.posterSize)));
            poster->setToolTip(Tr::tr("Width in pixels of the poster stored as the cover."));

            auto *names = new QComboBox(&dlg);
            names->setObjectName(QStringLiteral("cboDetailsNameForm"));
            names->setAccessibleName(Tr::tr("Form of people's names"));
            names->addItem(Tr::tr("Last, First (Reeves, Keanu)"), int(MovieDetailsSettings::NameForm::LastFirst));
            names->addItem(Tr::tr("As given (Keanu Reeves)"), int(MovieDetailsSettings::NameForm::AsGiven));
            names->setCurrentIndex(names->findData(int(s.nameForm)));

            auto *timeout = new QSpinBox(&dlg);
            timeout->setObjectName(QStringLiteral("spnDetailsTimeout"));
            timeout->setAccessibleName(Tr::tr("Seconds to wait for an answer"));
            timeout->setRange(MovieDetailsSettings::MinTimeoutSeconds, MovieDetailsSettings::MaxTimeoutSeconds);
            timeout->setSuffix(Tr::tr(" s"));
            timeout->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
            timeout->setValue(std::clamp((s.timeoutMs + 999) / 1000, MovieDetailsSettings::MinTimeoutSeconds,
                                         MovieDetailsSettings::MaxTimeoutSeconds));
            timeout->setToolTip(Tr::tr("How long one request to the movie database may take before it counts as failed; "
                                       "raise it on a slow connection."));

            // Two short boxes share a row, so the dialog does not grow too tall.
            auto *place = new QWidget(&dlg);
            auto *row = new QHBoxLayout(place);
            row->setContentsMargins(0, 0, 0, 0);
            row->addWidget(country);
            row->addSpacing(12);
            auto *languageLabel = new QLabel(Tr::tr("&Language:"), place);
            languageLabel->setBuddy(language);
            row->addWidget(languageLabel);
            row->addWidget(language);
            row->addStretch(1);

            auto *sizes = new QWidget(&dlg);
            auto *sizeRow = new QHBoxLayout(sizes);
            sizeRow->setContentsMargins(0, 0, 0, 0);
            sizeRow->addWidget(cast);
            sizeRow->addSpacing(12);
            auto *posterLabel = new QLabel(Tr::tr("&Poster size:"), sizes);
            posterLabel->setBuddy(poster);
            sizeRow->addWidget(posterLabel);
            sizeRow->addWidget(poster);
            sizeRow->addStretch(1);

            QFormLayout *form = dlg.extraOptions();
            form->addRow(Tr::tr("Details: cast members:"), sizes);
            form->addRow(Tr::tr("Details: rating country:"), place);
            form->addRow(Tr::tr("Details: people's names:"), names);
            form->addRow(Tr::tr("Details: wait for an answer:"), timeout);
            if (auto *label = qobject_cast<QLabel *>(form->labelForField(sizes)))
                label->setBuddy(cast);
            if (auto *label = qobject_cast<QLabel *>(form->labelForField(place)))
                label->setBuddy(country);
            if (auto *label = qobject_cast<QLabel *>(form->labelForField(names)))
                label->setBuddy(names);
            if (auto *label = qobject_cast<QLabel *>(form->labelForField(timeout)))
                label->setBuddy(timeout);
        }
        QObject::connect(&dlg, &frmOptions::saving, &dlg, [&dlg] {
            MovieDetailsSettings s = MovieDetailsSettings::read(dlg.context());
            if (auto *cast = dlg.findChild<QSpinBox *>(QStringLiteral("spnDetailsCastCount")))
                s.castCount = cast->value();
            if (auto *country = dlg.findChild<QLineEdit *>(QStringLiteral("txtDetailsCountry")))
                s.country = country->text().trimmed().toUpper().size() == 2 ? country->text().trimmed().toUpper()
                                                                           : MovieDetailsSettings::localeCountry();
            if (auto *language = dlg.findChild<QLineEdit *>(QStringLiteral("txtDetailsLanguage")))
                s.language = language->text().trimmed().isEmpty() ? MovieDetailsSettings::localeLanguage() : language->text().trimmed();
            if (auto *poster = dlg.findChild<QComboBox *>(QStringLiteral("cboDetailsPosterSize")))
                s.posterSize = poster->currentData().toString();
            if (auto *names = dlg.findChild<QComboBox *>(QStringLiteral("cboDetailsNameForm")))
                s.nameForm = MovieDetailsSettings::NameForm(names->currentData().toInt());
            if (auto *timeout = dlg.findChild<QSpinBox *>(QStringLiteral("spnDetailsTimeout")))
                s.timeoutMs = timeout->value() * 1000;
            s.write(dlg.context());
        });
    }
}
