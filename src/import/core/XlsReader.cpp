#include "CinelogError.h"
#include "WorkbookBackends.h"
#include "WorkbookCellText.h"

#include <QFile>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <freexl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// libfreexl (1.0.6) reads past its buffers on some damaged files, far enough to crash the program.
// So the file is first read in full by a child process: only when the child comes through is the
// file read here. Sheets over the size limit are left out, as readSheet refuses them.
bool readsWithoutCrashing(const QByteArray &nativePath, const WorkbookLimits &limits)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return true; // no child to try it in: read it as before
    if (pid == 0) {
        const void *h = nullptr;
        unsigned int count = 0;
        if (freexl_open(nativePath.constData(), &h) == FREEXL_OK && freexl_get_info(h, FREEXL_BIFF_SHEET_COUNT, &count) == FREEXL_OK
            && count <= unsigned(limits.maxSheets)) {
            for (unsigned int i = 0; i < count; ++i) {
                const char *name = nullptr;
                unsigned int rows = 0;
                unsigned short columns = 0;
                if (freexl_get_worksheet_name(h, (unsigned short)i, &name) != FREEXL_OK
                    || freexl_select_active_worksheet(h, (unsigned short)i) != FREEXL_OK
                    || freexl_worksheet_dimensions(h, &rows, &columns) != FREEXL_OK || qint64(rows) * columns > limits.maxCells * 4)
                    continue;
                for (unsigned int r = 0; r < rows; ++r)
                    for (unsigned short c = 0; c < columns; ++c) {
                        FreeXL_CellValue v;
                        freexl_get_cell_value(h, r, c, &v);
                    }
            }
        }
        if (h)
            freexl_close(h);
        ::_exit(0);
    }
    int status = 0;
    // A child that hangs counts as a failure too.
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        const pid_t done = ::waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if ((done < 0 && errno != EINTR) || clock.elapsed() > 120000) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return false;
        }
        QThread::msleep(clock.elapsed() < 200 ? 1 : 10);
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

QString freexlError(int code)
{
    switch (code) {
    case FREEXL_INSUFFICIENT_MEMORY:
        return QStringLiteral("is too large to read.");
    case FREEXL_INVALID_CFBF_HEADER:
    case FREEXL_CFBF_INVALID_SIGNATURE:
        return QStringLiteral("is not an Excel 97-2003 workbook (.xls).");
    default:
        return QStringLiteral("cannot be read: it is damaged or not an Excel workbook (error %1).").arg(code);
    }
}

class XlsReader : public WorkbookReader
{
public:
    XlsReader(const QString &path, const WorkbookLimits &limits) : WorkbookReader(path, limits)
    {
        if (QFileInfo(path).size() > limits.maxFileBytes)
            throw CinelogError(ErrorNumber::Overflow, workbookMessage(path, QStringLiteral("is too large to import.")));
        const QByteArray native = QFile::encodeName(path);
        if (!readsWithoutCrashing(native, limits))
            throw CinelogError(ErrorNumber::InvalidProcedureCall,
                               workbookMessage(path, QStringLiteral("cannot be read: it is damaged or not an Excel workbook.")));
        const int rc = freexl_open(native.constData(), &m_handle.h);
        if (rc != FREEXL_OK)
            fail(rc);
        unsigned int count = 0;
        if (freexl_get_info(m_handle, FREEXL_BIFF_SHEET_COUNT, &count) != FREEXL_OK)
            fail(FREEXL_INVALID_HANDLE);
        if (count > unsigned(limits.maxSheets))
            throw CinelogError(ErrorNumber::Overflow, workbookMessage(path, QStringLiteral("has too many worksheets.")));
        for (unsigned int i = 0; i < count; ++i) {
            const char *name = nullptr;
            const int r = freexl_get_worksheet_name(m_handle, (unsigned short)i, &name);
            if (r != FREEXL_OK)
                fail(r);
            m_names << QString::fromUtf8(name ? name : "");
        }
    }

    QStringList worksheetNames() const override { return m_names; }

    SheetData readSheet(int index) override
    {
        checkIndex(index);
        int rc = freexl_select_active_worksheet(m_handle, (unsigned short)index);
        if (rc != FREEXL_OK)
            fail(rc);
        unsigned int rows = 0;
        unsigned short columns = 0;
        rc = freexl_worksheet_dimensions(m_handle, &rows, &columns);
        if (rc != FREEXL_OK)
            fail(rc);
        SheetData sheet(m_names.at(index), m_limits, m_path);
        if (qint64(rows) * columns > m_limits.maxCells * 4)
            throw CinelogError(ErrorNumber::Overflow,
                               workbookMessage(m_path, QStringLiteral("claims %1 rows by %2 columns in “%3”, more than can be imported.")
                                                           .arg(rows)
                                                           .arg(columns)
                                                           .arg(sheet.name())));
        for (unsigned int r = 0; r < rows; ++r) {
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue v;
                rc = freexl_get_cell_value(m_handle, r, c, &v);
                if (rc != FREEXL_OK)
                    fail(rc);
                sheet.setCell(qint64(r) + 1, qint64(c) + 1, text(v));
            }
        }
        return sheet;
    }

private:
    static QString text(const FreeXL_CellValue &v)
    {
        switch (v.type) {
        case FREEXL_CELL_INT:
            return QString::number(v.value.int_value);
        case FREEXL_CELL_DOUBLE:
            return CellText::number(v.value.double_value);
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT:
            return QString::fromUtf8(v.value.text_value ? v.value.text_value : "");
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_TIME:
            return QString::fromLatin1(v.value.text_value ? v.value.text_value : "");
        case FREEXL_CELL_DATETIME: {
            const QString s = QString::fromLatin1(v.value.text_value ? v.value.text_value : "");
            // Midnight is a plain date, as the other kinds of workbook show it.
            return s.endsWith(QLatin1String(" 00:00:00")) ? s.left(10) : s;
        }
        default:
            return QString();
        }
    }

    [[noreturn]] void fail(int code) const
    {
        throw CinelogError(ErrorNumber::InvalidProcedureCall, workbookMessage(m_path, freexlError(code)));
    }

    // Closed even when the constructor fails: the library wants that after a failed open too.
    struct Handle {
        const void *h = nullptr;
        Handle() = default;
        Handle(const Handle &) = delete;
        ~Handle()
        {
            if (h)
                freexl_close(h);
        }
        operator const void *() const { return h; }
    } m_handle;
    QStringList m_names;
};

}

std::unique_ptr<WorkbookReader> openXlsWorkbook(const QString &path, const WorkbookLimits &limits)
{
    return std::make_unique<XlsReader>(path, limits);
}
