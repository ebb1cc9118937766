#pragma once

// What the command line is asked to do, read from its arguments and checked before anything is
// written.

#include "core/vessel.h"

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
    // The rings, from the options or a project file, with the project's name, units and kerf.
    Vessel vessel;
    QString projectFile; // where the rings come from, when not from the options
    bool vesselFile = false; // the project file is a vessel's (JSON), not a CSV
    std::optional<ResultsFormat> results; // standard output, when asked for or nothing else is
    QString reportFile; // the report pages, when not empty
    QString templateFile; // the full-size templates, when not empty
    QString cutListFile; // the vessel's cut list, when not empty
    QString gaugeFile; // the vessel's profile gauge, when not empty
    QString saveFile; // the rings as a project file, when not empty
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
