#pragma once

#include <QString>

#include <functional>

#include "export/HtmlExport.h"

class Clipboard;
class WordAutomation;

// Builds the reading as a new document of the word processor: the title, the spread picture
// and, per position, the heading, the card line, the card picture and the explanation, as the
// choices say; then saves it under the path that savePath gives right before saving and shows
// the word processor. The pictures are read from tempDir ("1000.bmp", "N.bmp") and pasted
// through the clipboard. Throws AutomationError on the first call that fails or a picture
// that cannot be read; the document is then neither saved nor shown.
void BuildWordDocument(WordAutomation& word, Clipboard& clipboard, const ReadingSnapshot& reading,
                       const CardTitleList& titles, const PrintChoices& choices,
                       const CardTextSource& explanation, const QString& title,
                       const QString& tempDir, const std::function<QString()>& savePath);
