// The Jet reader on real Jet files: nwind.mdb (Jet 3, Access 97) and DateTestDatabase.mdb (Jet 4,
// Access 2000) from the public test data of the mdbtools project, in shared/testdata/jet.

#include "JetReader.h"
#include "JetTestSupport.h"

#include <QCryptographicHash>
#include <QImage>

namespace {

using Type = SourceColumn::Type;

QList<QVariantList> allRows(CatalogueSource &source, const QString &table)
{
    QList<QVariantList> out;
    std::unique_ptr<SourceRowCursor> rows = source.rows(table);
    QVariantList row;
    while (rows->next(row))
        out << row;
    return out;
}

QStringList names(const QList<SourceColumn> &columns)
{
    QStringList out;
    for (const SourceColumn &c : columns)
        out << c.name;
    return out;
}

QList<Type> types(const QList<SourceColumn> &columns)
{
    QList<Type> out;
    for (const SourceColumn &c : columns)
        out << c.type;
    return out;
}

QString md5(const QByteArray &b)
{
    return QString::fromLatin1(QCryptographicHash::hash(b, QCryptographicHash::Md5).toHex());
}

TEST(JetReaderTest, RecognisesJetFilesByTheirHeader)
{
    SKIP_WITHOUT_JET_FILES(folder);
    EXPECT_TRUE(JetReader::isJetFile(folder + "/nwind.mdb"));
    EXPECT_TRUE(JetReader::isJetFile(folder + "/DateTestDatabase.mdb"));

    QTemporaryDir dir;
    const QString sqlite = dir.filePath("films.cnlg");
    RawDb(sqlite).exec("CREATE TABLE Movies (ID INTEGER)");
    EXPECT_FALSE(JetReader::isJetFile(sqlite));
    EXPECT_FALSE(JetReader::isJetFile(dir.filePath("missing.cnlg")));
    writeFile(dir.filePath("short.cnlg"), QByteArray("\x00\x01\x00\x00Standard Jet", 16));
    EXPECT_FALSE(JetReader::isJetFile(dir.filePath("short.cnlg")));
    QByteArray ace = jetFileBytes();
    ace.replace(4, 16, QByteArray("Standard ACE DB\x00", 16));
    writeFile(dir.filePath("ace.cnlg"), ace);
    EXPECT_TRUE(JetReader::isJetFile(dir.filePath("ace.cnlg")));
}

TEST(JetReaderTest, AFileThatIsNotJetIsRefused)
{
    QTemporaryDir dir;
    writeFile(dir.filePath("notes.cnlg"), QByteArray(8192, 'x'));
    EXPECT_THROW(JetReader(dir.filePath("notes.cnlg")), CinelogError);
    EXPECT_THROW(JetReader(dir.filePath("missing.cnlg")), CinelogError);
}

TEST(JetReaderTest, Jet4TablesAndColumns)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/DateTestDatabase.mdb");
    EXPECT_EQ(r.jetVersion(), 4);
    // System tables (MSys...) are left out.
    EXPECT_EQ(r.tables(), QStringList({"DateTest"}));
    const QList<SourceColumn> cols = r.columns("DateTest");
    EXPECT_EQ(names(cols), QStringList({"IDCol", "DateTimeCol", "DateCol", "TimeCol", "LongTextCol", "ShortTextCol"}));
    EXPECT_EQ(types(cols), QList<Type>({Type::Integer, Type::DateTime, Type::DateTime, Type::DateTime, Type::Memo, Type::Text}));
    EXPECT_EQ(r.rowCount("DateTest"), 6);
    // Jet compares names without regard to letter case.
    EXPECT_EQ(names(r.columns("datetest")).size(), 6);
    EXPECT_THROW(r.columns("NoSuchTable"), CinelogError);
}

TEST(JetReaderTest, Jet4IntegersDatesMemoAndText)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/DateTestDatabase.mdb");
    const QList<QVariantList> rows = allRows(r, "DateTest");
    ASSERT_EQ(rows.size(), 6);
    QList<qlonglong> ids;
    for (const QVariantList &row : rows) {
        ASSERT_EQ(row.size(), 6);
        EXPECT_EQ(row.at(0).typeId(), QMetaType::LongLong);
        ids << row.at(0).toLongLong();
    }
    EXPECT_EQ(ids, QList<qlonglong>({1, 2, 3, 4, 5, 6}));

    // Dates across the whole range Jet keeps, before 1899 (negative day numbers) too.
    EXPECT_EQ(rows.at(0).at(1).toDateTime(), day(2021, 12, 2));
    EXPECT_EQ(rows.at(1).at(1).toDateTime(), day(9999, 1, 1));
    EXPECT_EQ(rows.at(2).at(1).toDateTime(), day(1898, 1, 1));
    EXPECT_EQ(rows.at(2).at(2).toDateTime(), day(1899, 1, 1));
    EXPECT_EQ(rows.at(2).at(3).toDateTime(), day(1900, 1, 1));
    EXPECT_EQ(rows.at(3).at(1).toDateTime(), day(632, 1, 1));
    EXPECT_EQ(rows.at(3).at(3).toDateTime(), day(634, 1, 1));

    // Memo and text, with a line break kept as it is.
    EXPECT_EQ(rows.at(1).at(4).toString(), "Year 9999");
    EXPECT_EQ(rows.at(1).at(5).toString(), "Year 1999");
    EXPECT_EQ(rows.at(4).at(4).toString(), "Escaped new line \\r\\n in field");
    EXPECT_EQ(rows.at(5).at(4).toString(), "New line\r\nin field");
    EXPECT_EQ(rows.at(5).at(5).toString(), "No new line");
    EXPECT_EQ(rows.at(5).at(4).typeId(), QMetaType::QString);
}

TEST(JetReaderTest, Jet3TablesAndColumns)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/nwind.mdb");
    EXPECT_EQ(r.jetVersion(), 3);
    const QStringList tables = r.tables();
    EXPECT_EQ(tables, QStringList({"Order Details", "Orders", "Products", "Shippers", "Categories", "Customers",
                                   "Employees", "Suppliers", "Umsätze"}));
    const QList<SourceColumn> cols = r.columns("Employees");
    EXPECT_EQ(names(cols), QStringList({"EmployeeID", "LastName", "FirstName", "Title", "TitleOfCourtesy", "BirthDate",
                                        "HireDate", "Address", "City", "Region", "PostalCode", "Country", "HomePhone",
                                        "Extension", "Photo", "Notes", "ReportsTo"}));
    EXPECT_EQ(cols.at(0).type, Type::Integer);
    EXPECT_EQ(cols.at(1).type, Type::Text);
    EXPECT_EQ(cols.at(5).type, Type::DateTime);
    EXPECT_EQ(cols.at(14).type, Type::LongBytes);
    EXPECT_EQ(cols.at(15).type, Type::Memo);
    EXPECT_EQ(types(r.columns("Products")).last(), Type::Boolean);
    EXPECT_EQ(types(r.columns("Order Details")), QList<Type>({Type::Integer, Type::Integer, Type::Decimal, Type::Integer, Type::Real}));
    EXPECT_EQ(r.rowCount("Orders"), 830);
    // A table whose name is not ASCII.
    EXPECT_EQ(r.rowCount("Umsätze"), 830);
    EXPECT_EQ(allRows(r, "Umsätze").size(), 830);
}

TEST(JetReaderTest, Jet3TextWithNonAsciiLettersAndNull)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/nwind.mdb");
    const QList<SourceColumn> cols = r.columns("Customers");
    const int id = names(cols).indexOf("CustomerID"), company = names(cols).indexOf("CompanyName"),
              address = names(cols).indexOf("Address"), city = names(cols).indexOf("City"), region = names(cols).indexOf("Region");
    QVariantList anatr;
    int n = 0;
    for (const QVariantList &row : allRows(r, "Customers")) {
        ++n;
        if (row.at(id).toString() == "ANATR")
            anatr = row;
    }
    EXPECT_EQ(n, 91);
    ASSERT_FALSE(anatr.isEmpty());
    EXPECT_EQ(anatr.at(company).toString(), "Ana Trujillo Emparedados y helados");
    EXPECT_EQ(anatr.at(address).toString(), QString::fromUtf8("Avda. de la Constitución 2222"));
    EXPECT_EQ(anatr.at(city).toString(), QString::fromUtf8("México D.F."));
    EXPECT_TRUE(anatr.at(region).isNull());

    bool found = false;
    for (const QVariantList &row : allRows(r, "Orders"))
        found = found || row.contains(QVariant(QString::fromUtf8("Mère Paillarde")));
    EXPECT_TRUE(found);
}

TEST(JetReaderTest, Jet3IntegersDatesYesNoAndMoney)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/nwind.mdb");
    const QList<QVariantList> employees = allRows(r, "Employees");
    ASSERT_EQ(employees.size(), 9);
    const QVariantList &nancy = employees.first();
    EXPECT_EQ(nancy.at(0), QVariant(qlonglong(1)));
    EXPECT_EQ(nancy.at(1).toString(), "Davolio");
    EXPECT_EQ(nancy.at(5).toDateTime(), day(1948, 12, 8));
    EXPECT_EQ(nancy.at(6).toDateTime(), day(1992, 5, 1));
    EXPECT_EQ(nancy.at(16), QVariant(qlonglong(2)));
    // The company's head reports to nobody.
    EXPECT_TRUE(employees.at(1).at(16).isNull());

    const QList<QVariantList> products = allRows(r, "Products");
    ASSERT_EQ(products.size(), 77);
    EXPECT_EQ(products.first().at(1).toString(), "Chai");
    EXPECT_EQ(products.first().at(5).toString(), "18.0000");
    EXPECT_EQ(products.first().at(6), QVariant(qlonglong(39)));
    EXPECT_EQ(products.first().at(9), QVariant(false));
    int discontinued = 0;
    for (const QVariantList &p : products)
        discontinued += p.at(9).toBool() ? 1 : 0;
    EXPECT_EQ(discontinued, 8);
}

TEST(JetReaderTest, Jet3MemoIsReadInFull)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/nwind.mdb");
    const QList<QVariantList> employees = allRows(r, "Employees");
    EXPECT_EQ(employees.at(0).at(15).toString(),
              "Education includes a BA in psychology from Colorado State University in 1970.  She also completed "
              "\"The Art of the Cold Call.\"  Nancy is a member of Toastmasters International.");
    // Longer than any text column.
    const QString andrew = employees.at(1).at(15).toString();
    EXPECT_EQ(andrew.size(), 448);
    EXPECT_TRUE(andrew.startsWith("Andrew received his BTS commercial in 1974"));
    EXPECT_TRUE(andrew.endsWith("and the Pacific Rim Importers Association."));
}

TEST(JetReaderTest, OleObjectIsReadInFullAsStored)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/nwind.mdb");
    const QList<QVariantList> categories = allRows(r, "Categories");
    ASSERT_EQ(categories.size(), 8);
    const QByteArray picture = categories.first().at(3).toByteArray();
    // The field as Access stored it: the OLE object header ("Bitmap Image", class Paint.Picture), the
    // OLE 1 stream that carries the bitmap, and its trailer. The checksums are those of libmdb's own
    // mdb_ole_read_full on the same fields.
    ASSERT_EQ(picture.size(), 10746);
    EXPECT_EQ(md5(picture), "a98253ec45703183b598e5beaf5ac7c6");
    EXPECT_EQ(picture.left(2), QByteArray("\x15\x1c", 2));
    EXPECT_TRUE(picture.mid(20, 12) == "Bitmap Image");
    const int bmp = int(picture.indexOf("BM"));
    ASSERT_EQ(bmp, 78);
    const quint32 bmpSize = quint32(quint8(picture[bmp + 2])) | quint32(quint8(picture[bmp + 3])) << 8
        | quint32(quint8(picture[bmp + 4])) << 16 | quint32(quint8(picture[bmp + 5])) << 24;
    ASSERT_LE(bmp + qsizetype(bmpSize), picture.size());
    const QImage image = QImage::fromData(picture.mid(bmp, bmpSize), "BMP");
    EXPECT_EQ(image.size(), QSize(172, 120));

    // A field that spans several pages.
    const QList<QVariantList> employees = allRows(r, "Employees");
    EXPECT_EQ(employees.at(0).at(14).toByteArray().size(), 21626);
    EXPECT_EQ(md5(employees.at(0).at(14).toByteArray()), "bfc7175746f175a1a18de18840986ba2");
    EXPECT_EQ(employees.at(2).at(14).toByteArray().size(), 21722);
}

TEST(JetReaderTest, OneTableIsReadAtATime)
{
    SKIP_WITHOUT_JET_FILES(folder);
    JetReader r(folder + "/nwind.mdb");
    {
        std::unique_ptr<SourceRowCursor> first = r.rows("Shippers");
        EXPECT_THROW(r.rows("Orders"), CinelogError);
    }
    EXPECT_EQ(allRows(r, "Shippers").size(), 3);
    // A table can be read again from its start.
    EXPECT_EQ(allRows(r, "Shippers").size(), 3);
}

} // namespace
