#pragma once

#include "MovieInfoInterface.h"
#include "TmdbMain.h"

// The movie-information source of the TMDb plugin: GET /3/search/movie and
// /3/movie/{id}?append_to_response=credits,release_dates,external_ids, and posters from the image
// server. The requests go through TmdbMain, so the key handling, retries, time-out and size cap
// are those of the cover search.
class TmdbMovieInfo final : public MovieInfoSource
{
public:
    TmdbMovieInfo();

    QString name() const override;
    QString attribution() const override;
    QStringList pictureSizes() const override;
    void configure(const MovieInfo::Settings &settings) override;
    MovieInfo::Status search(const QString &title, const QString &year, QList<MovieInfo::SearchResult> &results) override;
    MovieInfo::Status details(const QString &id, MovieInfo::Details &details) override;
    MovieInfo::Status picture(const QString &posterPath, const QString &size, QByteArray &bytes) override;
    QUrl pictureAddress(const QString &posterPath, const QString &size) const override;
    MovieInfo::Error lastError() const override { return m_error; }
    void cancel() override { m_http.Cancel(); }

    // Reads a search reply / a details reply (public for the fuzz and unit tests of the plugin).
    static QList<MovieInfo::SearchResult> readSearch(const QJsonObject &reply);
    static MovieInfo::Details readDetails(const QJsonObject &reply);

private:
    QUrl apiAddress(const QString &path, QList<QPair<QString, QString>> items) const;
    MovieInfo::Status fetch(const QUrl &address, QJsonObject &json);
    MovieInfo::Status outcome(qint32 status);
    MovieInfo::Status fail(MovieInfo::Status status, const QString &message, int http = 0);

    TmdbMain m_http;
    MovieInfo::Settings m_settings;
    MovieInfo::Error m_error;
};
