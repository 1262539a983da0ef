#pragma once

#include <QStringList>

#include "platform/WordAutomation.h"

// Records every automation call as one line ("InsertAfter title\r\n", "Range(5).Select", ...)
// and keeps the document's text, so positions read from it are those of a real document: the
// text ends with one paragraph mark, CR LF becomes one mark, a picture is one character.
class RecordingWord : public WordAutomation {
public:
    QStringList calls;
    QString text = "\r";
    bool available = true;

    std::unique_ptr<WordApplication> CreateApplication() override {
        calls.append("Create");
        if (!available) throw AutomationError("no word processor");
        return std::make_unique<App>(*this);
    }

private:
    class Range : public WordRange {
    public:
        Range(RecordingWord& w, QString name, int start, int end)
            : w_(w), name_(std::move(name)), start_(start), end_(end) {}
        void InsertAfter(const QString& t) override {
            w_.calls.append(name_ + ".InsertAfter " + t);
            QString added = t;
            added.replace("\r\n", "\r");
            w_.text.insert(w_.text.size() - 1, added);
        }
        QString Text() const override { return w_.text.mid(start_, end_ - start_); }
        void Select() override { w_.calls.append(name_ + ".Select"); }
        void SetFontBold(int v) override { w_.calls.append(name_ + ".Bold " + QString::number(v)); }
        void SetFontSize(int v) override { w_.calls.append(name_ + ".Size " + QString::number(v)); }
        void SetFontColor(int v) override {
            w_.calls.append(name_ + ".Color " + QString::number(v));
        }
        void SetKeepWithNext(bool v) override {
            w_.calls.append(name_ + ".KeepWithNext " + QString::number(v));
        }

    private:
        RecordingWord& w_;
        QString name_;
        int start_;
        int end_;
    };
    class Doc : public WordDocument {
    public:
        explicit Doc(RecordingWord& w) : w_(w) {}
        std::unique_ptr<WordRange> Range() override {
            return std::make_unique<RecordingWord::Range>(w_, "Range", 0, w_.text.size());
        }
        std::unique_ptr<WordRange> Range(int start) override {
            return std::make_unique<RecordingWord::Range>(
                w_, "Range(" + QString::number(start) + ")", start, w_.text.size());
        }
        std::unique_ptr<WordRange> Range(int start, int end) override {
            return std::make_unique<RecordingWord::Range>(
                w_, QString("Range(%1, %2)").arg(start).arg(end), start, end);
        }
        void SaveAs(const QString& path) override { w_.calls.append("SaveAs " + path); }

    private:
        RecordingWord& w_;
    };
    class App : public WordApplication {
    public:
        explicit App(RecordingWord& w) : w_(w), doc_(w) {}
        WordDocument& AddDocument() override {
            w_.calls.append("Documents.Add");
            return doc_;
        }
        void PasteSelection() override {
            w_.calls.append("Selection.Paste");
            w_.text.insert(w_.text.size() - 1, QChar(1));
        }
        void SetVisible(bool v) override { w_.calls.append(v ? "Visible" : "Hidden"); }

    private:
        RecordingWord& w_;
        Doc doc_;
    };
};
