// The full-size preview window: the previewed picture at its own size, closed by a click on it.
#pragma once

#include "ui/PreviewPicture.h"

#include <QWidget>

class QScrollArea;

namespace pixmaro {

class PictureView;

/// A small tool window (objectName "TForm2") showing one picture 1:1 in its image `Image1`. It is
/// not modal, is first placed at (25, 25), takes the size of each new picture, and is capped at
/// the screen's free area, scrolling a larger picture. Clicking the picture closes it.
class PreviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit PreviewWindow(QWidget *parent = nullptr);

    /// The caption: the previewed file's path, as plain text.
    void setCaption(const QString &path);

    /// Shows `picture` (shared with the pane, never copied) with the image hint `hint`, fits the
    /// window around it and brings the window up, opening it when closed.
    void showPicture(SharedPicture picture, const QString &hint);

    PictureView *image() const { return Image1; }

private:
    void fitToPicture();

    QScrollArea *m_scroll;
    PictureView *Image1;
};

} // namespace pixmaro
