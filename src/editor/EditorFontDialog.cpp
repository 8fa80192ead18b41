// The editor's font dialog: face, size, style and colour, with an Apply button that changes the
// text at once.
#include "editor/EditorFontDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace pixmaro {

namespace {

// The sixteen colours of the classic palette.
const std::pair<const char *, QRgb> kColors[] = {
    { "Black", 0x000000 },
    { "Maroon", 0x800000 },
    { "Green", 0x008000 },
    { "Olive", 0x808000 },
    { "Navy", 0x000080 },
    { "Purple", 0x800080 },
    { "Teal", 0x008080 },
    { "Gray", 0x808080 },
    { "Silver", 0xC0C0C0 },
    { "Red", 0xFF0000 },
    { "Lime", 0x00FF00 },
    { "Yellow", 0xFFFF00 },
    { "Blue", 0x0000FF },
    { "Fuchsia", 0xFF00FF },
    { "Aqua", 0x00FFFF },
    { "White", 0xFFFFFF },
};

} // namespace

EditorFontDialog::EditorFontDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName("FD1");
    setWindowTitle(QStringLiteral("Font"));
    setModal(true);

    // Qt's font chooser, embedded without its own buttons, so the dialog can add a colour and an
    // "Apply" button.
    m_fonts = new QFontDialog(this);
    m_fonts->setObjectName("fontChooser");
    m_fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    m_fonts->setWindowFlags(Qt::Widget);
    m_fonts->setSizeGripEnabled(false);

    cbColor = new QComboBox(this);
    cbColor->setObjectName("cbColor");
    for (const auto &[name, rgb] : kColors) {
        QPixmap swatch(24, 12);
        swatch.fill(QColor(rgb));
        cbColor->addItem(QIcon(swatch), QString::fromLatin1(name), QColor(rgb));
    }
    auto *lColor = new QLabel(QStringLiteral("C&olor:"), this);
    lColor->setBuddy(cbColor);
    cbColor->setAccessibleName(QStringLiteral("Color:"));

    auto *buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("bOK");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("bCancel");
    buttons->button(QDialogButtonBox::Apply)->setObjectName("bApply");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
        [this] { Q_EMIT applied(chosenFont(), chosenColor()); });

    auto *colorRow = new QHBoxLayout;
    colorRow->addWidget(lColor);
    colorRow->addWidget(cbColor);
    colorRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

void EditorFontDialog::setChoice(const QFont &font, const QColor &color)
{
    // The chooser lists sizes in points: a size given in pixels is shown as its points.
    QFont shown = font;
    if (font.pixelSize() > 0)
        shown.setPointSizeF(font.pixelSize() * 72.0 / logicalDpiY());
    m_fonts->setCurrentFont(shown);
    int index = cbColor->findData(color);
    if (index < 0) {
        cbColor->addItem(color.name(), color);
        index = cbColor->count() - 1;
    }
    cbColor->setCurrentIndex(index);
}

QFont EditorFontDialog::chosenFont() const
{
    return m_fonts->currentFont();
}

QColor EditorFontDialog::chosenColor() const
{
    return cbColor->currentData().value<QColor>();
}

} // namespace pixmaro
