// Any bytes as a cover-service reply page, read the way a query reads page 1: the XML check, the
// validity and error nodes, the result counts and every result's fields.
#include <QCoreApplication>
#include <QDomDocument>
#include <QEventLoop>
#include <QHash>
#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QXmlStreamReader>
#include <cmath>
#include <cstdint>
#include <limits>
#include <memory>
#include <new>
#include <stdexcept>

// The reader's steps are private to the plugin's classes; the harness drives them one by one.
#define private public
#define protected public
#include "CoverQuery.cpp"
#include "CoverfetchMain.cpp"
#undef protected
#undef private

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static CoverfetchMain reader;
    reader.m_document.clear();
    reader.m_xmlError = {};
    reader.m_runtimeError = {};
    reader.m_awsError = {};
    reader.m_items.clear();
    reader.setSlotCount(0);
    reader.readDocument(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)), QString());
    if (reader.m_xmlError.errorCode != Coverfetch::XMLParseError::None)
        return 0;
    try {
        if (reader.ValidateQuery() != 200)
            return 0;
        qint32 totalPages = 0;
        if (reader.readTotals(0, totalPages) != 200)
            return 0;
        reader.readResults(1);
        for (qint32 i = 0; i < 12; ++i)
            (void)reader.Item(i);
    } catch (const Coverlib::Failure &) {
    }
    return 0;
}
