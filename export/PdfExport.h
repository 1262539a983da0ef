#pragma once

#include <QByteArray>
#include <QPageSize>
#include <QString>

#include <optional>

struct PrintDocument;

// The document as the bytes of a PDF file on pages of the paper size, its fonts embedded and
// its pictures at their own resolution. Nothing, with the reason, when it cannot be made.
std::optional<QByteArray> PdfBytes(const PrintDocument& document, QPageSize::PageSizeId paper,
                                   QString* errorString = nullptr);
