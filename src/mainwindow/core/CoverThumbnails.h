#pragma once

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QSet>
#include <QSize>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

// Thumbnails of the movies' covers kept for drawing: at most a given number of bytes of pictures,
// the least recently used dropped first. A movie whose cover is missing or does not decode is kept
// as a null image, so it is not read again.
class ThumbnailCache
{
public:
    struct Thumb {
        QImage image; // null: no picture to show
        QSize box;    // the box (device pixels) it was made for
    };
    explicit ThumbnailCache(qint64 limitBytes = DefaultLimitBytes);

    static constexpr qint64 DefaultLimitBytes = 64 * 1024 * 1024;

    void setLimitBytes(qint64 bytes);
    qint64 limitBytes() const { return qint64(m_cache.maxCost()) * 1024; }
    // The pictures' bytes held now.
    qint64 bytesUsed() const { return qint64(m_cache.totalCost()) * 1024; }
    int count() const { return int(m_cache.count()); }

    // The movie's thumbnail, or nullptr when none is held; marks it as just used.
    const Thumb *find(int movieId) const { return m_cache.object(movieId); }
    bool contains(int movieId) const { return m_cache.contains(movieId); }
    void insert(int movieId, const QImage &image, const QSize &box);
    void remove(int movieId) { m_cache.remove(movieId); }
    void clear() { m_cache.clear(); }

private:
    // Costs are kibibytes, so that the limit fits the cache's int.
    mutable QCache<int, Thumb> m_cache;
};

// Reads covers from the catalogue and scales them to thumbnails on threads of its own, each with its
// own read-only connection and one short read transaction per cover, so the window never waits for
// a picture and other programs can keep saving. The most recent requests are served first; when
// requests pile up (fast scrolling) the oldest are dropped and asked for again when they are shown.
class CoverThumbnailer : public QObject
{
    Q_OBJECT
public:
    explicit CoverThumbnailer(int threads = 2, QObject *parent = nullptr);
    ~CoverThumbnailer() override;

    // The catalogue file to read (empty: none). Requests for another file are dropped.
    void setCatalogue(const QString &path);
    // Asks for the movie's thumbnail fitting box (device pixels); a movie already asked for is not
    // asked for again until its answer came (or it was dropped or forgotten).
    void request(int movieId, const QSize &box);
    bool isPending(int movieId) const { return m_pending.contains(movieId); }
    int pendingCount() const { return int(m_pending.size()); }
    // Drops every request not yet served; answers to them are ignored.
    void cancelAll();
    // The movie's cover changed: an answer already under way for it is ignored.
    void forget(int movieId);

    // Requests waiting at most; older ones are dropped beyond this.
    static constexpr int MaxQueued = 400;

    // The cover picture in bytes as a thumbnail that fits box, keeping its shape; a null image when
    // the bytes are not a picture. Some stored covers end with one zero byte after the picture data.
    static QImage decodeThumbnail(const QByteArray &bytes, const QSize &box);

signals:
    // image is null when the movie has no cover or its cover does not decode.
    void thumbnailReady(int movieId, const QSize &box, const QImage &image);

private:
    struct Job {
        int movieId;
        QSize box;
        quint64 seq;
        quint64 generation;
    };
    void work();
    void deliver(const Job &job, const QImage &image);

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<Job> m_jobs;
    bool m_stop = false;
    QString m_path;           // guarded by m_mutex
    quint64 m_generation = 0; // guarded by m_mutex; changes with the file and with cancelAll()
    std::vector<std::thread> m_threads;

    // GUI thread only.
    QSet<int> m_pending;
    QHash<int, quint64> m_forgottenAt;
    quint64 m_seq = 0;
};
