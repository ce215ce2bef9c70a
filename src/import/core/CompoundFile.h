#pragma once

#include <QByteArray>
#include <QStringList>

// Reads one stream out of a compound document, the container Office 97-2003 files (an Excel
// workbook among them) are stored in. Everything is read from memory, and every sector number,
// chain and size the file states is checked against the file itself, so a damaged or hostile
// file ends in an answer, never in a read outside the data or an endless chain.
namespace CompoundFile {

enum class Status {
    Ok,
    NotCompound, // not a compound document at all
    Damaged,     // a compound document whose sectors, chains or sizes do not hold together
    NoSuchStream // a sound compound document without any of the streams asked for
};

// Finds the first of names (letter case ignored, in the order given) among the document's streams
// and copies its bytes into *stream.
Status readStream(const QByteArray &file, const QStringList &names, QByteArray *stream);

// Whether the document holds every one of the streams named (Ok when it does, NoSuchStream when
// one is missing), without reading them.
Status hasStreams(const QByteArray &file, const QStringList &names);

}
