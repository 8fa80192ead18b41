// Progress bar showing its position as a percentage of its maximum.
#include "ui/PercentProgressBar.h"

#include <algorithm>

namespace pixmaro {

PercentProgressBar::PercentProgressBar(QWidget *parent)
    : QProgressBar(parent)
{
    setRange(0, 100);
    setValue(0);
    setTextVisible(true);
    setFormat(QStringLiteral("%p%"));
    setAlignment(Qt::AlignCenter);
}

void PercentProgressBar::showProgress(int position, int maximum)
{
    // An empty run still has a bar: a maximum of 0 would make the bar busy-indicate.
    const int top = std::max(1, maximum);
    setRange(0, top);
    setValue(std::clamp(position, 0, top));
}

} // namespace pixmaro
