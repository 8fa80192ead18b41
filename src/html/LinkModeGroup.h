// The four ways of addressing images as a group of radio buttons ("HREF Options", "IMG Options").
#pragma once

#include <QGroupBox>

class QButtonGroup;

namespace pixmaro {

/// The items of the group, in LinkMode order.
inline constexpr const char *kLinkModeItems[4] = {
    "Refer to images on local hard drive (file:///C:\\)",
    "Explicit internet location (http://)",
    "Relative location (folder/)",
    "Generic location (same folder as html)",
};

class LinkModeGroup : public QGroupBox {
    Q_OBJECT
public:
    LinkModeGroup(const QString &title, QWidget *parent = nullptr);

    /// The checked item as a LinkMode, or -1 when none is checked.
    int mode() const;
    /// Checks item `mode`; -1 (or any value out of range) checks none. Emits nothing.
    void setMode(int mode);

Q_SIGNALS:
    /// The user picked item `mode`.
    void modeChosen(int mode);

private:
    QButtonGroup *m_buttons;
};

} // namespace pixmaro
