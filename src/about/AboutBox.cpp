// The about box: the product and its version, a picture that cross-fades into a second picture when
// the mouse touches it, then rolling credits.
#include "about/AboutBox.h"

#include "about/CreditsPanel.h"
#include "about/CrossFadePicture.h"
#include "about/Label3D.h"
#include "about/UrlLabel.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace pixmaro {

const QString AboutBox::kCaption = QStringLiteral("About Pixmaro");
const QString AboutBox::kTitle = QStringLiteral("Pixmaro V1.5");
const QString AboutBox::kAddress = QStringLiteral("https://pixmaro.example.org/");

QStringList AboutBox::CreditsLines()
{
    return {
        QStringLiteral("Pixmaro V1.5"),
        QString(),
        QStringLiteral("Thumbnails, renaming, copying"),
        QStringLiteral("and converting for a whole folder"),
        QStringLiteral("of pictures, and an HTML gallery"),
        QStringLiteral("to show them in."),
        QString(),
        QStringLiteral("Design and programming"),
        QStringLiteral("The Pixmaro developers"),
        QString(),
        QStringLiteral("Pictures and cross-fade"),
        QStringLiteral("made for Pixmaro"),
        QString(),
        QStringLiteral("This software is based in part on the"),
        QStringLiteral("work of the Independent JPEG Group."),
        QString(),
        QStringLiteral("Thank you for using Pixmaro!"),
        QStringLiteral("Have fun with your pictures."),
    };
}

AboutBox::AboutBox(QWidget *parent, Shell &shell)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("TfAbout"));
    setWindowTitle(kCaption);
    // A fixed dialog border: the client area keeps its size.
    setFixedSize(361, 222);
    setSizeGripEnabled(false);

    SP = new CreditsPanel(this);
    SP->setObjectName(QStringLiteral("SP"));
    SP->setGeometry(16, 8, 329, 113);
    SP->setLines(CreditsLines());
    SP->setAccessibleName(QStringLiteral("Credits"));

    VelkFade1 = new CrossFadePicture(SP);
    VelkFade1->setObjectName(QStringLiteral("VelkFade1"));
    VelkFade1->setGeometry(88, 5, 160, 102);
    VelkFade1->setBlendRate(54);
    VelkFade1->setMsecPerFrame(24);
    VelkFade1->setStretchToFit(false);
    FadePicture picture;
    picture.load(QStringLiteral(":/about/FadeFrom.jpg"));
    VelkFade1->setPicFrom(picture);
    picture.load(QStringLiteral(":/about/FadeTo.jpg"));
    VelkFade1->setPicTo(picture);
    VelkFade1->setAccessibleName(QStringLiteral("Pixmaro picture"));

    dxfLabel1 = new Label3D(kTitle, this);
    dxfLabel1->setObjectName(QStringLiteral("dxfLabel1"));
    dxfLabel1->setGeometry(0, 128, 361, 33);
    QFont title(QStringLiteral("Times New Roman"));
    title.setStyleHint(QFont::Serif);
    title.setBold(true);
    title.setPixelSize(32);
    dxfLabel1->setFont(title);
    dxfLabel1->setDepth(3);
    dxfLabel1->setShadowColor(Qt::gray);

    URLLabel1 = new UrlLabel(kAddress, shell, this);
    URLLabel1->setObjectName(QStringLiteral("URLLabel1"));
    URLLabel1->move(128, 168);
    URLLabel1->adjustSize();

    BitBtn1 = new QPushButton(QStringLiteral("OK"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(143, 192, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    m_rollDelay.setSingleShot(true);
    m_rollDelay.setInterval(kRollDelayMsec);
    connect(&m_rollDelay, &QTimer::timeout, this, &AboutBox::startRoll);
    connect(VelkFade1, &CrossFadePicture::OnMouseEnter, this, &AboutBox::VelkFade1MouseEnter);
    connect(VelkFade1, &CrossFadePicture::OnEnd, this, &AboutBox::VelkFade1End);
    connect(SP, &CreditsPanel::OnStopPlay, this, &AboutBox::SPStopPlay);
}

void AboutBox::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void AboutBox::VelkFade1MouseEnter()
{
    // The control ignores a request while its pass runs. Between the end of a fade and the roll
    // the picture is still visible: a fade started then would be cut off by the roll, so the cycle
    // has to come round first.
    if (m_rollDelay.isActive() || SP->isPlaying())
        return;
    VelkFade1->Blend();
}

void AboutBox::VelkFade1End()
{
    // One roll per fade: a further end while the roll waits or runs starts nothing.
    if (m_rollDelay.isActive() || SP->isPlaying())
        return;
    m_rollDelay.start();
}

void AboutBox::startRoll()
{
    VelkFade1->hide();
    SP->Play();
}

void AboutBox::SPStopPlay()
{
    VelkFade1->Reset();
    VelkFade1->show();
}

} // namespace pixmaro
