#pragma once

#include <QString>
#include <optional>
#include <vector>

// A word that pdftotext finds on a printed page, with its box in points from the sheet's top-left.
struct PdfWord
{
    int page = 0;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
    QString text;
};

struct PdfText
{
    QString title; // the document's name, which a print job carries
    int pageCount = 0;
    std::vector<PdfWord> words;
};

// Reads a PDF back with `pdftotext -bbox`; nothing when the tool is missing or fails.
std::optional<PdfText> readPdfText(const QString& path);
