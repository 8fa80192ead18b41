// Eliding label: one line of plain text that shows "..." in its middle when it is too long for
// the label, keeping its whole text for tooltips and assistive technology.
#pragma once

#include <QLabel>

namespace pixmaro {

class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace pixmaro
