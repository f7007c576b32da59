#pragma once

#include <QString>

// The messages of the controller link: plain boxes without a parent window,
// all under one title, shown through the dialog seam.
class LinkMessages
{
public:
    static QString title();
    static QString linkFailure();
    static QString versionMismatch();
    static QString noDocumentFromController();

    // The titles and texts of the commands that read and write the
    // controller's document.
    static QString readTitle();
    static QString writeTitle();
    static QString writeSucceededText();
    static QString noDocumentToWriteText();

    // Shows `text` under the link's title.
    static void show(const QString& text);
};
