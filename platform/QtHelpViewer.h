#pragma once

#include <QPointer>

#include "platform/HelpViewer.h"

class QTextBrowser;

// The help window: one text browser window per owner, reused while it lives.
class QtHelpViewer : public HelpViewer {
public:
    bool showContents(QWidget* owner, const QString& helpFile) override;
    void followLanguage(const QString& helpFile) override;

private:
    QPointer<QTextBrowser> browser_;
};
