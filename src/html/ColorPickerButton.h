// A button that shows a colour and lets the user pick another: the options dialog's colour pickers.
#pragma once

#include <QPushButton>

namespace pixmaro {

class ColorPickerButton : public QPushButton {
    Q_OBJECT
public:
    explicit ColorPickerButton(QWidget *parent = nullptr);

    /// The colour as 0x00BBGGRR (red in the low byte).
    int color() const { return m_color; }
    void setColor(int bgr);

Q_SIGNALS:
    void colorChanged(int bgr);

private:
    void pick();
    int m_color = 0;
};

} // namespace pixmaro
