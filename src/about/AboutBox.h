// The about box: the product and its version, a picture that cross-fades into a second picture when
// the mouse touches it, then rolling credits.
#pragma once

#include <QDialog>
#include <QTimer>

class QPushButton;

namespace pixmaro {

class CreditsPanel;
class CrossFadePicture;
class Label3D;
class Shell;
class UrlLabel;

/// The about box (objectName "TfAbout"), created once and shown by the main window's "About
/// Pixmaro" button; "OK" or closing only hides it, so the cycle carries on while it is hidden.
class AboutBox : public QDialog {
    Q_OBJECT

public:
    /// The caption and the web address the link label shows and opens.
    static const QString kCaption;
    static const QString kTitle;
    static const QString kAddress;
    /// Milliseconds between the end of the fade and the start of the credits roll.
    static constexpr int kRollDelayMsec = 1000;

    AboutBox(QWidget *parent, Shell &shell);

    /// The credits text, one entry per line.
    static QStringList CreditsLines();

    /// Whether the credits roll waits for its start after a fade.
    bool isRollPending() const { return m_rollDelay.isActive(); }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void VelkFade1MouseEnter();
    void VelkFade1End();
    void startRoll();
    void SPStopPlay();

    CreditsPanel *SP;
    CrossFadePicture *VelkFade1;
    Label3D *dxfLabel1;
    UrlLabel *URLLabel1;
    QPushButton *BitBtn1;
    QTimer m_rollDelay;
};

} // namespace pixmaro
