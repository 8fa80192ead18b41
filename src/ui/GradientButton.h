// Gradient button: a push button filled with a plain colour that turns into a gradient towards
// bright green while the pointer is over it.
#pragma once

#include <QColor>
#include <QPushButton>

namespace pixmaro {

/// The wizard's buttons: plain `base` colour at rest; while hovered, a gradient from `base` to
/// bright green (0, 255, 0). The text is drawn in white.
class GradientButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr QColor kGrey { 128, 128, 128 };
    static constexpr QColor kGreen { 0, 128, 0 };
    static constexpr QColor kBrightGreen { 0, 255, 0 };

    explicit GradientButton(const QString &text, QColor base = kGrey, QWidget *parent = nullptr);

    /// Whether the pointer is over the button, so the gradient is shown.
    bool isHovered() const { return m_hovered; }
    /// The colour at the far (bottom) end of the fill: the base at rest, bright green on hover.
    QColor endColor() const { return m_hovered ? kBrightGreen : m_base; }

    QSize sizeHint() const override;

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_base;
    bool m_hovered = false;
};

} // namespace pixmaro
