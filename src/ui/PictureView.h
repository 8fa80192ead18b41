// A view of one shared preview picture: stretched or 1:1, animating a GIF of several frames.
#pragma once

#include "imaging/gif/GifAnimator.h"
#include "ui/PreviewPicture.h"

#include <QTimer>
#include <QWidget>

namespace pixmaro {

/// Shows a SharedPicture. A stretched view fills its whole rectangle without keeping proportions;
/// a natural view takes the picture's own size. A GIF of several frames animates on a timer of
/// the GUI thread, composing each frame when it is due; setting another picture or none stops it.
/// The hint is kept as plain text: what the tooltip shows is exactly its characters.
class PictureView : public QWidget {
    Q_OBJECT
public:
    enum class Fit { Stretch, Natural };

    explicit PictureView(Fit fit, QWidget *parent = nullptr);

    /// Shows `picture` (null empties the view) from its first frame.
    void setPicture(SharedPicture picture);
    /// Drops the picture and the hint, stopping any animation.
    void clearPicture()
    {
        setPicture(nullptr);
        setHint({});
    }
    const SharedPicture &picture() const { return m_picture; }
    bool hasPicture() const { return m_picture != nullptr; }

    /// The hint as plain text; the tooltip shows it character for character.
    void setHint(const QString &hint);
    const QString &hint() const { return m_hint; }

    /// Whether an animation is running, and the frame shown (0 for a still picture).
    bool isAnimating() const { return m_timer.isActive(); }
    int frameIndex() const { return m_animator.isEmpty() ? 0 : m_animator.frameIndex(); }
    /// What is drawn now at the picture's own size: the current frame over white.
    QImage currentFrame() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    /// A left click on the view.
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void step();

    Fit m_fit;
    SharedPicture m_picture;
    QString m_hint;
    gif::GifAnimator m_animator;
    QTimer m_timer;
};

} // namespace pixmaro
