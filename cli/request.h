#pragma once

// What the command line is asked to do, read from its arguments and checked before anything is
// written.

#include "core/project.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace orvane {

enum class ResultsFormat
{
    text,
    csv,
    json
};

// The rings and where their results go.
struct Request
{
    std::vector<RingSpec> rings;
    QString projectFile; // where the rings come from, when not from the options
    std::optional<ResultsFormat> results; // standard output, when asked for or nothing else is
    QString reportFile; // the report pages, when not empty
    QString templateFile; // the full-size templates, when not empty
};

// The arguments read: a request to carry out, a text to show (help or version), or the problems
// that refuse the arguments, one message each.
struct RequestReading
{
    enum class Outcome
    {
        run,
        show,
        refuse
    };
    Outcome outcome = Outcome::refuse;
    Request request;
    QString shown;
    QStringList problems;
};

// Reads the program's `arguments` (the first is the program itself). Reads the project file if
// there is one, and writes nothing.
RequestReading readRequest(const QStringList &arguments);

} // namespace orvane
