// Any bytes as a workbook: the reader gives sheets or a CinelogError, never a crash or a hang.
//   CINELOG_FUZZ_KIND 1: .csv   2: .xlsx or .ods (first byte chooses)   3: .xls
#include "CinelogError.h"
#include "WorkbookReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    QString name = QStringLiteral("book.csv");
    if (CINELOG_FUZZ_KIND == 2) {
        if (size == 0)
            return 0;
        name = data[0] & 1 ? QStringLiteral("book.ods") : QStringLiteral("book.xlsx");
        ++data;
        --size;
    } else if (CINELOG_FUZZ_KIND == 3) {
        name = QStringLiteral("book.xls");
    }
    const QString path = dir.filePath(name);
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    // Limits small enough that a hostile file cannot make one run exhaust the fuzzer's memory.
    WorkbookLimits limits;
    limits.maxCells = 200000;
    limits.maxPartBytes = 2 << 20;
    limits.maxFileBytes = 1 << 20;
    limits.maxSheets = 64;
    try {
        auto reader = openWorkbook(path, limits);
        const QStringList names = reader->worksheetNames();
        for (int i = 0; i < names.size(); ++i) {
            try {
                const SheetData sheet = reader->readSheet(i);
                (void)sheet.headings();
                for (int r = sheet.firstRow(); r <= sheet.GetLastRow() && r < sheet.firstRow() + 50; ++r)
                    for (int c = sheet.firstColumn(); c <= sheet.lastColumn() && c < sheet.firstColumn() + 50; ++c)
                        (void)sheet.cell(r, c);
            } catch (const CinelogError &) {
            }
        }
    } catch (const CinelogError &) {
    }
    return 0;
}
