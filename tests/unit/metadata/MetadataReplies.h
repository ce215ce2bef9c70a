#pragma once

// Replies of a movie-information service written for the tests (TMDb's shapes, not copies of its
// data) and a small picture to serve as a poster.

#include "LocalHttpServer.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>

namespace metadata_test {

inline const QString ApiKey = QStringLiteral("0123456789abcdef0123456789abcdef");

inline LocalHttpServer::Reply json(const QJsonObject &o, int status = 200)
{
    return LocalHttpServer::Reply::text(QJsonDocument(o).toJson(QJsonDocument::Compact), status, "application/json;charset=utf-8");
}

inline QJsonObject result(int id, const QString &title, const QString &date, const QString &poster = {})
{
    QJsonObject o{{QStringLiteral("id"), id}, {QStringLiteral("title"), title}, {QStringLiteral("original_title"), title},
                  {QStringLiteral("release_date"), date}, {QStringLiteral("overview"), QStringLiteral("About ") + title}};
    o.insert(QStringLiteral("poster_path"), poster.isEmpty() ? QJsonValue() : QJsonValue(poster));
    return o;
}

inline QJsonObject searchReply(const QList<QJsonObject> &results)
{
    QJsonArray list;
    for (const QJsonObject &r : results)
        list.append(r);
    return {{QStringLiteral("page"), 1}, {QStringLiteral("results"), list},
            {QStringLiteral("total_pages"), 1}, {QStringLiteral("total_results"), int(results.size())}};
}

struct Person
{
    QString name;
    QString character;
};

// A details reply with credits, release dates and external IDs appended.
inline QJsonObject detailsReply(int id, const QString &title, const QString &date, int runtime, const QStringList &genres,
                                const QString &director, const QList<Person> &cast,
                                const QList<std::pair<QString, QString>> &certifications, const QString &imdb,
                                const QString &poster = QStringLiteral("/poster.jpg"))
{
    QJsonArray g;
    for (int i = 0; i < genres.size(); ++i)
        g.append(QJsonObject{{QStringLiteral("id"), 100 + i}, {QStringLiteral("name"), genres[i]}});
    QJsonArray castList;
    // Listed out of billing order: the order field counts.
    for (int i = int(cast.size()) - 1; i >= 0; --i)
        castList.append(QJsonObject{{QStringLiteral("name"), cast[i].name}, {QStringLiteral("character"), cast[i].character},
                                    {QStringLiteral("order"), i}});
    QJsonArray crew{QJsonObject{{QStringLiteral("name"), QStringLiteral("Some Producer")}, {QStringLiteral("job"), QStringLiteral("Producer")}}};
    if (!director.isEmpty())
        crew.append(QJsonObject{{QStringLiteral("name"), director}, {QStringLiteral("job"), QStringLiteral("Director")}});
    QJsonArray countries;
    for (const auto &[country, cert] : certifications)
        countries.append(QJsonObject{
            {QStringLiteral("iso_3166_1"), country},
            {QStringLiteral("release_dates"),
             QJsonArray{QJsonObject{{QStringLiteral("certification"), QString()}, {QStringLiteral("type"), 1}},
                        QJsonObject{{QStringLiteral("certification"), cert}, {QStringLiteral("type"), 3}}}}});
    return {{QStringLiteral("id"), id},
            {QStringLiteral("title"), title},
            {QStringLiteral("original_title"), title},
            {QStringLiteral("release_date"), date},
            {QStringLiteral("runtime"), runtime},
            {QStringLiteral("genres"), g},
            {QStringLiteral("poster_path"), poster.isEmpty() ? QJsonValue() : QJsonValue(poster)},
            {QStringLiteral("credits"), QJsonObject{{QStringLiteral("cast"), castList}, {QStringLiteral("crew"), crew}}},
            {QStringLiteral("release_dates"), QJsonObject{{QStringLiteral("results"), countries}}},
            {QStringLiteral("external_ids"), QJsonObject{{QStringLiteral("imdb_id"), imdb.isEmpty() ? QJsonValue() : QJsonValue(imdb)}}}};
}

inline QByteArray pngBytes(QColor color = Qt::red)
{
    QImage image(20, 30, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace metadata_test
