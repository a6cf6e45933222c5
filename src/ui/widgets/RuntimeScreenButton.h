#ifndef RUNTIMESCREENBUTTON_H
#define RUNTIMESCREENBUTTON_H

#include "ui/CustomColorDefinitions.h"

#include <QMetaType>
#include <QWidget>

namespace Ui {
class RuntimeScreenButton;
}

// Which part of a runtime value button was pressed.
enum ButtonType { UpButton = 0, DownButton = 1, SingleButton = 2 };
Q_DECLARE_METATYPE(ButtonType)

// The touch field of the runtime pages that shows one value as a title over a value text (the side
// information and the bottom bars). It works as one large button or as a pair of up and down buttons
// with arrows in the palette colour. Units and titles keep certain words in italics; a value whose
// integrity is in doubt is shown orange. Title and value are plain texts, cut to the inside of the frame.
// What a press does is decided by the button's binding.
class RuntimeScreenButton : public QWidget
{
    Q_OBJECT
public:
    explicit RuntimeScreenButton(QWidget *parent = nullptr);
    ~RuntimeScreenButton() override;

    void setSingleButtonMode(bool single);
    // False shows title, value and the single button's text orange.
    void setIntegrityOk(bool ok);
    void setTitleText(const QString &text);
    void setValueText(const QString &text);
    // Whether the value text fits whole inside the frame.
    bool valueFits(const QString &text) const;
    // The side-information look: the title on a translucent grey band.
    void setTranslucentTitleStyle();

    // The rich text of a plain text: escaped, and each blank-separated part that equals one of the title
    // (or unit) words exactly becomes "<i>" + word + "</i>".
    static QString italicTitle(const QString &text);
    static QString italicUnits(const QString &text);

signals:
    void buttonPressed(ButtonType type);
    void buttonReleased();

public slots:
    void reloadUpAndDownArrowIcons(enum_ColorPalette color_enum);

private:
    Ui::RuntimeScreenButton *m_ui;
};

#endif // RUNTIMESCREENBUTTON_H
