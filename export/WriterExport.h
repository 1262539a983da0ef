#pragma once

#include <QSize>
#include <QString>
#include <QVariant>

#include <functional>

#include "export/HtmlExport.h"
#include "platform/OfficeAutomation.h"

// A UNO "com.sun.star.beans.PropertyValue" with the name and value, made through the office's
// reflection.
OfficeObjectPtr ooCreateValue(const QString& name, const QVariant& value, OfficeObject& sm);

// A picture's size in hundredths of a millimetre from its pixels at the screen's pixels per
// inch, in whole numbers, truncated (480 x 300 pixels at 96 give 12694 x 7933).
QSize PictureSizeInHundredthsOfMm(QSize pixels, int pixelsPerInch);

// The file URL of a local path, its spaces and other characters encoded.
QString FileUrl(const QString& path);

// Builds the reading as a Writer document in a hidden window: the title, the spread picture
// and, per position, the heading, the card line, the card picture and the explanation, as the
// choices say; stores it under the path that savePath gives right before storing, closes it
// and opens the stored file again in a visible window. The pictures are linked from tempDir
// ("1000.bmp", "N.bmp") and sized for pixelsPerInch. Throws AutomationError on the first call
// that fails or a picture that cannot be read; the office is then stopped. Throws
// DocumentNotShown when the document was stored but no office window shows it. Every office
// object is released before this returns.
void BuildWriterDocument(OfficeAutomation& office, const ReadingSnapshot& reading,
                         const CardTitleList& titles, const PrintChoices& choices,
                         const CardTextSource& explanation, const QString& title,
                         const QString& tempDir, int pixelsPerInch,
                         const std::function<QString()>& savePath);
