#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

#include "platform/WordAutomation.h"

class Clipboard;
class Shell;

// A document held in memory the way the word processor's automation sees it: characters with
// their formatting, paragraph marks ("\r") and pictures (one character each). It always ends
// with one paragraph mark.
class RtfDocument : public WordDocument {
public:
    struct Format {
        int bold = 0;
        int size = 12;
        int color = 0;
        bool keepWithNext = false;  // of the character's paragraph
        bool operator==(const Format&) const = default;
    };
    struct Character {
        QChar ch;
        Format format;
        int picture = -1;  // index into pictures(), for a picture character
    };
    static constexpr QChar kPictureChar{u'\x01'};

    RtfDocument();

    std::unique_ptr<WordRange> Range() override;
    std::unique_ptr<WordRange> Range(int start) override;
    std::unique_ptr<WordRange> Range(int start, int end) override;
    void SaveAs(const QString& path) override;

    const QList<Character>& characters() const { return characters_; }
    const QList<QImage>& pictures() const { return pictures_; }
    QString text(int start, int end) const;
    void append(const QString& text);
    void format(int start, int end, const std::function<void(Format&)>& change);
    // Keeps every paragraph the characters start .. end touch with the paragraph after it.
    void keepWithNext(int start, int end, bool keep);
    // Puts the picture in place of the characters start .. end, the last paragraph mark kept.
    void insertPicture(int start, int end, const QImage& picture);
    // The document as RTF, pictures embedded as PNG.
    QByteArray ToRtf() const;
    // Where SaveAs last wrote the document; empty before.
    const QString& savedPath() const { return savedPath_; }

    // The selection of the application, set by a range's Select.
    int selectionStart = -1;
    int selectionEnd = -1;

private:
    QList<Character> characters_;
    QList<QImage> pictures_;
    QString savedPath_;
};

// The word processor of this program: its documents are RtfDocuments, saved as RTF whatever
// the file's extension (word processors read RTF by its content); showing it opens the saved
// document with the desktop.
class RtfWordApplication : public WordApplication {
public:
    RtfWordApplication(Clipboard& clipboard, Shell& shell);

    WordDocument& AddDocument() override;
    void PasteSelection() override;
    void SetVisible(bool visible) override;

private:
    Clipboard& clipboard_;
    Shell& shell_;
    std::vector<std::unique_ptr<RtfDocument>> documents_;
};

class RtfWordAutomation : public WordAutomation {
public:
    RtfWordAutomation(Clipboard& clipboard, Shell& shell);

    std::unique_ptr<WordApplication> CreateApplication() override;

private:
    Clipboard& clipboard_;
    Shell& shell_;
};
