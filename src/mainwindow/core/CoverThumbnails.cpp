#include "CoverThumbnails.h"

#include "CinelogError.h"
#include "ReadConnection.h"

#include <QBuffer>
#include <QImageReader>
#include <QMetaObject>
#include <memory>

ThumbnailCache::ThumbnailCache(qint64 limitBytes)
{
    setLimitBytes(limitBytes);
}

void ThumbnailCache::setLimitBytes(qint64 bytes)
{
    m_cache.setMaxCost(qsizetype(std::max<qint64>(1, bytes / 1024)));
}

void ThumbnailCache::insert(int movieId, const QImage &image, const QSize &box)
{
    // A movie without a picture costs little but is still counted, so a huge list of them is bounded.
    const qint64 cost = 1 + image.sizeInBytes() / 1024;
    m_cache.insert(movieId, new Thumb{image, box}, qsizetype(cost));
}

CoverThumbnailer::CoverThumbnailer(int threads, QObject *parent) : QObject(parent)
{
    for (int i = 0; i < std::max(1, threads); ++i)
        m_threads.emplace_back([this] { work(); });
}

CoverThumbnailer::~CoverThumbnailer()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_jobs.clear();
    }
    m_wake.notify_all();
    for (std::thread &t : m_threads)
        t.join();
}

void CoverThumbnailer::setCatalogue(const QString &path)
{
    {
        std::lock_guard lock(m_mutex);
        if (path == m_path)
            return;
        m_path = path;
        ++m_generation;
        m_jobs.clear();
    }
    m_pending.clear();
    m_forgottenAt.clear();
}

void CoverThumbnailer::cancelAll()
{
    {
        std::lock_guard lock(m_mutex);
        ++m_generation;
        m_jobs.clear();
    }
    m_pending.clear();
    m_forgottenAt.clear();
}

void CoverThumbnailer::forget(int movieId)
{
    m_pending.remove(movieId);
    m_forgottenAt.insert(movieId, m_seq);
}

void CoverThumbnailer::request(int movieId, const QSize &box)
{
    if (m_pending.contains(movieId))
        return;
    std::vector<int> dropped;
    {
        std::lock_guard lock(m_mutex);
        if (m_path.isEmpty())
            return;
        m_jobs.push_back(Job{movieId, box, ++m_seq, m_generation});
        while (m_jobs.size() > size_t(MaxQueued)) {
            dropped.push_back(m_jobs.front().movieId);
            m_jobs.pop_front();
        }
    }
    m_pending.insert(movieId);
    for (int id : dropped)
        m_pending.remove(id);
    m_wake.notify_one();
}

void CoverThumbnailer::work()
{
    std::unique_ptr<ReadConnection> db;
    std::unique_ptr<ReadConnection::Statement> read;
    quint64 dbGeneration = 0;
    QString dbPath;
    for (;;) {
        Job job;
        QString path;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
            if (m_stop)
                break;
            // Newest first: what is on screen now.
            job = m_jobs.back();
            m_jobs.pop_back();
            if (job.generation != m_generation)
                continue;
            path = m_path;
        }
        if (!db || path != dbPath || job.generation != dbGeneration) {
            read.reset();
            db.reset();
            try {
                db = std::make_unique<ReadConnection>(path);
                read = std::make_unique<ReadConnection::Statement>(*db, "SELECT CoverData FROM Movies WHERE ID = ?");
                dbPath = path;
                dbGeneration = job.generation;
            } catch (const CinelogError &) {
                read.reset();
                db.reset();
                deliver(job, QImage());
                continue;
            }
        }
        QByteArray bytes;
        try {
            read->bind(1, job.movieId);
            if (read->next())
                bytes = read->bytes(0);
            read->reset(); // ends the read transaction before the picture is decoded
        } catch (const CinelogError &) {
            read->reset();
            // Busy past the wait, or the file went away: the next request for it tries again.
            QMetaObject::invokeMethod(this, [this, job] {
                if (job.seq > m_forgottenAt.value(job.movieId, 0))
                    m_pending.remove(job.movieId);
            }, Qt::QueuedConnection);
            continue;
        }
        deliver(job, decodeThumbnail(bytes, job.box));
    }
    read.reset();
    db.reset();
}

void CoverThumbnailer::deliver(const Job &job, const QImage &image)
{
    QMetaObject::invokeMethod(this, [this, job, image] {
        {
            std::lock_guard lock(m_mutex);
            if (job.generation != m_generation)
                return;
        }
        if (job.seq <= m_forgottenAt.value(job.movieId, 0))
            return;
        m_pending.remove(job.movieId);
        emit thumbnailReady(job.movieId, job.box, image);
    }, Qt::QueuedConnection);
}

namespace {

QImage decodeScaled(const QByteArray &bytes, const QSize &box)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    // A cover is one picture of sensible size; refuse absurd dimensions before decoding.
    reader.setAllocationLimit(256);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > box.width() || full.height() > box.height()))
        reader.setScaledSize(full.scaled(box, Qt::KeepAspectRatio).expandedTo(QSize(1, 1)));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return QImage();
    if (image.width() > box.width() || image.height() > box.height())
        image = image.scaled(box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

} // namespace

QImage CoverThumbnailer::decodeThumbnail(const QByteArray &bytes, const QSize &box)
{
    if (bytes.isEmpty() || box.isEmpty())
        return QImage();
    QImage image = decodeScaled(bytes, box);
    if (image.isNull() && bytes.endsWith('\0'))
        image = decodeScaled(bytes.chopped(1), box);
    return image;
}
