#pragma once

#include <QString>
#include <QVariant>
#include <vector>

// The catalogue's tables and columns, as data: CreateDB, CheckDB and the tests all read this table.
namespace Schema {

enum class Type { AutoNumber, LongInteger, Text, Memo, Date, LongBytes };

struct Column {
    const char *table;
    const char *name;
    Type type;
    bool nullable;        // accepts Null
    bool allowEmptyText;  // a text column accepts empty text
    const char *defaultValue; // nullptr: none
    const char *description;
    int addedOnOpen;      // 0: a base column; n > 0: added by the open-time check as its n-th step
};

// Every column in table order (tables in creation order).
const std::vector<Column> &columns();
// Table names in creation order: DBInfo, Actors, Directors, Genres, LoanOut, MovActLink, Movies, UserList, Episodes.
const std::vector<QString> &tables();
std::vector<Column> columnsOf(const QString &table, bool includeAddedOnOpen = true);
// The open-time additions, in the order the check adds them.
std::vector<Column> addedOnOpen();

// SQL text for one column's definition, e.g. "Title TEXT CHECK (length(Title) <= 255)".
QString columnDefinition(const Column &c);
QString createTableStatement(const QString &table, bool includeAddedOnOpen);

// Indexes the program's own statements rely on. The open-time check creates them once every column
// they cover exists; a new catalogue has none until it is first opened.
struct Index {
    const char *name;
    const char *table;
    const char *column;
};
const std::vector<Index> &indexes();
// "CREATE INDEX IF NOT EXISTS ..." for each of indexes(), in order.
const std::vector<QString> &indexStatements();
QString indexStatement(const Index &index);

// Texts the program compares, sorts and looks up without regard to letter case each have a key
// column beside them holding the program's case-folded form (cinelog_fold), indexed in the engine's
// plain binary order, so that the file's indexes read the same in every SQLite tool. Added by the
// ladder's step at KeyVersion. A key is Null while it waits to be filled: triggers in the file
// clear it when another program changes the text, and the next open fills it again.
struct TextKey {
    const char *table;
    const char *column; // the text as shown
    const char *key;    // its folded form
    const char *index;  // the index on the key
};
const std::vector<TextKey> &textKeys();
// The keyed text of table.column; nullptr when that column has no key.
const TextKey *textKeyOf(const QString &table, const QString &column);
// The indexes on the display columns that catalogues before the keys had (kept in an order only
// the program knew); the keys' step drops them.
const std::vector<const char *> &indexesBeforeKeys();

constexpr int TextLimit = 255;
// Refuses text a text column cannot hold, naming the field as the user knows it: "<field> is too
// long: at most 255 characters can be stored." Characters are counted, not UTF-16 units, and all
// of them, also past a NUL (where the column's own length check stops counting).
void refuseOverlongText(const QString &field, const QString &text);
// "CINE" as a number: marks a SQLite file as a Cinelog catalogue.
constexpr int ApplicationId = 0x43494E45;

} // namespace Schema
