#pragma once

#include "WorkbookReader.h"

// The back-ends behind openWorkbook, one per file kind.
std::unique_ptr<WorkbookReader> openXlsxWorkbook(const QString &path, const WorkbookLimits &limits);
std::unique_ptr<WorkbookReader> openOdsWorkbook(const QString &path, const WorkbookLimits &limits);
std::unique_ptr<WorkbookReader> openXlsWorkbook(const QString &path, const WorkbookLimits &limits);
std::unique_ptr<WorkbookReader> openCsvWorkbook(const QString &path, const WorkbookLimits &limits);

// "The workbook “name” ..." prefix shared by the messages of every back-end.
LoggedText workbookMessage(const QString &path, const LoggedText &what);

// What every back-end says of a workbook protected with a password (after the "The workbook" prefix).
LoggedText passwordProtectedText();
