// Progress bar showing its position as a percentage of its maximum.
#pragma once

#include <QProgressBar>

namespace pixmaro {

class PercentProgressBar : public QProgressBar {
    Q_OBJECT
public:
    explicit PercentProgressBar(QWidget *parent = nullptr);

    /// Shows `position` out of `maximum` (a maximum below 1 shows an empty bar at 0%).
    void showProgress(int position, int maximum);
};

} // namespace pixmaro
