#pragma once

#include "CatalogueFile.h"
#include "AppContext.h"
#include "Catalogue.h"
#include "ScriptedPrompts.h"
#include "Schema.h"

#include <QSqlError>

#include <QDir>
#include <QString>
#include <memory>
#include <stdexcept>

// A new, empty catalogue file in the context's temporary folder, opened and checked as the program
// opens one.
inline std::unique_ptr<Catalogue> openTempCatalogue(AppContext &ctx, const QString &folder)
{
    // The tables are made straight from the schema, in their full layout; opening then checks the
    // file as the program does with any catalogue.
    QString path = QDir(folder).filePath(QStringLiteral("test.cnlg"));
    {
        const QString name = QStringLiteral("tempCatalogueSetup");
        {
            QSqlDatabase db = CatalogueFile::openConnection(path, name, true);
            for (const QString &table : Schema::tables()) {
                QSqlQuery q(db);
                if (!q.exec(Schema::createTableStatement(table, true)))
                    throw std::runtime_error(q.lastError().text().toStdString());
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name);
    }
    auto cat = std::make_unique<Catalogue>();
    if (!cat->open(path).opened()) {
        QString why;
        if (auto *scripted = dynamic_cast<ScriptedPrompts *>(&ctx.prompts()))
            why = scripted->messages().join(QLatin1Char(' '));
        throw std::runtime_error(("DBConn failed: " + why).toStdString());
    }
    return cat;
}

inline int addMovie(Catalogue &cat, const QString &title, const QString &director = QString(), const QString &numDiscs = QString())
{
    return cat
        .exec(QStringLiteral("INSERT INTO Movies (Title, OrderBy, Director, NumDiscs) VALUES (?, ?, ?, ?)"),
              {title, title, NullIfEmpty(director), NullIfEmpty(numDiscs)})
        .lastInsertId()
        .toInt();
}
