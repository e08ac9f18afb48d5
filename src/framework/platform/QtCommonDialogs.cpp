#include "QtCommonDialogs.h"

#include "ModalDialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vt {

QStringList toQtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts))
            patterns << (pattern.trimmed() == QLatin1String("*.*") ? QStringLiteral("*") : pattern.trimmed());
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(' '));
    }
    return filters;
}

// Qt's font dialog offers strike-out and underline but no colour: ours adds a colour button beneath it.
bool QtCommonDialogs::chooseFont(FontValue& font) {
    QDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(QStringLiteral("Police"));
    // The family as the system resolves it ("Arial" is drawn as Liberation Sans), so that the lists start on
    // it.
    QFont current = font.toQFont();
    current.setFamily(QFontInfo(current).family());
    auto* fonts = new QFontDialog(current, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    // A desktop's own font dialog would lack the underline, the strike-out and the colour.
    fonts->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    Color color = font.color;
    auto* colorButton = new QPushButton(QStringLiteral("Couleur..."), &dialog);
    auto* swatch = new QLabel(&dialog);
    swatch->setFixedSize(40, 16);
    swatch->setFrameShape(QFrame::Box);
    swatch->setAutoFillBackground(true);
    const auto showColor = [&] {
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, toQColor(color, QApplication::palette()));
        swatch->setPalette(palette);
    };
    showColor();
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        chooseColor(color);
        showColor();
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(new QLabel(QStringLiteral("Couleur :"), &dialog));
    colorRow->addWidget(swatch);
    colorRow->addWidget(colorButton);
    colorRow->addStretch();
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
    if (runModal(dialog) != QDialog::Accepted) return false;
    const QString family = font.family;
    font = FontValue::fromQFont(fonts->currentFont(), color);
    // The family the system drew for the stored name is no choice of the user's: the name stays.
    if (font.family == current.family()) font.family = family;
    return true;
}

// The colour and file dialogs are Qt's own too: a desktop's own one (GTK's on GNOME) runs a loop of its own
// that a termination request can't end, and shows the filters its way.
bool QtCommonDialogs::chooseColor(Color& color) {
    QColorDialog dialog(toQColor(color, QApplication::palette()), QApplication::activeWindow());
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (runModal(dialog) != QDialog::Accepted) return false;
    color = fromQColor(dialog.selectedColor());
    return true;
}

bool QtCommonDialogs::openFile(OpenFileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(toQtNameFilters(request.filter));
    // Each filter shows as its description, the patterns being Qt's reading of it.
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
    if (runModal(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    request.fileName = dialog.selectedFiles().first();
    return true;
}

} // namespace vt
