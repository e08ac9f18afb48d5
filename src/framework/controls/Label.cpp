#include "Label.h"

#include <QEvent>

namespace vt {

Label::Label(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMargin(0);
}

void Label::setCaption(const QString& text) {
    // Laying the text out costs more than the rest of a tick; the date and weekday rarely change.
    if (text == this->text()) return;
    setText(text);
    adjustSize();
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

void Label::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) adjustSize();
}

} // namespace vt
