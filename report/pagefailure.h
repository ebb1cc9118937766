#pragma once

// Where drawing a document's pages on a device stopped, and what that tells the user, for a PDF
// file and for a printer alike.

#include <QString>

#include <optional>

class QPrinter;

namespace orvane {

enum class PageFailure
{
    none,
    start,
    newPage,
    finish
};

// Why a PDF was not written: its pages stopped at `failure`, which is not `none`.
QString pdfFailure(PageFailure failure);

// Why `printer`, as the print dialog left it, cannot take a document; nothing when it can.
std::optional<QString> printerRefusal(const QPrinter &printer);

// Why a document drawn on `printer` did not print: its pages stopped at `failure`, or the printer
// reported an error; nothing when it printed.
std::optional<QString> printerFailure(PageFailure failure, const QPrinter &printer);

} // namespace orvane
