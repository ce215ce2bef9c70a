#include "MovieDetails.h"
#include "PersonName.h"

#include <gtest/gtest.h>

TEST(PersonName, CatalogueFormTable)
{
    const std::pair<const char *, const char *> cases[] = {
        {"Keanu Reeves", "Reeves, Keanu"},
        {"  Samuel   L. Jackson ", "Jackson, Samuel L."},
        {"Madonna", "Madonna"},
        {"Vincent van Gogh", "van Gogh, Vincent"},
        {"Robert De Niro", "De Niro, Robert"},
        {"Erich von Stroheim", "von Stroheim, Erich"},
        {"Leonardo da Vinci", "da Vinci, Leonardo"},
        {"Ana de Armas", "de Armas, Ana"},
        {"Robert Downey Jr.", "Downey, Robert, Jr."},
        {"Louis Gossett Jr", "Gossett, Louis, Jr"},
        {"John D. Rockefeller III", "Rockefeller, John D., III"},
        {"Reeves, Keanu", "Reeves, Keanu"},
        {"Björk Guðmundsdóttir", "Guðmundsdóttir, Björk"},
        {"Chloë Grace Moretz", "Moretz, Chloë Grace"},
        {"周潤發", "周潤發"},
        {"Сергей Бондарчук", "Сергей Бондарчук"},
        {"Toshirō Mifune", "Mifune, Toshirō"},
        {"", ""},
    };
    for (const auto &[given, expected] : cases)
        EXPECT_EQ(PersonName::toCatalogueForm(QString::fromUtf8(given)).toStdString(), std::string(expected)) << given;
}

TEST(PersonName, AsGivenKeepsTheSourcesForm)
{
    EXPECT_EQ(MovieDetails::catalogueName(QStringLiteral(" Keanu  Reeves "), MovieDetailsSettings::NameForm::AsGiven),
              QStringLiteral("Keanu Reeves"));
    EXPECT_EQ(MovieDetails::catalogueName(QStringLiteral("Keanu Reeves"), MovieDetailsSettings::NameForm::LastFirst),
              QStringLiteral("Reeves, Keanu"));
}
