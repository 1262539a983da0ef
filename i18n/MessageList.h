#pragma once

#include <QString>
#include <QStringList>

// The texts of the user interface, addressed by index (language message N is entry N).
class MessageList {
public:
    // Before a language is read the list holds 126 empty entries.
    MessageList() : entries_(126) {}

    // Entry index, or empty text past the end of the list.
    QString operator[](int index) const { return entries_.value(index); }
    int size() const { return static_cast<int>(entries_.size()); }
    void replace(QStringList entries) { entries_ = std::move(entries); }

private:
    QStringList entries_;
};
