#pragma once

#include "worksheet/Worksheet.h"

namespace tonalyst {

// Prints a worksheet to the PDF file its options name, on A4 or Letter, ready to hand
// out: the title, lines for name, class and date, what to do, the numbered questions with
// their staves and answer lines, several to a page, page numbers, and the answer key with
// the seed on its own pages at the end. Everything written is text in the PDF, so it can
// be selected and searched. The file appears whole or not at all.
class PdfWorksheetPrinter final : public WorksheetPrinter {
public:
    bool print(const Worksheet& sheet, std::string& error) override;
};

} // namespace tonalyst
