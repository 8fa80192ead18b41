// Slider with value label: a horizontal slider and a label that always shows its value.
#include "ui/ValueSlider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>

namespace pixmaro {

ValueSlider::ValueSlider(
    int minimum, int maximum, const QString &sliderName, const QString &labelName, QWidget *parent)
    : QWidget(parent)
    , m_slider(new QSlider(Qt::Horizontal, this))
    , m_label(new QLabel(this))
{
    m_slider->setObjectName(sliderName);
    m_label->setObjectName(labelName);
    m_slider->setRange(minimum, maximum);
    m_slider->setPageStep(10);
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_slider->setTickInterval(10);
    m_label->setText(QString::number(m_slider->value()));
    m_label->setMinimumWidth(m_label->fontMetrics().horizontalAdvance(QString::number(maximum)));
    m_label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The slider is labelled by the caption its owner gives; the value label shows its number.
    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(m_slider, 1);
    row->addWidget(m_label);
    connect(m_slider, &QSlider::valueChanged, m_label,
        [this](int value) { m_label->setText(QString::number(value)); });
}

int ValueSlider::value() const
{
    return m_slider->value();
}

void ValueSlider::setValue(int value)
{
    m_slider->setValue(value);
}

} // namespace pixmaro
