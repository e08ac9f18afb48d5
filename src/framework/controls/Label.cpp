#include "Label.h"

#include <QEvent>
#include <QFontMetricsF>

namespace vt {

Label::Label(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
}

namespace {

// The time's digits replace digits each second; nothing else about the text changes its width then.
bool onlyDigitsChanged(const QString& before, const QString& after) {
    if (before.size() != after.size() || after.contains(u'\n')) return false;
    for (qsizetype i = 0; i < before.size(); ++i)
        if (before[i] != after[i] && !(before[i].isDigit() && after[i].isDigit())) return false;
    return true;
}

} // namespace

void Label::setCaption(const QString& text) {
    // Sizing the label lays the whole text out, which costs more than the rest of a clock tick: it is
    // left out when the text or its width stays the same.
    if (text == this->text()) return;
    const bool sameWidth = onlyDigitsChanged(this->text(), text) &&
                           QFontMetricsF(font()).horizontalAdvance(text) == fittedAdvance;
    setText(text);
    if (!sameWidth) fitText();
}

void Label::fitText() {
    adjustSize();
    fittedAdvance = QFontMetricsF(font()).horizontalAdvance(text());
}

FontValue Label::fontValue() const { return FontValue::fromQFont(font(), color); }

void Label::setFontValue(const FontValue& value) {
    setFont(value.toQFont());
    setFontColor(value.color);
}

void Label::setFontColor(Color value) {
    color = value;
    applyTextColor(*this, value);
}

void setCaptionColor(QWidget& caption, Color color) {
    if (auto* label = qobject_cast<Label*>(&caption))
        label->setFontColor(color);
    else
        applyTextColor(caption, color);
}

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) fitText();
}

} // namespace vt
