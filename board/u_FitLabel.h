// SPDX-License-Identifier: MIT
#pragma once
// Text that fits its fixed box whole, whatever the desktop's font size: the windows have a fixed
// layout, so a text too wide or too tall for its box is drawn in a smaller font, never cut.

#include <QLabel>
#include <QStringList>

// The largest font no bigger than Base in which every one of Texts fits Box whole (its width
// and the height of a line). Base itself when they fit already.
QFont FittingFont(const QFont& Base, const QStringList& Texts, QSize Box);

class TFitLabel : public QLabel {
    Q_OBJECT
public:
    explicit TFitLabel(QWidget* Parent = nullptr);

    // The font the current text is drawn in: the label's font, or a smaller one where the text
    // would not fit the label's contents whole.
    QFont FittedFont() const;
    // The text as drawn: with a buddy, a doubled ampersand shows as one, as on a button.
    QString ShownText() const;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    // The last fit, kept while text, font and size stay the same.
    mutable QString FFitText;
    mutable QFont FFitBase;
    mutable QSize FFitBox;
    mutable QFont FFitFont;
};
