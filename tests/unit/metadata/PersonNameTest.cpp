// The name form a fill stores people in (the conversion itself is tested with the people core).

#include "MovieDetails.h"

#include <gtest/gtest.h>

TEST(FillNames, TheOptionChoosesTheCataloguesFormOrTheSourcesOwn)
{
    using Form = MovieDetailsSettings::NameForm;
    const struct
    {
        const char *given;
        Form form;
        const char *stored;
    } cases[] = {
        {"Keanu Reeves", Form::LastFirst, "Reeves, Keanu"},
        {" Keanu  Reeves ", Form::AsGiven, "Keanu Reeves"},
        {"Vincent van Gogh", Form::LastFirst, "van Gogh, Vincent"},
        {"Madonna", Form::LastFirst, "Madonna"},
        {"周潤發", Form::LastFirst, "周潤發"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(MovieDetails::catalogueName(QString::fromUtf8(c.given), c.form).toStdString(), std::string(c.stored)) << c.given;
}
