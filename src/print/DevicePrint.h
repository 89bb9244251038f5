#pragma once

#include "DevicePage.h"

#include <vector>

class QPrinter;

namespace shell {

// Device units are 1/300 inch, or finer when the chosen paper's printable area is too small for the
// pages, so that no line is cut. Text is drawn in the device page font, sized in device units.

// The pages as one document. False when the printer fails; the print-out then ends where it was.
bool printDocument(QPrinter& printer, const std::vector<DevicePage>& pages);

// Each page as a print job of its own, named after the printer's document name and the page ("…, page 2 of
// 3"), stopping at the first that fails. Output to a file gets the pages as one document instead, under the
// document name, since every job would overwrite the file.
bool printJobs(QPrinter& printer, const std::vector<DevicePage>& pages);

} // namespace shell
