// The splash window (TfSplasher): Pixmaro's picture shown while the windows are created.
#pragma once

#include <QWidget>

namespace pixmaro {

/// A borderless window of 256 by 128 pixels, centred on the screen, showing the splash picture.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPixmap m_picture;
};

} // namespace pixmaro
