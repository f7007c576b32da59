#pragma once

class QDomElement;
class QWidget;

// Builds the widgets that the editor's screens hold for a document, with
// Qt's classes alone: for every container with settings a hidden group box
// with a grid, and for every setting of it an object standing for the line,
// a caption, an editor area with its layout and editors, a hint as plain
// text and a separator, the editors showing the setting's value. Nothing of
// the editor's own runs: no validators, connections, conditions or copies of
// elements. What these widgets take is the least any screens of that
// document take.
class BareScreens
{
public:
    // Builds the screens of the containers under `root` into `parent`.
    static void build(const QDomElement& root, QWidget* parent);
};
