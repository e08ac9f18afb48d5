#include "QtCommonDialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

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

bool QtCommonDialogs::chooseFont(FontValue& font) {
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, font.toQFont(), QApplication::activeWindow());
    if (ok)
        font = FontValue::fromQFont(chosen, font.color);
    return ok;
}

bool QtCommonDialogs::chooseColor(Color& color) {
    const QColor chosen = QColorDialog::getColor(toQColor(color, QApplication::palette()),
                                                 QApplication::activeWindow());
    if (!chosen.isValid())
        return false;
    color = fromQColor(chosen);
    return true;
}

bool QtCommonDialogs::openFile(OpenFileRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(toQtNameFilters(request.filter));
    dialog.setDirectory(request.initialFolder);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    request.fileName = dialog.selectedFiles().first();
    return true;
}

} // namespace vt
