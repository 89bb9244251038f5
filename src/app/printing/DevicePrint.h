#pragma once

#include "printing/DevicePage.h"

#include <vector>

class QPrinter;

namespace app {

// Device units are 1/300 inch, or finer when the chosen paper's printable area is too small for the
// pages, so that no line is cut. Text is drawn in the device page font, sized in device units. A printer that
// fails raises an error, which ends the print-out where it was.

// The pages as one document.
void printDocument(QPrinter& printer, const std::vector<DevicePage>& pages);

// Each page as a print job of its own, named after the printer's document name and the page ("…, page 2 of
// 3"), up to the first that fails; the jobs sent before it stay printed. Output to a file gets the pages as
// one document instead, under the document name, since every job would overwrite the file.
void printJobs(QPrinter& printer, const std::vector<DevicePage>& pages);

} // namespace app
