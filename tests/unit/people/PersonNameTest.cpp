#include "GTestSupport.h"
#include "PersonName.h"

namespace {

struct Case {
    const char *given;
    const char *stored;
};

// Input as an outside source writes it -> the catalogue's form.
const Case conversions[] = {
    {"Keanu Reeves", "Reeves, Keanu"},
    {"Samuel L. Jackson", "Jackson, Samuel L."},
    {"Philip Seymour Hoffman", "Hoffman, Philip Seymour"},
    {"Jean-Claude Van Damme", "Van Damme, Jean-Claude"},
    {"Vincent van Gogh", "van Gogh, Vincent"},
    {"Ludwig Mies van der Rohe", "van der Rohe, Ludwig Mies"},
    {"Oscar de la Hoya", "de la Hoya, Oscar"},
    {"Erich von Stroheim", "von Stroheim, Erich"},
    {"Leonardo da Vinci", "da Vinci, Leonardo"},
    {"Benicio Del Toro", "Del Toro, Benicio"},
    {"Jill St. John", "St. John, Jill"},
    // A particle as the first word is a given name.
    {"Van Morrison", "Morrison, Van"},
    {"Robert Downey Jr.", "Downey Jr., Robert"},
    {"Sammy Davis, Jr.", "Davis Jr., Sammy"},
    {"Martin Luther King Jr", "King Jr, Martin Luther"},
    {"Davis Love III", "Love III, Davis"},
    {"Erik von Detten Jr.", "von Detten Jr., Erik"},
    // Single names and a lone suffix-like word stay as they are.
    {"Madonna", "Madonna"},
    {"Prince Jr.", "Prince Jr."},
    // Already in the catalogue's form: only blanks are tidied.
    {"Reeves, Keanu", "Reeves, Keanu"},
    {"Reeves,Keanu", "Reeves, Keanu"},
    {"  Reeves ,   Keanu ", "Reeves, Keanu"},
    {"Downey Jr., Robert", "Downey Jr., Robert"},
    {"Davis, Sammy, Jr.", "Davis, Sammy, Jr."},
    // Extra blanks, including a non-breaking one.
    {"  Keanu    Reeves  ", "Reeves, Keanu"},
    {"Keanu\u00a0Reeves", "Reeves, Keanu"},
    {"Keanu\tReeves", "Reeves, Keanu"},
    // Accented Latin letters are still Latin.
    {"Zoë Kravitz", "Kravitz, Zoë"},
    {"Jan Švankmajer", "Švankmajer, Jan"},
    // Other scripts keep their own order.
    {"黒澤 明", "黒澤 明"},
    {"Андрей Тарковский", "Андрей Тарковский"},
    {"Μελίνα Μερκούρη", "Μελίνα Μερκούρη"},
    {"  ", ""},
    {"", ""},
};

} // namespace

TEST(PersonName, ConvertsFirstLastIntoTheCataloguesForm)
{
    for (const Case &c : conversions) {
        SCOPED_TRACE(c.given);
        EXPECT_EQ(PersonName::toLastFirst(QString::fromUtf8(c.given)), QString::fromUtf8(c.stored));
        // Converting twice changes nothing: a converted name is recognised as converted.
        EXPECT_EQ(PersonName::toLastFirst(QString::fromUtf8(c.stored)), QString::fromUtf8(c.stored));
    }
}

TEST(PersonName, MatchesAStoredNameInEitherFormIgnoringCase)
{
    struct Pair {
        const char *name;
        const char *stored;
        bool same;
    };
    const Pair pairs[] = {
        {"Keanu Reeves", "Reeves, Keanu", true},
        {"keanu reeves", "Reeves, Keanu", true},
        {"REEVES,KEANU", "Reeves, Keanu", true},
        {"Jean-Claude Van Damme", "van damme, jean-claude", true},
        {"Robert Downey Jr.", "Downey Jr., Robert", true},
        {"Zoë Kravitz", "KRAVITZ, ZOË", true},
        {"Keanu Reeves", "Keanu Reeves", true},
        {"黒澤 明", "黒澤 明", true},
        {"Keanu Reeves", "Reeves, Keanu Charles", false},
        {"Keanu Reeves", "Keanu, Reeves", false},
        {"Robert Downey Jr.", "Downey, Robert", false},
        {"Zoe Kravitz", "Kravitz, Zoë", false},
    };
    for (const Pair &p : pairs) {
        SCOPED_TRACE(std::string(p.name) + " / " + p.stored);
        EXPECT_EQ(PersonName::sameName(QString::fromUtf8(p.name), QString::fromUtf8(p.stored)), p.same);
    }
}
