#pragma once

class QPagedPaintDevice;
class QString;

// Prints rich text page by page as QTextDocument::print prints a document
// without a page size of its own: the printer's pages with 2 mm page margins
// when it has none, a body with 2 cm margins on each side, the number of
// each page under its body at the right, the print range chosen in the
// printer. The pages come out the same; the time does not. Any paged device
// takes the text: a printer for paper, a PDF writer for files.
//
// QTextDocument::print copies the document, and the copy is laid out four
// times over: once as the layout is made, once for the margins, once for
// the page size and once more when the pages are counted, since a whole
// document set at once is laid out lazily and a table is laid out again from
// its start when the lazy layout goes on. A document of thousands of table
// rows takes seconds for each. Here the document is made for the printer
// from the start, with its margins and page size set while it is empty, and
// the text goes in as a change that is laid out in one pass.
class DocumentPrinter
{
public:
    // Prints pages `fromPage` to `toPage` of `html` on `device` (all pages
    // when both are 0, as a printer without a chosen range has them); false
    // when the device cannot be painted on.
    static bool print(const QString& html, QPagedPaintDevice& device, int fromPage = 0,
                      int toPage = 0);
};
