#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace app {

// What the text stream needs to know about its font, in device pixels.
struct TextStreamMetrics
{
    int lineHeight = 0;
    int averageCharWidth = 0;
    // Width of a run of text as it is drawn in one piece.
    std::function<int(const QString&)> width;
};

// A run of text with the top-left corner it is drawn at, relative to the printable area.
struct PlacedText
{
    int x = 0;
    int top = 0;
    QString text;

    bool operator==(const PlacedText&) const = default;
};

using PrintedPage = std::vector<PlacedText>;

// Lays text lines out the way a plain-text printer stream does: each line end moves down by the line
// height plus 2 (an empty line by the line height alone), a new page starts when less than two line
// heights remain below, a line wider than the page breaks at the last character that fits, and a tab
// moves to the next multiple of eight average character widths. Lines that start no page produce no
// page: no lines, no pages.
std::vector<PrintedPage> layoutTextStream(const QStringList& lines, const TextStreamMetrics& metrics, QSize page);

} // namespace app
