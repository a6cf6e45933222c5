#ifndef FIELDTEXT_H
#define FIELDTEXT_H

#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

// Shows a text from outside (a peer's settings or runtime text, an alert text, a stored setting) on a label
// or a button so that it stays inside it: as plain text (a peer's markup is shown as written, never
// rendered), without control characters, and cut with an ellipsis to the room the widget has. The room is
// the widget's width as its owner or its layout gives it; a fitted text never asks for more, so a long
// text cannot push the widgets beside it away. The widget keeps the text as given and fits it again
// whenever its size or font changes: the window's scaling sets both, also after a text has arrived.
namespace FieldText {

// Turns the fitted plain text into the rich text a label shows (italic words, say); it escapes the text.
using Markup = QString (*)(const QString &plain);

// `inset` pixels at each side are kept free of text (a frame drawn over the label); with a markup the label
// shows rich text made from the fitted text, otherwise plain text.
void setText(QLabel *label, const QString &text, int inset = 0, Markup markup = nullptr);
void setText(QAbstractButton *button, const QString &text);
// For a button that others write with QAbstractButton::setText (a setup button written by its
// description): every text it is given is fitted before it is drawn.
void follow(QAbstractButton *button);

// The text last given, as given (an acknowledgement names an alert by it); for a widget whose text is not
// kept here, the widget's own text.
QString text(const QWidget *widget);

// The room of one line of text: a label's contents without its margin and indent (and `inset` pixels at
// each side), a button's label area.
int room(const QLabel *label, int inset = 0);
int room(const QAbstractButton *button);

// Whether the text fits whole into `width` pixels of the label's font, or into the label's room when
// `width` is negative.
bool fits(const QLabel *label, const QString &text, int width = -1);

} // namespace FieldText

#endif // FIELDTEXT_H
