#pragma once

#include "theory/Worksheet.h"

namespace tonalyst {

// Prints a worksheet to the PDF file its options name, on A4 or Letter: the title with
// the activity and seed, the numbered questions with their staves, several to a page,
// page numbers, and the answer key on its own pages at the end. Everything written is
// text in the PDF, so it can be selected and searched. The file appears whole or not at
// all.
class PdfWorksheetPrinter final : public WorksheetPrinter {
public:
    bool print(const Worksheet& sheet, std::string& error) override;
};

} // namespace tonalyst
