// Slider with value label: a horizontal slider and a label that always shows its value.
#pragma once

#include <QWidget>

class QLabel;
class QSlider;

namespace pixmaro {

class ValueSlider : public QWidget {
    Q_OBJECT
public:
    /// A slider from `minimum` to `maximum`; the slider and its label get the object names given.
    ValueSlider(int minimum, int maximum, const QString &sliderName, const QString &labelName,
        QWidget *parent = nullptr);

    QSlider *slider() const { return m_slider; }
    QLabel *valueLabel() const { return m_label; }
    int value() const;
    /// Sets the value, clamped to the range; the label follows.
    void setValue(int value);

private:
    QSlider *m_slider;
    QLabel *m_label;
};

} // namespace pixmaro
