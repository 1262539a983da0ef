#include "export/PdfExport.h"

#include <QBuffer>
#include <QPdfWriter>

#include "export/PrintDocument.h"
#include "export/PrintPages.h"
#include "i18n/FixedTexts.h"

std::optional<QByteArray> PdfBytes(const PrintDocument& document, QPageSize::PageSizeId paper,
                                   QString* errorString) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(document.title);
        writer.setCreator(FixedText::ProgramTitle);
        SetUpPages(writer, paper);
        if (PaintPrintDocument(document, writer, errorString) == 0) return std::nullopt;
    }
    return bytes;
}
