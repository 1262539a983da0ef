#include "export/PaperPrint.h"

#include "export/PrintDocument.h"
#include "export/PrintPages.h"

PrintJob PaperPrintJob(const PrintDocument& document, QPageSize::PageSizeId paper) {
    return {document.title, [paper](QPagedPaintDevice& device) { SetUpPages(device, paper); },
            [&document](QPagedPaintDevice& device, QString* errorString) {
                return PaintPrintDocument(document, device, errorString) > 0;
            }};
}
