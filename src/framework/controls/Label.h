#pragma once

#include "framework/style/FontValue.h"

#include <QLabel>

namespace vt {

// A label that sizes itself to its text and keeps its font colour as a colour value.
class Label : public QLabel {
    Q_OBJECT
    Q_PROPERTY(int fontColor READ fontColor WRITE setFontColor)

public:
    explicit Label(QWidget* parent = nullptr);

    void setCaption(const QString& text);
    QString caption() const { return text(); }

    FontValue fontValue() const;
    void setFontValue(const FontValue& font);

    Color fontColor() const { return color; }
    void setFontColor(Color value);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fitText();

    Color color = clWindowText;
    qreal fittedAdvance = -1; // the text's width when the label was last sized to it
};

// Gives a caption a text colour; a label keeps it as its font colour.
void setCaptionColor(QWidget& caption, Color color);

} // namespace vt
