#pragma once

// Watches the window's input boxes. Each write of the segment count, a diameter or the fudge
// factor runs one recalculation; the log keeps, for each, the inputs it read and the captions it
// left, taken as soon as it has run. Writes of the board thickness are counted on their own.

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

class WindowDriver;

class RecalculationLog : public QObject
{
    Q_OBJECT

public:
    struct Entry
    {
        QMap<QString, QString> inputs; // the five input boxes
        QMap<QString, QString> captions; // the nine result fields
    };

    // Attach after the window is built, so that the window's own handling of a write runs first.
    explicit RecalculationLog(const WindowDriver &driver);

    QList<Entry> entries;
    int thicknessWrites = 0;

    int recalculations() const { return int(entries.size()); }
    // The outer and inner diameter each recalculation saw, as "outer/inner".
    QStringList diameters() const;
    void clear();

private:
    const WindowDriver &driver;
};
