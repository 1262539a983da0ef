#pragma once

#include <QString>

#include <memory>
#include <stdexcept>

// A failed call on a word processor's automation object.
class AutomationError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The document was written, but no program could show it.
class DocumentNotShown : public AutomationError {
public:
    explicit DocumentNotShown(const QString& document)
        : AutomationError("no program could open " + document.toStdString()), path(document) {}
    QString path;
};

// A stretch of a document, as Word's automation names it. Character positions count from 0;
// the document's text always ends with one paragraph mark ("\r").
class WordRange {
public:
    virtual ~WordRange() = default;

    // Appends the text at the end of the document; CR LF (or a lone CR or LF) ends a paragraph.
    virtual void InsertAfter(const QString& text) = 0;
    // The text of the range; a picture counts as one character.
    virtual QString Text() const = 0;
    // Makes the range the application's selection.
    virtual void Select() = 0;
    // Character formatting of the range: bold 1 or 0, size in points, colour as
    // red + 256 x green + 65536 x blue.
    virtual void SetFontBold(int bold) = 0;
    virtual void SetFontSize(int points) = 0;
    virtual void SetFontColor(int color) = 0;
    // ParagraphFormat.KeepWithNext: every paragraph the range touches stays on the page of the
    // paragraph after it.
    virtual void SetKeepWithNext(bool keep) = 0;
};

// A document of the word processor.
class WordDocument {
public:
    virtual ~WordDocument() = default;

    // The whole document.
    virtual std::unique_ptr<WordRange> Range() = 0;
    // From start to the end of the document.
    virtual std::unique_ptr<WordRange> Range(int start) = 0;
    virtual std::unique_ptr<WordRange> Range(int start, int end) = 0;
    // Writes the document to the path; AutomationError when it cannot.
    virtual void SaveAs(const QString& path) = 0;
};

// The word processor's application object ("word.application").
class WordApplication {
public:
    virtual ~WordApplication() = default;

    // Documents.Add: a new empty document, owned by the application.
    virtual WordDocument& AddDocument() = 0;
    // Selection.Paste: the clipboard's picture replaces the selection; AutomationError when the
    // clipboard holds no picture or nothing is selected.
    virtual void PasteSelection() = 0;
    // Visible: shows the application with its documents; DocumentNotShown when it cannot.
    virtual void SetVisible(bool visible) = 0;
};

// Creates the application object; AutomationError when the word processor is not available.
class WordAutomation {
public:
    virtual ~WordAutomation() = default;

    virtual std::unique_ptr<WordApplication> CreateApplication() = 0;
};
