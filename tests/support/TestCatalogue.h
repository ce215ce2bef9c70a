#pragma once

// The temporary catalogue every test builds on: made as the program makes a new catalogue and opened
// as the program opens one, so a test sees the layout, indexes and triggers a user's file has.

#include "AppContext.h"
#include "Catalogue.h"
#include "CatalogueFile.h"
#include "CinelogError.h"
#include "ScriptedPrompts.h"

#include <QDir>
#include <QString>
#include <cstdio>
#include <memory>
#include <stdexcept>

// Makes a new, empty catalogue file as the program does; false (with the reason printed) when it
// could not be made. For tests whose subject is not catalogue creation itself.
inline bool createCatalogue(const QString &path)
{
    try {
        CatalogueFile::create(path);
        return true;
    } catch (const CinelogError &e) {
        std::fprintf(stderr, "creating %s failed: %s\n", qPrintable(path), e.what());
        return false;
    }
}

// Makes a new catalogue at path and opens it in cat; false (with the reason printed) when either
// step failed.
inline bool openNewCatalogue(Catalogue &cat, const QString &path)
{
    if (!createCatalogue(path))
        return false;
    const OpenResult r = cat.open(path);
    if (!r.opened()) {
        std::fprintf(stderr, "opening %s failed: %s\n", qPrintable(path),
                     r.error ? qPrintable(r.error->description()) : "no reason given");
        return false;
    }
    return true;
}

// A new catalogue "test.cnlg" in folder, opened; throws std::runtime_error (with what the prompts
// showed) when that fails, for fixtures that cannot stop the test themselves.
inline std::unique_ptr<Catalogue> openTempCatalogue(AppContext &ctx, const QString &folder)
{
    auto cat = std::make_unique<Catalogue>();
    if (!openNewCatalogue(*cat, QDir(folder).filePath(QStringLiteral("test.cnlg")))) {
        QString why;
        if (auto *scripted = dynamic_cast<ScriptedPrompts *>(&ctx.prompts()))
            why = scripted->messages().join(QLatin1Char(' '));
        throw std::runtime_error(("DBConn failed: " + why).toStdString());
    }
    return cat;
}

// Adds a movie row with the fields most tests need; returns its ID.
inline int addMovie(Catalogue &cat, const QString &title, const QString &director = QString(), const QString &numDiscs = QString())
{
    return cat
        .exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director, NumDiscs) VALUES (?, ?, ?, ?)"),
              {title, title, NullIfEmpty(director), NullIfEmpty(numDiscs)})
        .lastInsertId()
        .toInt();
}
